#pragma once

#include "knownhosts.h"
#include "projectfile.h"
#include "sitemirror.h"
#include "uploadsettings.h"

#include <QStringList>
#include <functional>

namespace lumaro {

/// What to upload, and how.
struct UploadJob {
    QString projectFile;          ///< names the manifest
    QString optionsFile;          ///< the project options file: root and settings
    QList<ProjectRecord> pages;   ///< the project's pages, for publishing first
    UploadSettings settings;
    bool dryRun = false;          ///< decide and list, change nothing
    bool deleteObsolete = false;  ///< delete remote files no longer published
    QString password;             ///< for Login::Password; memory only
    QString passphrase;           ///< for a key file that needs one; memory only
    // Where things are; empty means the usual place.
    QString publishDirectory;
    QString manifestFile;
    QStringList knownHostsFiles;
    QString trustedHostsFile;     ///< where a trusted new host key is added
};

/// How far an upload is.
struct UploadProgress {
    int filesDone = 0;
    int filesTotal = 0;
    qint64 bytesDone = 0;
    qint64 bytesTotal = 0;
    QString current; ///< the file being sent
};

/// The caller's part in an upload. Every hook may be empty.
struct UploadHooks {
    /// First contact with a server: true trusts its key (it is then stored).
    /// Without this hook an unknown server is refused.
    std::function<bool(const QString &hostName, const HostKey &key)> trustNewHost;
    /// Called as the upload goes on; false stops it at the next boundary.
    std::function<bool(const UploadProgress &)> progress;
    /// One line per file done: "sent PATH" or "deleted PATH".
    std::function<void(const QString &line)> fileDone;
};

/// What an upload did.
struct UploadReport {
    bool ok = false;
    bool cancelled = false;     ///< stopped by the user
    bool hostDeclined = false;  ///< the user did not trust a new server
    bool published = false;     ///< the site was published first
    bool unknownHost = false;   ///< refused in batch: the line to add is in error
    bool hostKeyRefused = false;
    bool loginFailed = false;
    QString error;
    QStringList sent;
    QStringList deleted;
    QStringList obsolete;       ///< no longer published, left on the server
};

/// Uploads a project's published site over SFTP: publishes first when the
/// copy is older than the site, checks the server's identity, sends new and
/// changed files only, each to a temporary name in its folder renamed over
/// the final name when complete, and deletes what is no longer published
/// only when asked. Nothing is written or deleted outside the remote folder.
/// A stop (cancel, lost connection, refused write) comes between files,
/// names the file and removes its temporary copy where it can; the
/// manifest keeps what was done, so the next upload goes on from there.
class Uploader {
public:
    static UploadReport run(const UploadJob &job, const UploadHooks &hooks = {});

    /// Whether the published copy planned is missing a file of the site or
    /// holds one older than the original.
    static bool isStale(const SiteMirror::Plan &plan);
};

} // namespace lumaro
