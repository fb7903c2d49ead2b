#pragma once

#include "knownhosts.h"
#include "uploadplan.h"

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace lumaro {

/// One SSH connection with its SFTP channel, through libssh. Every call
/// blocks until the server answered; a failed call leaves the reason in
/// error(). The connection is closed when the object goes.
class SftpConnection {
public:
    SftpConnection();
    ~SftpConnection();
    SftpConnection(const SftpConnection &) = delete;
    SftpConnection &operator=(const SftpConnection &) = delete;

    /// Connects to the server and reads its host key; nothing is sent on the
    /// user's behalf yet. The host's configuration files are not read: the
    /// project's settings are all there is.
    bool connectTo(const QString &host, int port, const QString &user);
    HostKey serverKey() const;

    bool loginWithAgent();
    bool loginWithKey(const QString &keyFile, const QString &passphrase);
    bool loginWithPassword(const QString &password);
    /// Opens the SFTP channel; needed before the file calls below.
    bool startSftp();

    /// The folder's entries by name, links not followed.
    bool list(const QString &folder, QList<QPair<QString, RemoteEntry>> *entries);
    /// What is at a path (links not followed); nothing when it does not exist.
    std::optional<RemoteEntry> entryAt(const QString &path);
    bool makeDirectory(const QString &path);
    bool removeFile(const QString &path);
    /// Renames a file, replacing what is at the new name in one step where
    /// the server offers that.
    bool rename(const QString &from, const QString &to);
    /// Writes a new file (it must not exist) from a device. chunkDone is
    /// called after each piece with the bytes written so far and returns
    /// false to stop. *sha256 receives the checksum of the bytes sent.
    bool writeNewFile(const QString &path, QIODevice &in, const std::function<bool(qint64)> &chunkDone,
                      QByteArray *sha256);

    /// Why the last call failed.
    QString error() const { return m_error; }
    /// Whether the last failure was the connection going away.
    bool connectionLost() const;
    /// Whether the last call was stopped by chunkDone.
    bool stopped() const { return m_stopped; }

    /// Whether a key file can be read without a passphrase; *exists tells
    /// whether the file is there at all.
    static bool keyFileOpensWithoutPassphrase(const QString &keyFile, bool *exists = nullptr);

private:
    bool fail(const QString &what);
    bool sftpFail(const QString &what, const QString &path);

    struct Handles;
    Handles *m_h;
    QString m_error;
    bool m_stopped = false;
};

} // namespace lumaro
