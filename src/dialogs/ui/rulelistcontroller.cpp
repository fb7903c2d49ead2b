#include "rulelistcontroller.h"
#include "pagecommand.h"
#include "pagehost.h"
#include "thtmlrichedit.h"
#include "tlistbuilderdialog.h"
#include "tmarquee.h"
#include "tskille.h"

#include <QAction>
#include <QHash>

namespace lumaro {

RuleListController::RuleListController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    connectCommand(QStringLiteral("SpeedButton70"), &RuleListController::SpeedButton70Click);
    connectCommand(QStringLiteral("SpeedButton71"), &RuleListController::SpeedButton71Click);
    connectCommand(QStringLiteral("SpeedButton7"), &RuleListController::SpeedButton7Click);
}

void RuleListController::connectCommand(const QString &name, void (RuleListController::*handler)())
{
    connectPageCommand(m_host, name, this, [this, handler] { (this->*handler)(); });
}

void RuleListController::SpeedButton70Click() { runTagTextDialog<Tmarquee>(m_host); }

void RuleListController::SpeedButton71Click() { runTagTextDialog<Tskille>(m_host); }

void RuleListController::SpeedButton7Click()
{
    thtmlrichedit *page = m_host.activeEditor();
    if (!page)
        return;
    Tlistbuilderdialog dialog(m_host.hostWindow());
    dialog.fjernlist(page->selText());
    if (dialog.exec() == QDialog::Accepted && m_host.activeEditor() == page)
        page->replaceSelection(dialog.value().build());
}

bool RuleListController::runByShortcutName(const QString &name)
{
    static const QHash<QString, void (RuleListController::*)()> handlers = {
        {QStringLiteral("\"marque\""), &RuleListController::SpeedButton70Click},
        {QStringLiteral("\"horbreak\""), &RuleListController::SpeedButton71Click},
        {QStringLiteral("\"listbuilder\""), &RuleListController::SpeedButton7Click},
    };
    const auto it = handlers.find(name);
    if (it == handlers.end())
        return false;
    (this->*(*it))();
    return true;
}

} // namespace lumaro
