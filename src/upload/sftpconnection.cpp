#include "sftpconnection.h"

#include <QCryptographicHash>
#include <QFile>
#include <QIODevice>
#include <fcntl.h>
#include <libssh/libssh.h>
#include <libssh/sftp.h>

namespace lumaro {

namespace {

// A write request of this size stays well below the largest packet SFTP
// servers accept (OpenSSH: 256 KiB).
constexpr qint64 kChunk = 64 * 1024;

QByteArray bytesOf(const QString &path)
{
    return path.toUtf8();
}

QString sftpReason(int code)
{
    switch (code) {
    case SSH_FX_NO_SUCH_FILE:
    case SSH_FX_NO_SUCH_PATH:
        return QStringLiteral("no such file or folder");
    case SSH_FX_PERMISSION_DENIED:
        return QStringLiteral("permission denied");
    case SSH_FX_WRITE_PROTECT:
        return QStringLiteral("the server's disk is write-protected");
    case SSH_FX_FILE_ALREADY_EXISTS:
        return QStringLiteral("it already exists");
    case SSH_FX_NO_CONNECTION:
    case SSH_FX_CONNECTION_LOST:
        return QStringLiteral("the connection was lost");
    case SSH_FX_OP_UNSUPPORTED:
        return QStringLiteral("the server does not support this");
    case SSH_FX_FAILURE:
        return QStringLiteral("the server could not do it (its disk may be full)");
    default:
        return {};
    }
}

} // namespace

struct SftpConnection::Handles {
    ssh_session session = nullptr;
    sftp_session sftp = nullptr;
};

SftpConnection::SftpConnection()
    : m_h(new Handles)
{
}

SftpConnection::~SftpConnection()
{
    if (m_h->sftp)
        sftp_free(m_h->sftp);
    if (m_h->session) {
        if (ssh_is_connected(m_h->session))
            ssh_disconnect(m_h->session);
        ssh_free(m_h->session);
    }
    delete m_h;
}

bool SftpConnection::fail(const QString &what)
{
    const char *detail = m_h->session ? ssh_get_error(m_h->session) : nullptr;
    m_error = detail && *detail ? QStringLiteral("%1: %2").arg(what, QString::fromUtf8(detail)) : what;
    return false;
}

bool SftpConnection::sftpFail(const QString &what, const QString &path)
{
    const int code = m_h->sftp ? sftp_get_error(m_h->sftp) : SSH_FX_OK;
    QString reason = ssh_is_connected(m_h->session) ? sftpReason(code) : QStringLiteral("the connection was lost");
    if (reason.isEmpty()) {
        const char *detail = ssh_get_error(m_h->session);
        reason = detail && *detail ? QString::fromUtf8(detail) : QStringLiteral("error %1").arg(code);
    }
    m_error = QStringLiteral("%1 %2: %3").arg(what, path, reason);
    return false;
}

bool SftpConnection::connectionLost() const
{
    return m_h->session && !ssh_is_connected(m_h->session);
}

bool SftpConnection::connectTo(const QString &host, int port, const QString &user)
{
    m_h->session = ssh_new();
    if (!m_h->session)
        return fail(QStringLiteral("Cannot start an SSH session"));
    const QByteArray h = host.toUtf8();
    const QByteArray u = user.toUtf8();
    const QByteArray userKnown = QFile::encodeName(KnownHosts::userFile());
    const QByteArray ownKnown = QFile::encodeName(KnownHosts::ownFile());
    const int p = port;
    const long timeout = 20;
    const bool noConfig = false;
    ssh_options_set(m_h->session, SSH_OPTIONS_HOST, h.constData());
    ssh_options_set(m_h->session, SSH_OPTIONS_PORT, &p);
    if (!u.isEmpty())
        ssh_options_set(m_h->session, SSH_OPTIONS_USER, u.constData());
    ssh_options_set(m_h->session, SSH_OPTIONS_TIMEOUT, &timeout);
    ssh_options_set(m_h->session, SSH_OPTIONS_PROCESS_CONFIG, &noConfig);
    // Named so that libssh prefers the key types already known for the host.
    ssh_options_set(m_h->session, SSH_OPTIONS_KNOWNHOSTS, userKnown.constData());
    ssh_options_set(m_h->session, SSH_OPTIONS_GLOBAL_KNOWNHOSTS, ownKnown.constData());
    if (ssh_connect(m_h->session) != SSH_OK)
        return fail(QStringLiteral("Cannot connect to %1 port %2").arg(host).arg(port));
    return true;
}

HostKey SftpConnection::serverKey() const
{
    HostKey out;
    ssh_key key = nullptr;
    if (!m_h->session || ssh_get_server_publickey(m_h->session, &key) != SSH_OK || !key)
        return out;
    out.type = QString::fromLatin1(ssh_key_type_to_char(ssh_key_type(key)));
    char *b64 = nullptr;
    if (ssh_pki_export_pubkey_base64(key, &b64) == SSH_OK && b64) {
        out.base64 = QByteArray(b64);
        ssh_string_free_char(b64);
    }
    ssh_key_free(key);
    return out;
}

bool SftpConnection::loginWithAgent()
{
    if (qEnvironmentVariableIsEmpty("SSH_AUTH_SOCK")) {
        m_error = QStringLiteral("No SSH agent is running (SSH_AUTH_SOCK is not set)");
        return false;
    }
    if (ssh_userauth_agent(m_h->session, nullptr) == SSH_AUTH_SUCCESS)
        return true;
    return fail(QStringLiteral("The server refused every key of the SSH agent"));
}

bool SftpConnection::loginWithKey(const QString &keyFile, const QString &passphrase)
{
    ssh_key key = nullptr;
    const QByteArray file = QFile::encodeName(keyFile);
    const QByteArray secret = passphrase.toUtf8();
    const int rc = ssh_pki_import_privkey_file(file.constData(), secret.isEmpty() ? nullptr : secret.constData(),
                                               nullptr, nullptr, &key);
    if (rc != SSH_OK || !key) {
        m_error = rc == SSH_EOF ? QStringLiteral("The key file %1 cannot be read").arg(keyFile)
                                : QStringLiteral("The key file %1 cannot be used (a wrong passphrase, or not a private key)")
                                      .arg(keyFile);
        return false;
    }
    const int auth = ssh_userauth_publickey(m_h->session, nullptr, key);
    ssh_key_free(key);
    if (auth == SSH_AUTH_SUCCESS)
        return true;
    return fail(QStringLiteral("The server refused the key %1").arg(keyFile));
}

bool SftpConnection::loginWithPassword(const QString &password)
{
    const QByteArray secret = password.toUtf8();
    if (ssh_userauth_password(m_h->session, nullptr, secret.constData()) == SSH_AUTH_SUCCESS)
        return true;
    return fail(QStringLiteral("The server refused the password"));
}

bool SftpConnection::startSftp()
{
    m_h->sftp = sftp_new(m_h->session);
    if (!m_h->sftp)
        return fail(QStringLiteral("The server offers no SFTP"));
    if (sftp_init(m_h->sftp) != SSH_OK) {
        sftp_free(m_h->sftp);
        m_h->sftp = nullptr;
        return fail(QStringLiteral("The server's SFTP did not start"));
    }
    return true;
}

namespace {

RemoteEntry entryOf(sftp_attributes a)
{
    RemoteEntry e;
    switch (a->type) {
    case SSH_FILEXFER_TYPE_REGULAR:
        e.kind = RemoteEntry::Kind::File;
        break;
    case SSH_FILEXFER_TYPE_DIRECTORY:
        e.kind = RemoteEntry::Kind::Directory;
        break;
    case SSH_FILEXFER_TYPE_SYMLINK:
        e.kind = RemoteEntry::Kind::Link;
        break;
    default:
        e.kind = RemoteEntry::Kind::Other;
        break;
    }
    e.size = qint64(a->size);
    return e;
}

} // namespace

bool SftpConnection::list(const QString &folder, QList<QPair<QString, RemoteEntry>> *entries)
{
    const QByteArray path = bytesOf(folder.isEmpty() ? QStringLiteral(".") : folder);
    sftp_dir dir = sftp_opendir(m_h->sftp, path.constData());
    if (!dir)
        return sftpFail(QStringLiteral("Cannot list"), folder);
    while (sftp_attributes a = sftp_readdir(m_h->sftp, dir)) {
        const QString name = QString::fromUtf8(a->name);
        if (name != QLatin1String(".") && name != QLatin1String(".."))
            entries->append({name, entryOf(a)});
        sftp_attributes_free(a);
    }
    const bool complete = sftp_dir_eof(dir);
    sftp_closedir(dir);
    if (!complete)
        return sftpFail(QStringLiteral("Cannot list"), folder);
    return true;
}

std::optional<RemoteEntry> SftpConnection::entryAt(const QString &path)
{
    const QByteArray p = bytesOf(path);
    sftp_attributes a = sftp_lstat(m_h->sftp, p.constData());
    if (!a) {
        sftpFail(QStringLiteral("Cannot look at"), path);
        return std::nullopt;
    }
    const RemoteEntry e = entryOf(a);
    sftp_attributes_free(a);
    return e;
}

bool SftpConnection::makeDirectory(const QString &path)
{
    const QByteArray p = bytesOf(path);
    if (sftp_mkdir(m_h->sftp, p.constData(), 0755) != 0)
        return sftpFail(QStringLiteral("Cannot create the folder"), path);
    return true;
}

bool SftpConnection::removeFile(const QString &path)
{
    const QByteArray p = bytesOf(path);
    if (sftp_unlink(m_h->sftp, p.constData()) != 0)
        return sftpFail(QStringLiteral("Cannot delete"), path);
    return true;
}

bool SftpConnection::rename(const QString &from, const QString &to)
{
    const QByteArray f = bytesOf(from);
    const QByteArray t = bytesOf(to);
    if (sftp_rename(m_h->sftp, f.constData(), t.constData()) != 0)
        return sftpFail(QStringLiteral("Cannot put in place"), to);
    return true;
}

bool SftpConnection::writeNewFile(const QString &path, QIODevice &in,
                                  const std::function<bool(qint64)> &chunkDone, QByteArray *sha256)
{
    m_stopped = false;
    const QByteArray p = bytesOf(path);
    // O_EXCL: a fresh name, so nothing planted there is written through.
    sftp_file file = sftp_open(m_h->sftp, p.constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (!file)
        return sftpFail(QStringLiteral("Cannot write"), path);
    QCryptographicHash sum(QCryptographicHash::Sha256);
    QByteArray buffer(kChunk, Qt::Uninitialized);
    qint64 written = 0;
    bool ok = true;
    for (;;) {
        const qint64 n = in.read(buffer.data(), kChunk);
        if (n < 0) {
            m_error = QStringLiteral("Cannot read the local file: %1").arg(in.errorString());
            ok = false;
            break;
        }
        if (n == 0)
            break;
        if (sftp_write(file, buffer.constData(), size_t(n)) != n) {
            ok = sftpFail(QStringLiteral("Cannot write"), path);
            break;
        }
        sum.addData(QByteArrayView(buffer.constData(), n));
        written += n;
        if (chunkDone && !chunkDone(written)) {
            m_stopped = true;
            ok = false;
            break;
        }
    }
    if (sftp_close(file) != 0 && ok)
        ok = sftpFail(QStringLiteral("Cannot finish writing"), path);
    if (ok && sha256)
        *sha256 = sum.result().toHex();
    return ok;
}

bool SftpConnection::keyFileOpensWithoutPassphrase(const QString &keyFile, bool *exists)
{
    if (exists)
        *exists = QFile::exists(keyFile);
    ssh_key key = nullptr;
    const QByteArray file = QFile::encodeName(keyFile);
    const int rc = ssh_pki_import_privkey_file(file.constData(), nullptr, nullptr, nullptr, &key);
    if (key)
        ssh_key_free(key);
    return rc == SSH_OK;
}

} // namespace lumaro
