#pragma once

#include <QObject>

class QWidget;

namespace lumaro {

class PageManager;

/// The file commands of the main window: a new page from the template, open
/// one or more documents into new pages, save the active page under its name
/// or a new one. The last directory of the settings is where both file
/// dialogs start, and becomes the directory of each file opened or saved as.
class FileCommands : public QObject {
    Q_OBJECT
public:
    /// Installs FileSave as the page manager's way to save a page whose save
    /// question is answered Yes.
    FileCommands(PageManager &pages, QWidget *window, QObject *parent = nullptr);

    /// "&New": a new untitled page from the template, or the message
    /// "You can only have 15 files open".
    void FileNew();
    /// "&Open": the open dialog (several files); each chosen file opens into a
    /// new page, files beyond the 15th page are skipped.
    void FileOpen();
    /// "&Save": the active page under its file name, or Save As for a page
    /// that has no file. True once the page was saved.
    bool FileSave();
    /// "S&ave as": the save dialog, the extension rule, the overwrite
    /// question, then the page gets the new name. True once saved.
    bool FileSaveAs();
    /// FileSave for the page in a slot (the save questions of closing pages).
    bool saveSlot(int slot);
    /// FileSaveAs for the page in a slot.
    bool saveSlotAs(int slot);

private:
    bool checkLimit();

    PageManager &m_pages;
    QWidget *m_window;
};

} // namespace lumaro
