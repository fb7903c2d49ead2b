#include "mailcontroller.h"
#include "interaction.h"
#include "pagehost.h"
#include "shellservice.h"
#include "thtmlrichedit.h"

#include <QAction>

namespace lumaro {

MailController::MailController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    for (const char *name : {"SendBtn", "FileSend"}) {
        if (QAction *action = host.command(QLatin1String(name))) {
            connect(action, &QAction::triggered, this, &MailController::FileSend);
            // A page command: it stays disabled until a page is open.
            if (host.pageCount() > 0)
                action->setEnabled(true);
        }
    }
}

void MailController::FileSend()
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    if (shell().sendMail(editor->text()))
        return;
    MessageRequest request;
    request.title = QStringLiteral("Error");
    request.text = QStringLiteral("Error sending mail");
    request.buttons = QMessageBox::Ok;
    request.icon = QMessageBox::Critical;
    interaction().message(m_host.hostWindow(), request);
}

} // namespace lumaro
