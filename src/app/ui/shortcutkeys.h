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
    /// Writes list whole through a save file and makes it the list at
    /// work. On failure the old file, the old list and its keys stay, the
    /// message says so, and it returns false.
    bool store(const ShortcutList &list);

    const ShortcutList &list() const { return m_list; }
    void setList(const ShortcutList &list) { m_list = list; }

    /// Rebuilds the window's shortcut actions from the list.
    void lavscmenu();
    /// Runs the record at index: the command of a dialog name (when it is
    /// there and enabled), else the tag into the active page.
    void scmenuClick(qsizetype index);

    /// The actions bound now, in record order (for tests).
    QList<QAction *> actions() const;

protected:
    /// Lets a bound key pass the page editors: the text control would
    /// otherwise claim keys such as Ctrl+Z or Ctrl+Home for itself, and the
    /// user's shortcut on them would never run.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool takenByWindow(const QKeySequence &key) const;
    bool bound(QKeyCombination key) const;

    PageHost &m_host;
    ShortcutList m_list;
    /// Owns the current actions; replaced whole on every rebuild.
    QPointer<QObject> m_owner;
};

} // namespace lumaro
