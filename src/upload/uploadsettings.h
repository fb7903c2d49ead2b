#pragma once

#include <QString>

namespace lumaro {

/// Where and how a project's published site is uploaded: the section
/// "upload" of the project options file. No secret is ever stored here; a
/// password or passphrase lives only in memory for the session.
struct UploadSettings {
    enum class Login { Agent, Key, Password };

    QString host;
    int port = 22;
    QString user;     ///< empty: the local user name
    QString folder;   ///< the remote folder; relative to the login folder unless it starts with "/"
    Login login = Login::Agent;
    QString keyFile;  ///< the private key for Login::Key

    /// Reads the section "upload" of a project options file; missing or bad
    /// values give the defaults.
    static UploadSettings read(const QString &optionsFile);
    /// Writes every value; false with the reason in *error when the file
    /// cannot be written.
    bool write(const QString &optionsFile, QString *error = nullptr) const;

    /// Whether the project is set up for uploading (a host is given).
    bool isSet() const { return !host.trimmed().isEmpty(); }
    /// What is wrong with the values, for the user; empty when they can be used.
    QString problem() const;

    /// "agent", "key" or "password", as stored.
    static QString loginName(Login login);
    static Login loginFromName(const QString &name);

    /// The name of the host in known-hosts files: "host", or "[host]:port"
    /// for a port other than 22.
    QString knownHostsName() const;
    /// "user@host:port/folder" for messages and the manifest's key.
    QString destination() const;

    friend bool operator==(const UploadSettings &, const UploadSettings &) = default;
};

} // namespace lumaro
