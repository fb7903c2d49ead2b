#include "previewcontroller.h"
#include "pagehost.h"
#include "shellservice.h"
#include "tregini.h"

#include <QAction>

namespace lumaro {

PreviewController::PreviewController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    if (QAction *action = host.command(QStringLiteral("SpeedButton114"))) {
        connect(action, &QAction::triggered, this, &PreviewController::SpeedButton114Click);
        action->setEnabled(true);
    }
    if (QAction *action = host.command(QStringLiteral("SpeedButton72"))) {
        connect(action, &QAction::triggered, this, &PreviewController::SpeedButton72Click);
        // A page command: it stays disabled until a page is open.
        if (host.pageCount() > 0)
            action->setEnabled(true);
    }
}

QString PreviewController::browserCommandLine(const QString &browser, const QString &fileName)
{
    if (browser.trimmed().isEmpty())
        return QString();
    QString file = fileName;
    bool needsQuotes = file.isEmpty();
    for (const QChar c : file) {
        if (c.isSpace() || c == QLatin1Char('"')) {
            needsQuotes = true;
            break;
        }
    }
    if (needsQuotes) {
        // Three quotes stand for one literal quote inside a quoted argument.
        file.replace(QLatin1String("\""), QLatin1String("\"\"\""));
        file = QLatin1Char('"') + file + QLatin1Char('"');
    }
    return browser + QLatin1Char(' ') + file;
}

QUrl PreviewController::previewUrl(const QString &fileName)
{
    return QUrl::fromLocalFile(fileName);
}

QString PreviewController::saveActivePage()
{
    const int slot = m_host.activePage();
    m_host.savePage(slot);
    return m_host.pageFileName(slot);
}

void PreviewController::SpeedButton114Click()
{
    if (m_host.pageCount() == 0)
        return;
    const QString fileName = saveActivePage();
    const QString commandLine = browserCommandLine(tregini().readbrowser(), fileName);
    // With no browser set, the page file itself would be taken for the
    // program; start nothing instead. Start failures are not reported.
    if (!commandLine.isEmpty())
        shell().startProgram(commandLine);
}

void PreviewController::SpeedButton72Click()
{
    if (m_host.pageCount() == 0)
        return;
    const QString fileName = saveActivePage();
    shell().openUrl(previewUrl(fileName));
}

} // namespace lumaro
