#include "knownhosts.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <libssh/libssh.h>

namespace lumaro {

QString HostKey::fingerprint() const
{
    const QByteArray blob = QByteArray::fromBase64(base64);
    const QByteArray sum = QCryptographicHash::hash(blob, QCryptographicHash::Sha256);
    return QStringLiteral("SHA256:")
        + QString::fromLatin1(sum.toBase64(QByteArray::Base64Encoding | QByteArray::OmitTrailingEquals));
}

QString KnownHosts::userFile()
{
    return QDir::homePath() + QStringLiteral("/.ssh/known_hosts");
}

QString KnownHosts::ownFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/known_hosts");
}

namespace {

// The type and blob of a parsed entry's key.
HostKey keyOf(ssh_key key)
{
    HostKey out;
    out.type = QString::fromLatin1(ssh_key_type_to_char(ssh_key_type(key)));
    char *b64 = nullptr;
    if (ssh_pki_export_pubkey_base64(key, &b64) == SSH_OK && b64) {
        out.base64 = QByteArray(b64);
        ssh_string_free_char(b64);
    }
    return out;
}

} // namespace

HostKeyVerdict KnownHosts::checkText(const QByteArray &text, const QString &fileName, const QString &hostName,
                                     const HostKey &key)
{
    HostKeyVerdict verdict;
    const QByteArray host = hostName.toUtf8();
    const QList<QByteArray> lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        bool revoked = false;
        if (line.startsWith('@')) {
            // Markers: "@revoked" entries refuse their key; certificate
            // authorities are not used here.
            if (!line.startsWith("@revoked ") && !line.startsWith("@revoked\t"))
                continue;
            revoked = true;
            line = line.mid(8).trimmed();
        }
        ssh_knownhosts_entry *entry = nullptr;
        if (ssh_known_hosts_parse_line(host.constData(), line.constData(), &entry) != SSH_OK || !entry) {
            ssh_knownhosts_entry_free(entry);
            continue;
        }
        const HostKey stored = keyOf(entry->publickey);
        ssh_knownhosts_entry_free(entry);
        const bool same = stored.type == key.type && stored.base64 == key.base64;
        const int lineNumber = int(i) + 1;
        if (same && revoked)
            return {HostKeyVerdict::Status::Revoked, stored.fingerprint(), fileName, lineNumber};
        if (same && verdict.status != HostKeyVerdict::Status::Known)
            verdict = {HostKeyVerdict::Status::Known, {}, fileName, lineNumber};
        else if (!same && !revoked && stored.type == key.type && verdict.status == HostKeyVerdict::Status::Unknown)
            verdict = {HostKeyVerdict::Status::Changed, stored.fingerprint(), fileName, lineNumber};
    }
    return verdict;
}

HostKeyVerdict KnownHosts::check(const QStringList &files, const QString &hostName, const HostKey &key)
{
    // A revoked key wins over everything, a stored match over a change.
    HostKeyVerdict result;
    for (const QString &name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const HostKeyVerdict v = checkText(file.readAll(), name, hostName, key);
        if (v.status == HostKeyVerdict::Status::Revoked)
            return v;
        if (v.status == HostKeyVerdict::Status::Known && result.status != HostKeyVerdict::Status::Known)
            result = v;
        else if (v.status == HostKeyVerdict::Status::Changed && result.status == HostKeyVerdict::Status::Unknown)
            result = v;
    }
    return result;
}

QString KnownHosts::entryLine(const QString &hostName, const HostKey &key)
{
    return hostName + u' ' + key.type + u' ' + QString::fromLatin1(key.base64);
}

bool KnownHosts::add(const QString &fileName, const QString &hostName, const HostKey &key, QString *error)
{
    QByteArray bytes;
    QFile old(fileName);
    if (old.exists()) {
        if (!old.open(QIODevice::ReadOnly)) {
            if (error)
                *error = old.errorString();
            return false;
        }
        bytes = old.readAll();
        old.close();
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += '\n';
    }
    bytes += entryLine(hostName, key).toUtf8() + '\n';
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile out(fileName);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

QString KnownHosts::removeCommand(const QString &fileName, const QString &hostName)
{
    return QStringLiteral("ssh-keygen -R \"%1\" -f \"%2\"").arg(hostName, fileName);
}

} // namespace lumaro
