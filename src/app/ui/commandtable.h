#pragma once

#include <QList>
#include <QString>

namespace lumaro {

/// One component of the main window's command surface: a menu item, a
/// context-menu item or a button. Each becomes one QAction registered under
/// its component name.
struct CommandInfo {
    QString name;    ///< component name, the key of the command registry
    QString caption; ///< menu caption, or the short caption of a text button
    QString hint;    ///< status-bar hint (and tool tip of a button)
    QString key;     ///< shortcut in portable text form ("Ctrl+N"), or empty
    QString glyph;   ///< glyph resource id (":/glyphs/<id>.svg"), or empty
    bool toggle = false; ///< a button that stays down (checkable)
};

/// One entry of a menu: a command by name, a separator, or a submenu.
struct MenuEntry {
    enum Kind { Command, Separator, Submenu };
    Kind kind = Command;
    QString name;              ///< command name; the submenu's own command for Submenu
    QList<MenuEntry> entries;  ///< the submenu's entries
};

/// One tool tab: its caption and the names of its buttons, left to right.
struct ToolTab {
    QString caption;
    QStringList buttons;
};

/// The command surface of the main window as data: every component with its
/// caption, hint, key and glyph, and where each one appears. The window
/// builds its menus, toolbars and tool tabs from these tables, and the tests
/// check them against the list of components the program must offer.
class CommandTable {
public:
    /// Every component, in the order of the surface (menus first).
    static const QList<CommandInfo> &commands();
    /// A component by name; nullptr when unknown.
    static const CommandInfo *find(const QString &name);

    /// The menu bar: one Submenu entry per menu.
    static const QList<MenuEntry> &mainMenu();
    /// The page editors' context menu.
    static const QList<MenuEntry> &pageMenu();
    /// The fixed toolbar's two rows.
    static const QStringList &fixedRow1();
    static const QStringList &fixedRow2();
    /// The tools speed bar.
    static const QStringList &toolsBar();
    /// The tool tabs, in order.
    static const QList<ToolTab> &toolTabs();
    /// The four entity buttons of the entity side panel, and what each writes.
    static const QStringList &entityButtons();
    static QString entityText(const QString &name);

    /// Commands that open a page enables and the last page's close disables.
    static const QStringList &pageCommands();
    /// Commands that the last page's close disables and that their own
    /// subsystem enables again (selection, clipboard, project).
    static const QStringList &disabledWithoutPages();
};

} // namespace lumaro
