#include "filecommands.h"
#include "interaction.h"
#include "pagemanager.h"
#include "pagenames.h"
#include "tregini.h"

#include <QFileInfo>

namespace lumaro {

namespace {
const QString kTitle = QStringLiteral("Lumaro");
}

FileCommands::FileCommands(PageManager &pages, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_pages(pages)
    , m_window(window)
{
    m_pages.setSaveHandler([this](int slot) { return saveSlot(slot); });
}

bool FileCommands::checkLimit()
{
    if (m_pages.pageCount() < PageManager::kSlots)
        return true;
    interaction().message(m_window, {kTitle, QStringLiteral("You can only have 15 files open"),
                                     QMessageBox::Ok, QMessageBox::NoIcon, QMessageBox::Ok});
    return false;
}

void FileCommands::FileNew()
{
    if (!checkLimit())
        return;
    m_pages.editny();
}

void FileCommands::FileOpen()
{
    if (!checkLimit())
        return;
    FileDialogRequest request;
    request.directory = tregini().readlastdir();
    request.filter = PageNames::openFilter();
    request.defaultSuffix = QStringLiteral("htm");
    const QStringList files = interaction().openFiles(m_window, request);
    for (const QString &file : files) {
        if (m_pages.pageCount() >= PageManager::kSlots)
            break;
        m_pages.openfilproj(file);
    }
}

bool FileCommands::FileSave()
{
    return m_pages.pageCount() > 0 && saveSlot(m_pages.activePage());
}

bool FileCommands::FileSaveAs()
{
    return m_pages.pageCount() > 0 && saveSlotAs(m_pages.activePage());
}

bool FileCommands::saveSlot(int slot)
{
    if (slot < 0 || slot >= m_pages.pageCount())
        return false;
    if (m_pages.pageHasFile(slot))
        return m_pages.savePageToFile(slot, m_pages.pageFileName(slot));
    return saveSlotAs(slot);
}

bool FileCommands::saveSlotAs(int slot)
{
    if (slot < 0 || slot >= m_pages.pageCount())
        return false;
    FileDialogRequest request;
    request.fileName = m_pages.pageTabName(slot);
    request.directory = tregini().readlastdir();
    request.filter = PageNames::saveFilter();
    request.selectedFilter = PageNames::defaultSaveFilter();
    const QString chosen = interaction().saveFile(m_window, request);
    if (chosen.isEmpty())
        return false;

    const QString finalName =
        PageNames::saveAsName(chosen, PageNames::saveFilterItem(request.selectedFilter));
    if (QFileInfo::exists(finalName)
        && !interaction().askYesNo(m_window, kTitle,
                                   QStringLiteral("Do you want to overwrite ") + finalName
                                       + QStringLiteral(" ?"))) {
        return false;
    }
    if (!m_pages.savePageToFile(slot, finalName))
        return false;
    m_pages.setPageFile(slot, finalName);
    tregini().writelastdir(finalName);
    return true;
}

} // namespace lumaro
