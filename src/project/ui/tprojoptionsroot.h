#pragma once

#include "projectoptions.h"

#include <QDialog>

class QCheckBox;
class QFileSystemModel;
class QLabel;
class QPushButton;
class QTreeView;

namespace lumaro {

/// The directory picker of the project preferences: a directory tree, a
/// label showing the chosen directory and the "Use file:///" check box.
/// It is created once and reused; the caller sets the directory string
/// before showing it and reads it back after OK.
class Tprojoptionsroot : public QDialog {
    Q_OBJECT
public:
    explicit Tprojoptionsroot(QWidget *parent = nullptr);

    /// The caller's directory string: a leading "file:///" is removed and
    /// ticks "Use file:///"; the tree goes to the directory. The focus goes
    /// to the check box.
    void setDirectoryText(const QString &text);
    /// The chosen directory, with "file:///" in front when ticked.
    QString directoryText() const { return choice().toText(); }
    DirectoryChoice choice() const;

    /// Chooses a directory as a click in the tree does.
    void setDirectory(const QString &directory);
    QString directory() const { return m_directory; }

    QCheckBox *fileUrlBox() const { return m_useFileUrl; }
    QLabel *directoryLabel() const { return m_label; }
    QTreeView *tree() const { return m_tree; }
    QPushButton *okButton() const { return m_ok; }

private:
    void treeClicked(const QModelIndex &index);
    void revealCurrent();

    QFileSystemModel *m_model = nullptr;
    QTreeView *m_tree = nullptr;
    QLabel *m_label = nullptr;
    QCheckBox *m_useFileUrl = nullptr;
    QPushButton *m_ok = nullptr;
    QString m_directory;
    bool m_revealPending = false;
};

} // namespace lumaro
