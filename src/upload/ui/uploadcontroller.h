#pragma once

#include "uploader.h"

#include <QHash>
#include <QObject>

namespace lumaro {

class PageHost;

/// The command Project > "Upload": the open project's published site sent
/// to the server of its upload settings, with a progress window. Greyed
/// while no saved project with upload settings is open. The first contact
/// with a server asks whether to trust its key (No is the default); a
/// password or passphrase is asked once per session and kept in memory
/// only; remote files no longer published are deleted only when the user
/// says so.
class UploadController : public QObject {
    Q_OBJECT
public:
    explicit UploadController(PageHost &host, QObject *parent = nullptr);

    /// The command's name in the host's command table.
    static QString commandName() { return QStringLiteral("Upload1"); }

    /// Runs the upload.
    void upload();
    /// Enables the command to match the open project.
    void updateEnabled();

    /// The first-contact question about a server's key, as asked.
    static QString trustQuestion(const QString &hostName, const HostKey &key);

private:
    bool askSecrets(UploadJob &job);
    UploadReport runWithProgress(const UploadJob &job);
    bool trustNewHost(const QString &hostName, const HostKey &key);
    void finish(const UploadJob &job, const UploadReport &report);

    PageHost &m_host;
    /// Passwords and passphrases of this session, by server or key file.
    QHash<QString, QString> m_secrets;
};

} // namespace lumaro
