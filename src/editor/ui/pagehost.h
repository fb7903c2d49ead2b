#pragma once

#include <QString>

class QAction;
class QWidget;

namespace lumaro {

class thtmlrichedit;
class ProjectState;

/// What the main window offers the commands of every subsystem: its page
/// table, the page operations, its named commands and its status bar.
/// Controllers get a PageHost instead of the main window itself, so they can
/// be tested with a small fake host.
class PageHost {
public:
    virtual ~PageHost() = default;

    /// The window to parent dialogs and message boxes on.
    virtual QWidget *hostWindow() = 0;

    /// Number of open pages (they fill slots 0 .. count-1).
    virtual int pageCount() const = 0;
    /// Slot of the active page; meaningful only when pageCount() > 0.
    virtual int activePage() const = 0;
    /// The editor of a slot (0..14), whether or not a page is open in it.
    virtual thtmlrichedit *editor(int slot) = 0;
    /// The active page's editor, or nullptr when no page is open.
    thtmlrichedit *activeEditor() { return pageCount() > 0 ? editor(activePage()) : nullptr; }
    /// Full path, or "Untitled N" for a page never saved.
    virtual QString pageFileName(int slot) const = 0;
    virtual bool pageHasFile(int slot) const = 0;
    /// A number that names the page in a slot for as long as it is open: it
    /// moves with the page when the pages after a closed one move down a
    /// slot, and is never given to another page. 0 for an empty slot.
    virtual quint64 pageId(int slot) const = 0;
    /// Makes the page in the slot the active one (as a click on its tab).
    virtual void selectPage(int slot) = 0;

    /// Opens a file into a new page at the end; false when it was not opened
    /// (15 pages open, or the file could not be read: the reason was shown).
    virtual bool openfilproj(const QString &fileName) = 0;
    /// Opens a new untitled page holding the given text, as the RTF import does.
    virtual bool newPageWithText(const QString &text) = 0;
    /// Closes the page in a slot, asking the save question first.
    virtual void lukfilproj(int slot) = 0;
    /// Closes every page, asking for each modified one; false when cancelled.
    virtual bool closeall() = 0;
    /// Saves the page in a slot (Save As for an untitled page); false when
    /// cancelled or failed.
    virtual bool savePage(int slot) = 0;

    /// A command (menu item, toolbar or tool-tab button) by its component
    /// name, e.g. "SpeedButton6", "soegbtn", "Sgigen1"; nullptr when unknown.
    virtual QAction *command(const QString &name) = 0;
    /// Shows a message in the status bar's hint panel.
    virtual void showStatus(const QString &text) = 0;
    /// Shows the project panel of the status bar (panel 2), e.g. "Project: web.lmp".
    virtual void setProjectStatus(const QString &text) = 0;

    /// The open project's state (project open flag, path, list), owned by the
    /// main window.
    virtual ProjectState *projectState() = 0;
};

} // namespace lumaro
