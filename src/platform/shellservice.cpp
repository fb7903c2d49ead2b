#include "shellservice.h"

#include <QDesktopServices>
#include <QProcess>
#include <QVariant>

namespace lumaro {

namespace {

class DesktopShell : public ShellService {
public:
    bool openUrl(const QUrl &url) override { return QDesktopServices::openUrl(url); }

    bool startProgram(const QString &commandLine) override
    {
        QStringList args = QProcess::splitCommand(commandLine);
        if (args.isEmpty())
            return false;
        const QString program = args.takeFirst();
        return QProcess::startDetached(program, args);
    }

    void sendMail(const QString &body, MailDone done) override
    {
        // xdg-email says through its exit status whether a composer took the
        // mail; without xdg-email the desktop's mailto handler is asked.
        const auto mailto = [body] {
            QUrl url(QStringLiteral("mailto:"));
            url.setQuery(QStringLiteral("body=") + QString::fromLatin1(QUrl::toPercentEncoding(body)));
            return QDesktopServices::openUrl(url);
        };
        MailComposer::run(QStringLiteral("xdg-email"), {QStringLiteral("--body"), body}, mailto,
                          std::move(done));
    }
};

ShellService *g_shell = nullptr;

} // namespace

ShellService &shell()
{
    static DesktopShell desktop;
    return g_shell ? *g_shell : desktop;
}

void setShell(ShellService *service)
{
    g_shell = service;
}

RecordingShell::RecordingShell() { setShell(this); }
RecordingShell::~RecordingShell() { setShell(nullptr); }

bool RecordingShell::openUrl(const QUrl &url)
{
    openedUrls.append(url);
    return openSucceeds;
}

bool RecordingShell::startProgram(const QString &commandLine)
{
    startedPrograms.append(commandLine);
    return startSucceeds;
}

void RecordingShell::sendMail(const QString &body, MailDone done)
{
    mailBodies.append(body);
    if (done)
        done(mailSucceeds);
}

void MailComposer::run(const QString &program, const QStringList &arguments,
                       std::function<bool()> fallback, ShellService::MailDone done)
{
    // The process has no parent: a composer still open when the program
    // ends is not killed with it. It deletes itself once it has reported.
    auto *process = new QProcess;
    auto report = [process, done = std::move(done)](bool sent) {
        if (process->property("reported").toBool())
            return;
        process->setProperty("reported", true);
        if (done)
            done(sent);
        process->deleteLater();
    };
    QObject::connect(process, &QProcess::finished, process,
                     [report](int exitCode, QProcess::ExitStatus status) {
                         report(status == QProcess::NormalExit && exitCode == 0);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [report, fallback = std::move(fallback)](QProcess::ProcessError error) {
                         // A crash is reported by finished; only a program
                         // that never started ends here.
                         if (error == QProcess::FailedToStart)
                             report(fallback ? fallback() : false);
                     });
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->start(program, arguments);
}

} // namespace lumaro
