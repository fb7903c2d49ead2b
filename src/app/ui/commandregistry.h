#pragma once

#include <QAction>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

namespace lumaro {

struct CommandInfo;

/// The QAction of one component of the command surface. It notices when a
/// handler is connected to it (after the surface was built), so the window
/// knows which commands can run: a command nobody handles stays disabled.
class CommandAction : public QAction {
    Q_OBJECT
public:
    CommandAction(const CommandInfo &info, QObject *parent);

    /// From now on a connection to triggered or toggled is a handler.
    void seal() { m_sealed = true; }
    bool isHandled() const { return m_handled; }

signals:
    /// A handler was connected for the first time.
    void handled();

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    bool m_sealed = false;
    bool m_handled = false;
};

/// Every command of the main window by its component name, and the rules
/// that enable them:
/// - a command is disabled until a handler is connected to it;
/// - the page commands are enabled only while a page is open
///   (enablevedopen / disablevedstart);
/// - the commands that other subsystems enable (selection, clipboard,
///   project) are disabled when the last page closes and otherwise left to
///   their subsystem.
class CommandRegistry : public QObject {
    Q_OBJECT
public:
    explicit CommandRegistry(QObject *parent = nullptr);

    /// Creates the actions of every component of the command table.
    void createAll();
    /// Registers an action made elsewhere (a submenu's action) under a name,
    /// replacing the table's action of that name; it counts as handled.
    void add(const QString &name, QAction *action);
    /// Handlers connected from now on make their commands available.
    void seal();

    QAction *command(const QString &name) const { return m_actions.value(name); }
    QStringList names() const { return m_order; }
    bool isHandled(const QString &name) const;

    /// Connects a handler to a command's triggered signal (making it available).
    template <typename Functor>
    QAction *handle(const QString &name, QObject *context, Functor &&functor)
    {
        QAction *action = command(name);
        if (action)
            connect(action, &QAction::triggered, context, std::forward<Functor>(functor));
        return action;
    }

    /// enablevedopen (true) / disablevedstart (false).
    void setPagesOpen(bool open);
    bool pagesOpen() const { return m_pagesOpen; }
    /// Enables a command that its subsystem controls (cut, copy, paste);
    /// without an open page or a handler it stays disabled.
    void setAvailable(const QString &name, bool on);

private:
    void applyRule(const QString &name);
    void setEnabledQuietly(QAction *action, bool on);

    QHash<QString, QAction *> m_actions;
    QStringList m_order;
    QSet<QString> m_alwaysHandled;
    bool m_pagesOpen = false;
};

} // namespace lumaro
