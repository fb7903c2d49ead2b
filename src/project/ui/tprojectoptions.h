#pragma once

#include "projectoptions.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;

namespace lumaro {

class Tprojoptionsroot;
class UploadSettingsPage;

/// The project preferences: the options of the project options file on the
/// "Preferences" page, and the upload settings on the "Upload" page. "Ok"
/// writes them all and closes; "Cancel" closes without writing; "Help" opens
/// help context 1440.
class Tprojectoptions : public QDialog {
    Q_OBJECT
public:
    /// The dialog for a project options file; picker is the long-lived
    /// directory picker its "Browse" buttons show.
    Tprojectoptions(const QString &optionsFile, Tprojoptionsroot *picker, QWidget *parent = nullptr);

    ProjectOptions value() const;
    void setValue(const ProjectOptions &options);

    /// "Browse" for the root and for the image directory.
    void browseRootClick();
    void browseImageClick();
    /// "Ok": writes the options; on a write failure the reason is shown and
    /// the dialog stays open.
    void okClick();

    QCheckBox *autoUrlBox() const { return m_autoUrl; }
    QCheckBox *convCharBox() const { return m_convChar; }
    QCheckBox *useRootBox() const { return m_useRoot; }
    QCheckBox *useImageRootBox() const { return m_useImageRoot; }
    QCheckBox *checkExternalBox() const { return m_checkExternal; }
    QLabel *rootLabel() const { return m_root; }
    QLabel *imageRootLabel() const { return m_imageRoot; }
    QPushButton *browseRootButton() const { return m_browseRoot; }
    QPushButton *browseImageButton() const { return m_browseImage; }
    QTabWidget *pages() const { return m_pages; }
    UploadSettingsPage *uploadPage() const { return m_upload; }

private:
    bool browse(QLabel *label);

    QString m_fileName;
    Tprojoptionsroot *m_picker = nullptr;
    QTabWidget *m_pages = nullptr;
    QCheckBox *m_autoUrl = nullptr;
    QCheckBox *m_convChar = nullptr;
    QCheckBox *m_useRoot = nullptr;
    QCheckBox *m_useImageRoot = nullptr;
    QCheckBox *m_checkExternal = nullptr;
    QLabel *m_root = nullptr;
    QLabel *m_imageRoot = nullptr;
    QPushButton *m_browseRoot = nullptr;
    QPushButton *m_browseImage = nullptr;
    UploadSettingsPage *m_upload = nullptr;
};

} // namespace lumaro
