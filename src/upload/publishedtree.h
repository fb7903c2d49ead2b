#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace lumaro {

/// One file of the published site, as it is to be sent.
struct LocalFile {
    QString relative;   ///< path below the published folder, with "/"
    QString path;       ///< the local file
    qint64 size = 0;
    qint64 modified = 0; ///< modification time, ms since the epoch
};

/// The published folder as an upload sees it: its files and folders by
/// relative path, and what may not be sent. A name that breaks the remote
/// path rules, or a link that leads out of the folder, is refused, and an
/// upload with anything refused sends nothing. A link to a file inside the
/// folder is sent as that file; a link to a folder is not followed.
struct PublishedTree {
    QList<LocalFile> files;   ///< in folder order, each folder's files by name
    QStringList directories;  ///< relative folders, parents before children
    QStringList refused;      ///< one reason per refused entry
    QStringList skipped;      ///< links to folders and special files, not sent
    qint64 totalBytes = 0;

    static PublishedTree scan(const QString &root);
    /// Keeps only the files and folders named (by relative path); the rest
    /// count as no longer published.
    void keepOnly(const QSet<QString> &keptFiles, const QSet<QString> &keptDirectories);
};

} // namespace lumaro
