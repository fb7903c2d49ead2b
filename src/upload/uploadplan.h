#pragma once

#include "publishedtree.h"
#include "uploadmanifest.h"

#include <QHash>
#include <functional>

namespace lumaro {

/// One entry of the remote folder as the server lists it (links are not
/// followed).
struct RemoteEntry {
    enum class Kind { File, Directory, Link, Other };
    Kind kind = Kind::File;
    qint64 size = 0;
};
/// The remote folder by relative path.
using RemoteListing = QHash<QString, RemoteEntry>;

/// What an upload does, decided before anything is written.
struct UploadPlan {
    QStringList makeDirectories; ///< folders to create, parents first
    QList<LocalFile> send;       ///< new and changed files
    qint64 sendBytes = 0;
    QStringList remove;          ///< no longer published, to delete
    QStringList obsolete;        ///< no longer published, kept on the server
    QStringList refused;         ///< reasons nothing may be sent
    UploadManifest manifest;     ///< the manifest with unchanged files' times brought up to date
};

/// Decides an upload from the published tree, the manifest and the
/// server's listing. A file is sent unless its size, time (or, when the time
/// moved, its checksum) match the manifest and the server still holds a file
/// of the size sent. Only files named in the manifest are candidates for
/// deleting, and only while the server holds them at the size sent; others
/// were put there by someone else, or changed there, and are left alone.
class UploadPlanner {
public:
    using Hasher = std::function<QByteArray(const LocalFile &)>;

    static UploadPlan plan(const PublishedTree &tree, const UploadManifest &manifest,
                           const RemoteListing &remote, bool deleteObsolete, const Hasher &hash);

    /// The SHA-256 of a file's bytes as 64 hex digits; empty when it cannot be read.
    static QByteArray sha256Of(const QString &path);
};

} // namespace lumaro
