#pragma once

#include "shortcutlist.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

namespace lumaro {

class PageHost;

/// The user's shortcuts at work in the main window: the list read from
/// "shortcut.dat" in the installation directory, one window action per
/// bindable record (lavscmenu), and what a key runs (scmenuClick).
///
/// A record binds when its key is held with Ctrl or Alt, maps to a Qt key,
/// is not one of the window's own keys, and no earlier record has it (Qt
/// would run neither of two actions sharing a key).
class ShortcutKeys : public QObject {
    Q_OBJECT
public:
    explicit ShortcutKeys(PageHost &host, QObject *parent = nullptr);

    static QString fileName();

    /// Reads the shortcut file: a missing file means no shortcuts; one that
    /// cannot be read shows a message naming it and why. A fragment shorter
    /// than a record at the end is ignored.
    void load();
    /// Writes the list whole through a save file; on failure shows the
    /// message, keeps the old file and returns false.
    bool save();

    const ShortcutList &list() const { return m_list; }
    void setList(const ShortcutList &list) { m_list = list; }

    /// Rebuilds the window's shortcut actions from the list.
    void lavscmenu();
    /// Runs the record at index: the command of a dialog name (when it is
    /// there and enabled), else the tag into the active page.
    void scmenuClick(qsizetype index);

    /// The actions bound now, in record order (for tests).
    QList<QAction *> actions() const;

private:
    bool takenByWindow(const QKeySequence &key) const;

    PageHost &m_host;
    ShortcutList m_list;
    /// Owns the current actions; replaced whole on every rebuild.
    QPointer<QObject> m_owner;
};

} // namespace lumaro
