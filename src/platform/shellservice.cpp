#include "shellservice.h"

#include <QDesktopServices>
#include <QProcess>

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

    bool sendMail(const QString &body) override
    {
        if (QProcess::startDetached(QStringLiteral("xdg-email"), {QStringLiteral("--body"), body}))
            return true;
        QUrl url(QStringLiteral("mailto:"));
        url.setQuery(QStringLiteral("body=") + QString::fromLatin1(QUrl::toPercentEncoding(body)));
        return QDesktopServices::openUrl(url);
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

bool RecordingShell::sendMail(const QString &body)
{
    mailBodies.append(body);
    return mailSucceeds;
}

} // namespace lumaro
