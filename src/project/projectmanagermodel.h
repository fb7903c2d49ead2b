#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumaro {

/// What the project manager edits: the project's files in two sorted lists,
/// "Open files" and "Closed files", and the header of the project list it
/// was given. Closing the manager with OK rewrites the list from it: the
/// header as read, then the closed files, then the open files, each group
/// in its sorted order.
class ProjectManagerModel {
public:
    /// Fills the lists from a project list image.
    explicit ProjectManagerModel(const QByteArray &projectList = {});

    /// The header's string (the project path), for the status line.
    QString headerText() const;
    const QStringList &openFiles() const { return m_open; }
    const QStringList &closedFiles() const { return m_closed; }

    /// "Add file": the files land in "Closed files".
    void addFiles(const QStringList &files);
    /// "Remove file": removes the named entries of "Closed files" (one
    /// entry per name given).
    void removeClosed(const QStringList &files);
    /// Moves entries from "Open files" to "Closed files" (one per name given).
    void moveToClosed(const QStringList &files);
    /// Moves entries from "Closed files" to "Open files".
    void moveToOpen(const QStringList &files);

    /// The rewritten project list.
    QByteArray rewrittenList() const;

    /// The order of a sorted list box: without regard to case, ties by code.
    static void sortEntries(QStringList &list);

private:
    static void move(QStringList &from, QStringList &to, const QStringList &files);

    QByteArray m_header;
    QStringList m_open;
    QStringList m_closed;
};

} // namespace lumaro
