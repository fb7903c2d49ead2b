#include "commandregistry.h"
#include "commandtable.h"
#include "glyphs.h"

#include <QKeySequence>
#include <QMetaMethod>

namespace lumaro {

CommandAction::CommandAction(const CommandInfo &info, QObject *parent)
    : QAction(parent)
{
    setObjectName(info.name);
    setText(info.caption);
    setStatusTip(info.hint);
    setToolTip(info.hint);
    if (!info.key.isEmpty())
        setShortcut(QKeySequence(info.key, QKeySequence::PortableText));
    if (!info.glyph.isEmpty())
        setIcon(Glyphs::icon(info.glyph));
    setCheckable(info.toggle);
    // Menus show captions; the icons belong to the buttons.
    setIconVisibleInMenu(false);
    setEnabled(false);
}

void CommandAction::connectNotify(const QMetaMethod &signal)
{
    QAction::connectNotify(signal);
    if (!m_sealed || m_handled)
        return;
    if (signal == QMetaMethod::fromSignal(&QAction::triggered)
        || signal == QMetaMethod::fromSignal(&QAction::toggled)) {
        m_handled = true;
        emit handled();
    }
}

CommandRegistry::CommandRegistry(QObject *parent)
    : QObject(parent)
{
}

void CommandRegistry::createAll()
{
    for (const CommandInfo &info : CommandTable::commands()) {
        if (m_actions.contains(info.name))
            continue;
        auto *action = new CommandAction(info, this);
        m_actions.insert(info.name, action);
        m_order.append(info.name);
        const QString name = info.name;
        connect(action, &CommandAction::handled, this, [this, name] { applyRule(name); });
        if (CommandTable::pageCommands().contains(name)) {
            // A page command enabled by its subsystem while no page is open
            // (or before anything handles it) is overruled at once.
            connect(action, &QAction::changed, this, [this, name, action] {
                if (action->isEnabled() && !(m_pagesOpen && isHandled(name)))
                    action->setEnabled(false);
            });
        }
    }
}

void CommandRegistry::add(const QString &name, QAction *action)
{
    if (!action)
        return;
    // A submenu's own action takes the place of the one made from the table.
    if (QAction *previous = m_actions.value(name)) {
        if (previous == action)
            return;
        delete previous;
    } else {
        m_order.append(name);
    }
    action->setObjectName(name);
    m_actions.insert(name, action);
    m_alwaysHandled.insert(name);
    applyRule(name);
}

void CommandRegistry::seal()
{
    for (QAction *action : std::as_const(m_actions))
        if (auto *command = qobject_cast<CommandAction *>(action))
            command->seal();
}

bool CommandRegistry::isHandled(const QString &name) const
{
    if (m_alwaysHandled.contains(name))
        return true;
    const auto *command = qobject_cast<const CommandAction *>(m_actions.value(name));
    return command && command->isHandled();
}

void CommandRegistry::setEnabledQuietly(QAction *action, bool on)
{
    if (action && action->isEnabled() != on)
        action->setEnabled(on);
}

void CommandRegistry::applyRule(const QString &name)
{
    QAction *action = m_actions.value(name);
    if (!action)
        return;
    const bool handled = isHandled(name);
    if (CommandTable::pageCommands().contains(name)) {
        setEnabledQuietly(action, handled && m_pagesOpen);
    } else if (CommandTable::disabledWithoutPages().contains(name)) {
        // Their own subsystem enables them once it knows they can run.
        if (!m_pagesOpen || !handled)
            setEnabledQuietly(action, false);
    } else {
        setEnabledQuietly(action, handled);
    }
}

void CommandRegistry::setPagesOpen(bool open)
{
    m_pagesOpen = open;
    for (const QString &name : CommandTable::pageCommands())
        applyRule(name);
    if (!open) {
        for (const QString &name : CommandTable::disabledWithoutPages())
            setEnabledQuietly(command(name), false);
    }
}

void CommandRegistry::setAvailable(const QString &name, bool on)
{
    setEnabledQuietly(command(name), on && m_pagesOpen && isHandled(name));
}

} // namespace lumaro
