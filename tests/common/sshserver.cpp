#include "sshserver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

namespace lumaro::test {

namespace {

const QString kSshd = QStringLiteral("/usr/sbin/sshd");

QByteArray readAll(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

int freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    return probe.serverPort();
}

} // namespace

SshServer::SshServer(const QString &dir)
    : m_dir(dir)
{
    QDir().mkpath(m_dir);
}

SshServer::~SshServer()
{
    stop();
    if (m_agent) {
        m_agent->kill();
        m_agent->waitForFinished(3000);
    }
}

bool SshServer::available()
{
    return QFileInfo(kSshd).isExecutable()
        && !QStandardPaths::findExecutable(QStringLiteral("ssh-keygen")).isEmpty();
}

QString SshServer::clientKey() const
{
    return m_dir + QStringLiteral("/client_key");
}

QString SshServer::wrongKey() const
{
    return m_dir + QStringLiteral("/wrong_key");
}

QString SshServer::knownHostsName() const
{
    return QStringLiteral("[127.0.0.1]:%1").arg(m_port);
}

QString SshServer::knownHostsLine() const
{
    const QList<QByteArray> parts = readAll(m_dir + QStringLiteral("/host_key.pub")).trimmed().split(' ');
    if (parts.size() < 2)
        return {};
    return knownHostsName() + u' ' + QString::fromLatin1(parts[0]) + u' ' + QString::fromLatin1(parts[1]);
}

bool SshServer::keygen(const QString &file)
{
    if (QFileInfo::exists(file))
        return true;
    QProcess p;
    p.start(QStringLiteral("ssh-keygen"), {QStringLiteral("-q"), QStringLiteral("-t"), QStringLiteral("ed25519"),
                                            QStringLiteral("-N"), QString(), QStringLiteral("-C"),
                                            QStringLiteral("lumaro-test"), QStringLiteral("-f"), file});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        m_error = QStringLiteral("ssh-keygen failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
        return false;
    }
    return true;
}

bool SshServer::writeConfig()
{
    QFile keys(m_dir + QStringLiteral("/authorized_keys"));
    if (!keys.open(QIODevice::WriteOnly)) {
        m_error = keys.errorString();
        return false;
    }
    keys.write(readAll(clientKey() + QStringLiteral(".pub")));
    keys.close();
    const QString config = QStringLiteral(
        "Port %1\n"
        "ListenAddress 127.0.0.1\n"
        "HostKey %2/host_key\n"
        "PidFile %2/sshd.pid\n"
        "AuthorizedKeysFile %2/authorized_keys\n"
        "UsePAM no\n"
        "StrictModes no\n"
        "PubkeyAuthentication yes\n"
        "PasswordAuthentication no\n"
        "KbdInteractiveAuthentication no\n"
        "PermitRootLogin prohibit-password\n"
        "MaxStartups 50\n"
        "LogLevel ERROR\n"
        "Subsystem sftp internal-sftp%3\n")
        .arg(m_port).arg(m_dir, m_readOnly ? QStringLiteral(" -R") : QString());
    QFile out(m_dir + QStringLiteral("/sshd_config"));
    if (!out.open(QIODevice::WriteOnly)) {
        m_error = out.errorString();
        return false;
    }
    out.write(config.toUtf8());
    return true;
}

bool SshServer::start()
{
    stop();
    // The privilege separation folder sshd insists on.
    if (!QFileInfo::exists(QStringLiteral("/run/sshd"))) {
        QDir().mkpath(QStringLiteral("/run/sshd"));
        ::chmod("/run/sshd", 0755);
    }
    if (!keygen(m_dir + QStringLiteral("/host_key")) || !keygen(clientKey()) || !keygen(wrongKey()))
        return false;
    for (int attempt = 0; attempt < 5; ++attempt) {
        m_port = freePort();
        if (m_port == 0 || !writeConfig())
            continue;
        m_sshd = std::make_unique<QProcess>();
        m_sshd->setProcessChannelMode(QProcess::MergedChannels);
        m_sshd->start(kSshd, {QStringLiteral("-D"), QStringLiteral("-e"), QStringLiteral("-f"),
                              m_dir + QStringLiteral("/sshd_config")});
        if (!m_sshd->waitForStarted(5000)) {
            m_error = QStringLiteral("sshd did not start: ") + m_sshd->errorString();
            return false;
        }
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10000 && m_sshd->state() == QProcess::Running) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, quint16(m_port));
            if (probe.waitForConnected(200)) {
                probe.abort();
                return true;
            }
            QThread::msleep(50);
        }
        m_error = QStringLiteral("sshd is not listening: ") + QString::fromLocal8Bit(m_sshd->readAll());
        stop();
    }
    return false;
}

void SshServer::stop()
{
    if (!m_sshd)
        return;
    killSessions();
    m_sshd->terminate();
    if (!m_sshd->waitForFinished(5000)) {
        m_sshd->kill();
        m_sshd->waitForFinished(3000);
    }
    m_sshd.reset();
}

bool SshServer::restartWithNewHostKey()
{
    QFile::remove(m_dir + QStringLiteral("/host_key"));
    QFile::remove(m_dir + QStringLiteral("/host_key.pub"));
    return start();
}

bool SshServer::restartReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    return start();
}

void SshServer::killProcessTree(qint64 pid, bool includeSelf)
{
    // Children are found through /proc: each process's status names its parent.
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 child = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        const QByteArray status = readAll(QStringLiteral("/proc/%1/status").arg(child));
        const qsizetype at = status.indexOf("\nPPid:");
        if (at < 0)
            continue;
        const qsizetype end = status.indexOf('\n', at + 1);
        if (status.mid(at + 6, end - at - 6).trimmed().toLongLong() == pid)
            killProcessTree(child, true);
    }
    if (includeSelf)
        ::kill(pid_t(pid), SIGKILL);
}

void SshServer::killSessions()
{
    if (m_sshd && m_sshd->state() == QProcess::Running)
        killProcessTree(m_sshd->processId(), false);
}

QString SshServer::startAgent()
{
    const QString socket = m_dir + QStringLiteral("/agent.sock");
    if (m_agent)
        return socket;
    QFile::remove(socket);
    m_agent = std::make_unique<QProcess>();
    m_agent->start(QStringLiteral("ssh-agent"), {QStringLiteral("-D"), QStringLiteral("-a"), socket});
    if (!m_agent->waitForStarted(5000))
        return {};
    QElapsedTimer waited;
    waited.start();
    while (!QFileInfo::exists(socket) && waited.elapsed() < 5000)
        QThread::msleep(20);
    QProcess add;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("SSH_AUTH_SOCK"), socket);
    add.setProcessEnvironment(env);
    add.start(QStringLiteral("ssh-add"), {QStringLiteral("-q"), clientKey()});
    if (!add.waitForFinished(10000) || add.exitCode() != 0)
        return {};
    return socket;
}

} // namespace lumaro::test
