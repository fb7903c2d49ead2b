#pragma once

#include <QProcess>
#include <QString>
#include <memory>

namespace lumaro::test {

/// A real OpenSSH server for upload tests and benchmarks: "/usr/sbin/sshd -D
/// -f CONFIG" listening on 127.0.0.1 at a free port, with its own host key,
/// client keys and authorized_keys in a folder of its own. It serves SFTP
/// to the user running it (root in CI) and stops when the object goes.
class SshServer {
public:
    /// Keys and configuration go into dir (created when missing).
    explicit SshServer(const QString &dir);
    ~SshServer();
    SshServer(const SshServer &) = delete;
    SshServer &operator=(const SshServer &) = delete;

    /// Whether sshd and ssh-keygen are installed.
    static bool available();

    /// Starts the server; false with the reason in error().
    bool start();
    void stop();
    /// Starts again with a new host key, as a replaced server would.
    bool restartWithNewHostKey();
    /// Starts again with a read-only SFTP service: every write is refused.
    bool restartReadOnly(bool readOnly);
    /// Kills the server's per-connection processes: every open connection
    /// breaks at once, the server itself keeps listening.
    void killSessions();

    int port() const { return m_port; }
    QString error() const { return m_error; }
    /// The private key the server accepts, and one it does not.
    QString clientKey() const;
    QString wrongKey() const;
    /// The known-hosts name and line that trust the current host key.
    QString knownHostsName() const;
    QString knownHostsLine() const;

    /// Runs an ssh-agent holding the client key; its socket, or empty.
    QString startAgent();

private:
    bool keygen(const QString &file);
    bool writeConfig();
    void killProcessTree(qint64 pid, bool includeSelf);

    QString m_dir;
    int m_port = 0;
    bool m_readOnly = false;
    QString m_error;
    std::unique_ptr<QProcess> m_sshd;
    std::unique_ptr<QProcess> m_agent;
};

} // namespace lumaro::test
