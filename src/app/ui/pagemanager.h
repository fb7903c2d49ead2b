#pragma once

#include "fileformat.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QStackedLayout;
class QTabBar;
class QWidget;

namespace lumaro {

class thtmlrichedit;

/// Conversions that run around loading and saving a page while the setting
/// "Convert special characters to tags when save" is on: characters become
/// entities in the page before its text is written, and entities become
/// characters again after the write and after a load. Empty hooks do nothing.
struct PageConversionHooks {
    /// Before a save. False (with the reason) stops the save; the hook must
    /// then have left the page as it was.
    std::function<bool(thtmlrichedit &editor, QString *error)> beforeSave;
    /// After the text for the file was taken, whether or not the write works.
    std::function<void(thtmlrichedit &editor)> afterSave;
    /// After a file was loaded into a page. False (with the reason) is
    /// reported to the user; the page stays open with the text as loaded.
    std::function<bool(thtmlrichedit &editor, QString *error)> afterLoad;
};

/// The document pages of the main window: 15 fixed page slots, each with its
/// page editor, file name, tab name and has-file flag, shown on the tab strip
/// `edittab`. Open pages fill slots 0 .. n-1 without gaps and tab i shows
/// slot i; only the active page's editor is visible. When a page closes, the
/// pages after it move down one slot with their text, colouring, modified
/// state, names and flags.
///
/// Every failure to read or write a file is shown in a message box naming the
/// file and the reason, and leaves the page table exactly as it was.
class PageManager : public QObject {
    Q_OBJECT
public:
    static constexpr int kSlots = 15;
    /// The previous page index when there was no page before.
    static constexpr int kNoPage = 255;

    /// Creates the 15 page editors inside editorArea (which gets a stacked
    /// layout; an empty placeholder shows while no page is open) and takes
    /// over the tab strip.
    PageManager(QTabBar *edittab, QWidget *editorArea, QObject *parent = nullptr);
    ~PageManager() override;

    // The page table.
    int pageCount() const { return m_count; }
    int activePage() const { return m_active; }
    int previousPage() const { return m_previous; }
    /// The editor of a slot (0..14), whether or not a page is open in it.
    thtmlrichedit *editor(int slot) const;
    /// The active page's editor; nullptr while no page is open.
    thtmlrichedit *activeEditor() const;
    /// Full path, or the untitled name of a page that was never saved.
    QString pageFileName(int slot) const;
    QString pageTabName(int slot) const;
    bool pageHasFile(int slot) const;
    /// The number naming the page in a slot while it is open (0: empty).
    quint64 pageId(int slot) const;
    /// The scratch name of the page last created, opened, saved or switched to.
    QString currentName() const { return m_currentName; }
    /// The number the next untitled page gets.
    int untitledCounter() const { return m_untitled; }
    QTabBar *tabBar() const { return m_tabs; }
    /// The window message boxes are shown on.
    QWidget *window() const;

    /// Opens a file into a new page at the end. Does nothing (no message)
    /// when 15 pages are open; when the file cannot be read, says so and
    /// leaves the page table unchanged. False when no page was opened.
    bool openfilproj(const QString &fileName);
    /// A new untitled page from the template "OnNewFile.html" of the
    /// installation directory, with the caret at its cursor marker (the
    /// marker removed): what FileNew does after its limit check. False (and
    /// nothing changed) at the limit or when the template cannot be read.
    bool editny();
    /// A new untitled page holding the given text (not modified).
    bool newPage(const QString &text);

    /// The "&Close page" command: closes the active page after its save question.
    void Luksiden1Click();
    /// Closes the page in a slot after the save question about that page.
    void lukfilproj(int slot);
    /// Closes every page from the last to the first, asking for each modified
    /// one. False when a question was cancelled: the pages closed so far stay
    /// closed and the last remaining page becomes active if the active one went.
    bool closeall();
    /// The save question for the active page; sets the close-go-on flag.
    void testvedluk();
    /// The save question for the page in a slot: nothing when it is not
    /// modified, otherwise "Do you want to save changes to ... ?" with
    /// Yes/No/Cancel. True (go on) for No, and for Yes once the page was saved;
    /// false for Cancel, a cancelled Save As, or a failed save.
    bool saveQuestion(int slot);
    /// The result of the last save question: true go on, false cancelled.
    bool closeGoOn() const { return m_closeGoOn; }

    /// Makes the page in a slot the active one, as a click on its tab does.
    void selectPage(int slot);
    /// The tab strip's change event: the chosen tab becomes the active page.
    void edittabChange();
    /// Shows and focuses the active page's editor (the previous slot's editor
    /// is hidden) and reports the cursor position.
    void editbliveraktiv(int previousSlot);

    /// Loads a file into the active page's editor; false (reason shown) when
    /// it cannot be read.
    bool editloadfromfile(const QString &fileName);
    /// Saves the active page's text to a file; false (reason shown) when it
    /// cannot be written.
    bool editsavetofile(const QString &fileName);
    /// Saves the page in a slot to a file: exactly its characters, CR LF line
    /// ends, in the encoding it was read in, with the byte-order mark and the
    /// final line break its file had. Clears the modified flag on
    /// success; on failure shows the file name and the reason, and the page
    /// keeps its text and modified flag.
    bool savePageToFile(int slot, const QString &fileName);
    /// After Save As: the page in the slot now has the file (has-file flag,
    /// file name, tab name and caption change in place; pageRenamed tells).
    void setPageFile(int slot, const QString &fileName);

    /// The window caption: "Lumaro [name]", "Lumaro [No file]" or "Lumaro ".
    QString caption() const { return m_caption; }

    /// How a page is saved when its save question is answered Yes (the file
    /// commands install FileSave here). It returns true once the page was saved.
    void setSaveHandler(std::function<bool(int slot)> handler) { m_saveHandler = std::move(handler); }
    void setConversionHooks(const PageConversionHooks &hooks) { m_hooks = hooks; }

signals:
    void captionChanged(const QString &caption);
    /// True when page commands become available (a page was opened), false
    /// when the last page closed.
    void pageCommandsEnabled(bool on);
    /// The status bar's cursor position text of the active page.
    void cursorPositionChanged(const QString &text);
    /// Whether Cut and Copy can work: the active page has a selection.
    void cutCopyAvailable(bool on);
    /// Whether Paste can work: the clipboard holds text.
    void pasteAvailable(bool on);
    /// A new untitled page was created (the open project gets a record for it).
    void pageOpened(const QString &fileName);
    /// A page was saved under a new name (the project record is renamed).
    void pageRenamed(const QString &oldName, const QString &newName);
    /// The "&Close page" command closed a page (its project record is closed).
    void pageClosed(const QString &fileName);
    /// A file was opened into a page (for information; no project record).
    void fileOpened(const QString &fileName);

private:
    bool loadIntoSlot(int slot, const QString &fileName);
    bool addUntitledPage(const QString &text, const FileFormat &format, bool atCursorMarker);
    bool closePage(int slot, bool announce);
    void clearSlot(int slot);
    void showActive();
    void showNoPage();
    void setCaption(const QString &caption);
    void setCurrentTab(int index);
    void insertTab(int index, const QString &name);
    void removeTab(int index);
    void reportPasteAvailable();
    void reportCursor();
    bool fallbackSave(int slot);

    QTabBar *m_tabs;
    QWidget *m_area;
    QStackedLayout *m_stack;
    QWidget *m_placeholder;
    std::array<thtmlrichedit *, kSlots> m_editors{};
    std::array<QString, kSlots> m_fileNames;
    std::array<QString, kSlots> m_tabNames;
    std::array<bool, kSlots> m_hasFile{};
    std::array<quint64, kSlots> m_pageIds{};
    quint64 m_lastPageId = 0;
    int m_count = 0;
    int m_active = 0;
    int m_previous = kNoPage;
    QString m_currentName;
    int m_untitled = 1;
    bool m_closeGoOn = true;
    bool m_tabGuard = false;
    QString m_caption;
    std::function<bool(int)> m_saveHandler;
    PageConversionHooks m_hooks;
};

} // namespace lumaro
