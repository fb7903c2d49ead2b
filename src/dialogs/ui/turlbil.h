#pragma once

#include "linkbuilder.h"
#include "tagdialog.h"
#include "urlpicker.h"

#include <QImage>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumaro {

class ProjectState;

/// The link builder ("URL Builder"): composes a URL from a protocol, a
/// server, a path and a jump target, or picks a local file and turns its
/// path into the text a tag should carry. One long-lived instance serves as
/// the picker behind every address field's URL button.
///
/// Each showing starts afresh: the fields, the protocol ("none"), the
/// preview, the picture and the size are cleared.
class Turlbil : public TagDialog, public UrlPicker {
    Q_OBJECT
public:
    /// project gives the open project for Browse (may return nullptr).
    explicit Turlbil(QWidget *parent = nullptr, std::function<const ProjectState *()> project = {});

    std::optional<PickedUrl> pick(QWidget *parent, PickerMode mode) override;

    PickerMode mode() const { return m_mode; }
    void setMode(PickerMode mode) { m_mode = mode; }
    /// What OK hands over: the picked URL, the size read in image mode, and
    /// the picture when "Vis image" is checked.
    PickedUrl picked() const;

    QComboBox *protocolList() const { return m_protocol; }
    QLineEdit *serverEdit() const { return m_server; }
    QLineEdit *anchorEdit() const { return m_anchor; }
    QLineEdit *jumpEdit() const { return m_jump; }
    QLineEdit *urlEdit() const { return m_url; }
    QPushButton *browseButton() const { return m_browse; }
    QCheckBox *visImageCheck() const { return m_visImage; }
    /// The preview shows the picture stretched to this label's size.
    QLabel *preview() const { return m_preview; }

    void accept() override;

protected:
    void FormActivate() override;
    QWidget *firstInput() const override;

private:
    void recompose();
    void BrowseClick();
    void clearPreview();
    /// Reads the picked picture's size (and, with "Vis image", the picture);
    /// false when a GIF could not be decoded (the reason was shown).
    bool readPicture(const QString &file);

    std::function<const ProjectState *()> m_project;
    PickerMode m_mode = PickerMode::Link;
    QString m_pickedUrl;
    int m_width = 0;
    int m_height = 0;
    QImage m_picture;

    QComboBox *m_protocol;
    QLineEdit *m_server;
    QLineEdit *m_anchor;
    QPushButton *m_browse;
    QLineEdit *m_jump;
    QLineEdit *m_url;
    QFrame *m_previewPanel;
    QLabel *m_preview;
    QCheckBox *m_visImage;
};

} // namespace lumaro
