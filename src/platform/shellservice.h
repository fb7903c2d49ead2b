#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

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
    /// Opens the mail composer with the given body; false when none started.
    virtual bool sendMail(const QString &body) = 0;
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
    bool sendMail(const QString &body) override;
};

} // namespace lumaro
