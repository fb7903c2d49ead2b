#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace lumaro {

/// The copy of a site's directory tree made for publishing.
///
/// A subdirectory is descended into and copied when it is a real directory
/// (not a symbolic link) whose name does not start with "."; at most 100
/// levels below the root are taken. Every file of the copied directories is
/// copied, a symbolic link to a file only when the file lies inside the root;
/// no link is ever followed out of the root, and special files (pipes,
/// sockets, devices) are left out. One directory may be excluded with
/// everything below it (the publish directory, when it lies inside the root).
class SiteMirror {
public:
    static constexpr int MaxLevels = 100;

    struct FileCopy {
        QString source;
        QString target;
    };
    /// What mirroring root into target does, in order.
    struct Plan {
        QStringList directories; ///< target directories to create, level by level
        QList<FileCopy> files;   ///< the root's files first, then each directory's
    };

    /// Walks root (which must exist) and plans its copy into target.
    static Plan plan(const QString &root, const QString &target, const QString &excluded = {});

    /// Copies one file as a file copy does, keeping its permissions and
    /// modification time, and replacing what is at target: a link there is
    /// removed first and the new file takes the place of the old one, so
    /// neither a link nor another name of the same file is written through.
    /// On failure the old target stays and *error says why.
    static bool copyFile(const QString &source, const QString &target, QString *error);
    /// Writes bytes to target the same way; permissions (and, with
    /// keepTime, the modification time) are taken from source when given.
    static bool writeFile(const QString &target, const QByteArray &bytes, QString *error,
                          const QString &source = {}, bool keepTime = false);
    /// Creates a directory of the copy; a link found in its place is
    /// removed (not what it points to) and a real directory made instead.
    static bool makeDirectory(const QString &path);

    /// The real path of a file or directory, links followed; for a path that
    /// does not exist yet, the real path of its nearest existing parent with
    /// the rest of the path appended.
    static QString resolvedPath(const QString &path);
    /// Whether two real directory paths are the same or one lies inside the other.
    static bool overlaps(const QString &a, const QString &b);
};

} // namespace lumaro
