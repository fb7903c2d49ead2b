#include "helpcommands.h"
#include "helpservice.h"
#include "pagehost.h"

#include <QAction>

namespace lumaro {

HelpCommands::HelpCommands(PageHost &host, QObject *parent)
    : QObject(parent)
{
    if (QAction *action = host.command(QStringLiteral("Indeks1"))) {
        connect(action, &QAction::triggered, this, &HelpCommands::Indeks1Click);
        action->setEnabled(true);
    }
}

void HelpCommands::Indeks1Click()
{
    // A missing help file shows as an empty viewer; nothing is reported here.
    help().showIndex();
}

} // namespace lumaro
