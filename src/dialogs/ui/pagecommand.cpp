#include "pagecommand.h"

#include <QAction>

namespace lumaro {

bool connectPageCommand(PageHost &host, const QString &name, QObject *context, std::function<void()> handler)
{
    QAction *action = host.command(name);
    if (!action)
        return false;
    // A host may register one action under two names; it must run the
    // command once per trigger. The mark is shared with the tag commands.
    if (action->property("lumaroTagCommand").toBool())
        return false;
    action->setProperty("lumaroTagCommand", true);
    // Enable first: a host that tracks which commands are handled applies its
    // own rule (page commands only while a page is open) on connect.
    action->setEnabled(true);
    QObject::connect(action, &QAction::triggered, context, [handler = std::move(handler)] { handler(); });
    return true;
}

} // namespace lumaro
