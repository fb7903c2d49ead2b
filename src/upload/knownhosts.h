#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lumaro {

/// A server's public host key: its type name ("ssh-ed25519") and its
/// base64 blob as known-hosts files write it.
struct HostKey {
    QString type;
    QByteArray base64;

    /// "SHA256:" and the unpadded base64 of the SHA-256 of the key blob,
    /// as OpenSSH shows fingerprints.
    QString fingerprint() const;
};

/// What the known-hosts files say about a server's key.
struct HostKeyVerdict {
    enum class Status {
        Known,    ///< a stored entry holds this key
        Unknown,  ///< no entry of this key's type: first contact
        Changed,  ///< an entry of the same type holds another key
        Revoked   ///< the key is marked "@revoked"
    };
    Status status = Status::Unknown;
    QString storedFingerprint; ///< the other key, for Changed
    QString file;              ///< where the deciding entry is
    int line = 0;              ///< its line number, from 1
};

/// The server identity check: the user's own "~/.ssh/known_hosts" and
/// Lumaro's known-hosts file in its configuration folder are read; new
/// entries are written only to Lumaro's file. Lines are parsed by libssh,
/// so hashed host names and patterns match as they do for OpenSSH.
class KnownHosts {
public:
    /// "~/.ssh/known_hosts".
    static QString userFile();
    /// Lumaro's own file, "known_hosts" in its configuration folder.
    static QString ownFile();
    /// Both, the user's first.
    static QStringList files() { return {userFile(), ownFile()}; }

    /// Checks a key against the entries for hostName ("host" or
    /// "[host]:port") in the given files, missing files counting as empty.
    static HostKeyVerdict check(const QStringList &files, const QString &hostName, const HostKey &key);
    /// The same for the text of one file.
    static HostKeyVerdict checkText(const QByteArray &text, const QString &fileName, const QString &hostName,
                                    const HostKey &key);

    /// The known-hosts line that trusts a key for a host.
    static QString entryLine(const QString &hostName, const HostKey &key);
    /// Adds that line to a file (created with its folder when missing).
    static bool add(const QString &fileName, const QString &hostName, const HostKey &key, QString *error);
    /// How to remove a host's stale entry from a file.
    static QString removeCommand(const QString &fileName, const QString &hostName);
};

} // namespace lumaro
