#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace lumaro {

/// The desktop shell: opening files and URLs with their associated program,
/// starting programs, and handing text to the user's mail composer.
class ShellService {
public:
    virtual ~ShellService() = default;
    /// Opens a URL (or a local file URL) with its associated program.
    virtual bool openUrl(const QUrl &url) = 0;
    /// Starts a program from a command line, split as a shell would.
    virtual bool startProgram(const QString &commandLine) = 0;
    /// What a mail request reports: true once the composer took the text,
    /// false when none could be started or the one started failed.
    using MailDone = std::function<void(bool sent)>;
    /// Opens the mail composer with the given body. done is called once,
    /// before sendMail returns or later from the event loop (a composer
    /// reports through its exit status).
    virtual void sendMail(const QString &body, MailDone done) = 0;
};

/// Runs a mail composer program and reports its outcome: sent when it ends
/// with exit status 0; not sent when it crashes or ends with another status,
/// or when it cannot be started and the fallback (if any) also fails.
class MailComposer {
public:
    static void run(const QString &program, const QStringList &arguments,
                    std::function<bool()> fallback, ShellService::MailDone done);
};

/// The shell service in use; the desktop one unless a test set another.
ShellService &shell();
void setShell(ShellService *service);

/// A shell for tests: records every request and answers from its flags.
class RecordingShell : public ShellService {
public:
    RecordingShell();
    ~RecordingShell() override;
    QList<QUrl> openedUrls;
    QStringList startedPrograms;
    QStringList mailBodies;
    bool openSucceeds = true;
    bool startSucceeds = true;
    bool mailSucceeds = true;
    bool openUrl(const QUrl &url) override;
    bool startProgram(const QString &commandLine) override;
    void sendMail(const QString &body, MailDone done) override;
};

} // namespace lumaro
