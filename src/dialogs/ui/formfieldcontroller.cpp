#include "formfieldcontroller.h"
#include "pagehost.h"
#include "tcheckform.h"
#include "thtmlrichedit.h"
#include "tpassform.h"
#include "tradioform.h"
#include "ttextform.h"
#include "ttextformarray.h"

#include <QAction>

namespace lumaro {

FormFieldController::FormFieldController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    connectCommand(QStringLiteral("SpeedButton115"), &FormFieldController::SpeedButton115Click);
    connectCommand(QStringLiteral("SpeedButton116"), &FormFieldController::SpeedButton116Click);
    connectCommand(QStringLiteral("SpeedButton117"), &FormFieldController::SpeedButton117Click);
    connectCommand(QStringLiteral("SpeedButton120"), &FormFieldController::SpeedButton120Click);
    connectCommand(QStringLiteral("SpeedButton121"), &FormFieldController::SpeedButton121Click);
}

void FormFieldController::connectCommand(const QString &name, void (FormFieldController::*handler)())
{
    QAction *action = m_host.command(name);
    if (!action)
        return;
    // Enable first: a host that tracks which commands are handled applies its
    // own rule (page commands only while a page is open) on connect.
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
}

template <class Dialog> void FormFieldController::runTagText()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    Dialog dialog(m_host.hostWindow());
    dialog.setTagText(page->selText());
    // The page may have closed while the dialog was open.
    if (dialog.exec() == QDialog::Accepted && m_host.activeEditor() == page)
        page->replaceSelection(dialog.tagText());
}

void FormFieldController::SpeedButton115Click() { runTagText<TTextformarray>(); }
void FormFieldController::SpeedButton116Click() { runTagText<Tradioform>(); }
void FormFieldController::SpeedButton117Click() { runTagText<TCheckform>(); }
void FormFieldController::SpeedButton120Click() { runTagText<Tpassform>(); }
void FormFieldController::SpeedButton121Click() { runTagText<TTextform>(); }

} // namespace lumaro
