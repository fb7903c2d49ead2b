#include "mailcontroller.h"
#include "interaction.h"
#include "pagehost.h"
#include "shellservice.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QPointer>

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
    // The composer may answer later; the message then goes to the window
    // if it still exists.
    const QPointer<QWidget> window = m_host.hostWindow();
    shell().sendMail(editor->text(), [window](bool sent) {
        if (sent || !window)
            return;
        MessageRequest request;
        request.title = QStringLiteral("Error");
        request.text = QStringLiteral("Error sending mail");
        request.buttons = QMessageBox::Ok;
        request.icon = QMessageBox::Critical;
        interaction().message(window, request);
    });
}

} // namespace lumaro
