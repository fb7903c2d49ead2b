#pragma once

#include "projectmanagermodel.h"

#include <QDialog>

class QLabel;
class QToolButton;
class QPushButton;

namespace lumaro {

class ProjectFileList;

/// The project manager: the project's files in "Closed files" and "Open
/// files", "Add file", "Remove file", dragging between the lists, and
/// "Close", which accepts the dialog; the caller then takes rewrittenList().
/// Closing it any other way changes nothing.
class Tprojmanager : public QDialog {
    Q_OBJECT
public:
    /// The dialog for a project list (the main window's file image).
    explicit Tprojmanager(const QByteArray &projectList, QWidget *parent = nullptr);

    const ProjectManagerModel &model() const { return m_model; }
    /// The project list as "Close" rewrites it.
    QByteArray rewrittenList() const { return m_model.rewrittenList(); }

    ProjectFileList *closedList() const { return m_closed; }
    ProjectFileList *openList() const { return m_open; }
    QToolButton *addButton() const { return m_add; }
    QToolButton *removeButton() const { return m_remove; }
    QPushButton *closeButton() const { return m_close; }
    QString statusText() const;

    /// "Add file": files chosen in the open dialog go to "Closed files".
    void addFileClick();
    /// "Remove file": removes the selected entries of "Closed files".
    void removeFileClick();
    /// A drop of files from "Open files" onto "Closed files", and back.
    void closedListDrop(const QStringList &files);
    void openListDrop(const QStringList &files);

private:
    void refill();

    ProjectManagerModel m_model;
    ProjectFileList *m_closed = nullptr;
    ProjectFileList *m_open = nullptr;
    QToolButton *m_add = nullptr;
    QToolButton *m_remove = nullptr;
    QPushButton *m_close = nullptr;
    QLabel *m_status = nullptr;
};

} // namespace lumaro
