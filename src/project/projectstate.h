#pragma once

#include "projectfile.h"

#include <QByteArray>
#include <QString>

namespace lumaro {

/// The open project as the main window keeps it: the open, saved and
/// modified flags, the project path and the project list, which is the
/// project file's image byte for byte (header, then one record per file).
///
/// The main window owns one; the project commands, the page seams (new
/// page, rename, close) and the path-to-URL conversion work on it.
class ProjectState {
public:
    /// The path of a project that has not been saved yet.
    static QString untitledPath() { return QStringLiteral("Project 1"); }

    bool isOpen() const { return m_open; }
    bool isSaved() const { return m_saved; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    /// The project file's full path, or "Project 1" before the first save.
    const QString &path() const { return m_path; }
    /// The project list: the file image.
    const QByteArray &list() const { return m_list; }

    /// Starts a new, unsaved project: path "Project 1", a list holding only
    /// the header; open, not saved, not modified.
    void newProject();
    /// Takes a project read from its file: the image is kept as read (a
    /// short header padded, bytes after the last whole record dropped);
    /// open, saved, not modified.
    void openProject(const QString &path, const QByteArray &image);
    /// Replaces the list (the project manager's rewrite) and marks the project modified.
    void replaceList(const QByteArray &image);
    /// After the list was written to the project path: saved, not modified.
    void markSaved();
    /// After Save project as: the new path, the header rewritten for it.
    void saveAs(const QString &path);

    QList<ProjectRecord> records() const { return ProjectFile::records(m_list); }
    /// Appends a record and marks the project modified.
    void addRecord(const QString &file, bool open);
    /// Sets the open flag of every record naming file (compared exactly);
    /// marks the project modified when one was found.
    bool markClosed(const QString &file);
    /// Renames every record naming oldName; marks the project modified when
    /// one was found. The open flags stay as they were.
    bool renameRecord(const QString &oldName, const QString &newName);

    /// The project options file (".lmo") and the directory table (".lmu"):
    /// named after the project path; empty before the project is saved, as
    /// an unsaved project has no side files.
    QString optionsFileName() const;
    QString tableFileName() const;

    /// The text for a tag naming a local file: the path-to-URL conversion of
    /// the open project, or the file name without directory when no project
    /// is open.
    QString pathToUrl(const QString &localPath) const;

private:
    bool m_open = false;
    bool m_saved = false;
    bool m_modified = false;
    QString m_path;
    QByteArray m_list;
};

} // namespace lumaro
