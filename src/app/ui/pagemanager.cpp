#include "pagemanager.h"
#include "colordocument.h"
#include "interaction.h"
#include "installdir.h"
#include "pagecontent.h"
#include "pagenames.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QApplication>
#include <QClipboard>
#include <QLayout>
#include <QScopedValueRollback>
#include <QStackedLayout>
#include <QTabBar>
#include <QTextDocument>

namespace lumaro {

namespace {

const QString kTitle = QStringLiteral("Lumaro");

QString pageCaption(const QString &name)
{
    return QStringLiteral("Lumaro [") + name + QLatin1Char(']');
}

// A tab shows "&" as a mnemonic marker; file names show it as written.
QString tabText(const QString &name)
{
    QString text = name;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void showFileError(QWidget *window, const QString &what, const QString &fileName,
                   const QString &reason)
{
    interaction().warning(window, kTitle,
                          QStringLiteral("%1 \"%2\". %3").arg(what, fileName, reason));
}

// Puts the hourglass up while pages shift and takes it down on every way out.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

PageManager::PageManager(QTabBar *edittab, QWidget *editorArea, QObject *parent)
    : QObject(parent)
    , m_tabs(edittab)
    , m_area(editorArea)
{
    // The editors need a layout of their own; when the area already has one,
    // they live in a child widget of it.
    if (m_area->layout()) {
        auto *host = new QWidget(m_area);
        m_area->layout()->addWidget(host);
        m_area = host;
    }
    m_stack = new QStackedLayout(m_area);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_placeholder = new QWidget(m_area);
    m_stack->addWidget(m_placeholder);

    for (int slot = 0; slot < kSlots; ++slot) {
        auto *ed = new thtmlrichedit(m_area);
        ed->setObjectName(QStringLiteral("richedit%1").arg(slot));
        ed->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        ed->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        ed->setTabChangesFocus(false);
        ed->applySettings(); // word wrap, font name and size
        ed->setModified(false);
        m_stack->addWidget(ed);
        m_editors[slot] = ed;

        // Only the active page speaks to the status bar and the edit commands.
        connect(ed, &thtmlrichedit::cursorPositionTextChanged, this, [this, ed](const QString &text) {
            if (ed == activeEditor())
                emit cursorPositionChanged(text);
        });
        connect(ed, &thtmlrichedit::cutCopyAvailable, this, [this, ed](bool on) {
            if (ed == activeEditor())
                emit cutCopyAvailable(on);
        });
        connect(ed, &thtmlrichedit::pasteAvailable, this, [this, ed](bool on) {
            if (ed == activeEditor())
                emit pasteAvailable(on);
        });
        // Documents dropped on a page open as pages of their own.
        connect(ed, &thtmlrichedit::openFileRequested, this,
                [this](const QString &fileName) { openfilproj(fileName); });
    }
    m_stack->setCurrentWidget(m_placeholder);

    connect(m_tabs, &QTabBar::currentChanged, this, [this] {
        if (!m_tabGuard)
            edittabChange();
    });
    m_caption = QStringLiteral("Lumaro [No file]");
}

PageManager::~PageManager() = default;

thtmlrichedit *PageManager::editor(int slot) const
{
    return (slot >= 0 && slot < kSlots) ? m_editors[slot] : nullptr;
}

thtmlrichedit *PageManager::activeEditor() const
{
    return (m_count > 0 && m_active < m_count) ? m_editors[m_active] : nullptr;
}

quint64 PageManager::pageId(int slot) const
{
    return (slot >= 0 && slot < kSlots) ? m_pageIds[slot] : 0;
}

QString PageManager::pageFileName(int slot) const
{
    return (slot >= 0 && slot < kSlots) ? m_fileNames[slot] : QString();
}

QString PageManager::pageTabName(int slot) const
{
    return (slot >= 0 && slot < kSlots) ? m_tabNames[slot] : QString();
}

bool PageManager::pageHasFile(int slot) const
{
    return slot >= 0 && slot < kSlots && m_hasFile[slot];
}

QWidget *PageManager::window() const
{
    return m_tabs->window();
}

// ---------------------------------------------------------------------------
// Opening pages

bool PageManager::loadIntoSlot(int slot, const QString &fileName)
{
    thtmlrichedit *ed = m_editors[slot];
    QString error;
    if (!ed->loadcolored(fileName, &error)) {
        showFileError(window(), QStringLiteral("Cannot open file"), fileName, error);
        return false;
    }
    if (m_hooks.afterLoad && tregini().readconvsave()) {
        QString hookError;
        if (!m_hooks.afterLoad(*ed, &hookError))
            interaction().warning(window(), kTitle, hookError);
    }
    ed->document()->clearUndoRedoStacks();
    ed->setModified(false);
    return true;
}

bool PageManager::openfilproj(const QString &fileName)
{
    if (m_count >= kSlots)
        return false;
    const int slot = m_count;
    // The file is read before anything else changes, so a file that cannot
    // be read leaves the page table as it was.
    if (!loadIntoSlot(slot, fileName)) {
        PageContent::clear(*m_editors[slot]);
        return false;
    }
    emit pageCommandsEnabled(true);
    m_previous = slot == 0 ? kNoPage : m_active;
    m_active = slot;
    m_fileNames[slot] = fileName;
    m_pageIds[slot] = ++m_lastPageId;
    setCaption(pageCaption(fileName));
    m_currentName = PageNames::tabName(fileName);
    m_tabNames[slot] = m_currentName;
    ++m_count;
    editbliveraktiv(m_previous);
    insertTab(slot, m_currentName);
    setCurrentTab(slot);
    m_hasFile[slot] = true;
    reportPasteAvailable();
    emit cutCopyAvailable(m_editors[slot]->textCursor().hasSelection());
    tregini().writelastdir(fileName);
    emit fileOpened(fileName);
    return true;
}

bool PageManager::editny()
{
    if (m_count >= kSlots)
        return false;
    const QString templateFile = InstallDir::file(QStringLiteral("OnNewFile.html"));
    const TextFileResult page = TextFile::read(templateFile);
    if (!page.ok) {
        showFileError(window(), QStringLiteral("Cannot open file"), templateFile, page.error);
        return false;
    }
    // The page shows the template's last line without its line break; the
    // new page keeps the template's format, so saving writes it back.
    return addUntitledPage(ColorDocument::pageText(page.text), page.format, true);
}

bool PageManager::newPage(const QString &text)
{
    return addUntitledPage(text, FileFormat(), false);
}

bool PageManager::addUntitledPage(const QString &text, const FileFormat &format, bool atCursorMarker)
{
    if (m_count >= kSlots)
        return false;
    emit pageCommandsEnabled(true);
    const int slot = m_count;
    m_previous = slot == 0 ? kNoPage : m_active;
    m_active = slot;
    ++m_count;
    const QString name = PageNames::untitledName(m_untitled);
    thtmlrichedit *ed = m_editors[slot];
    PageContent::clear(*ed);
    ed->loadPlainText(text);
    ed->setFileFormat(format);
    ed->setCaretPosition(0);
    if (atCursorMarker)
        ed->cursorhere();
    ed->color();
    ed->document()->clearUndoRedoStacks();
    ed->setModified(false);
    editbliveraktiv(m_previous);
    insertTab(slot, name);
    setCurrentTab(slot);
    m_currentName = name;
    setCaption(pageCaption(name));
    ++m_untitled;
    m_tabNames[slot] = name;
    m_fileNames[slot] = name;
    m_hasFile[slot] = false;
    m_pageIds[slot] = ++m_lastPageId;
    ed->setFocus();
    reportPasteAvailable();
    emit cutCopyAvailable(false);
    emit pageOpened(name);
    return true;
}

// ---------------------------------------------------------------------------
// Closing pages

bool PageManager::fallbackSave(int slot)
{
    // Without the file commands only a page with a file can be saved.
    return m_hasFile[slot] && savePageToFile(slot, m_fileNames[slot]);
}

bool PageManager::saveQuestion(int slot)
{
    m_closeGoOn = true;
    if (slot < 0 || slot >= m_count || !m_editors[slot]->isModified())
        return m_closeGoOn;
    const QMessageBox::StandardButton answer = interaction().askYesNoCancel(
        window(), kTitle,
        QStringLiteral("Do you want to save changes to ") + m_tabNames[slot] + QStringLiteral(" ?"));
    if (answer == QMessageBox::Yes) {
        // A page the user wanted saved is never closed unsaved: a cancelled
        // Save As or a failed write cancels the close.
        const bool saved = m_saveHandler ? m_saveHandler(slot) : fallbackSave(slot);
        m_closeGoOn = saved;
    } else if (answer != QMessageBox::No) {
        m_closeGoOn = false;
    }
    return m_closeGoOn;
}

void PageManager::testvedluk()
{
    if (m_count == 0) {
        m_closeGoOn = true;
        return;
    }
    saveQuestion(m_active);
}

void PageManager::Luksiden1Click()
{
    if (m_count > 0)
        closePage(m_active, true);
}

void PageManager::lukfilproj(int slot)
{
    closePage(slot, false);
}

void PageManager::clearSlot(int slot)
{
    PageContent::clear(*m_editors[slot]);
    m_fileNames[slot].clear();
    m_tabNames[slot].clear();
    m_pageIds[slot] = 0;
    m_hasFile[slot] = false;
}

bool PageManager::closePage(int slot, bool announce)
{
    if (slot < 0 || slot >= m_count)
        return false;
    const QString closedName = m_fileNames[slot];
    if (!saveQuestion(slot))
        return false;

    if (slot == m_count - 1) {
        clearSlot(slot);
        removeTab(slot);
        --m_count;
        if (m_count > 0) {
            m_active = m_count - 1;
            setCurrentTab(m_active);
        }
    } else {
        {
            const WaitCursor hourglass;
            for (int k = slot; k < m_count - 1; ++k) {
                PageContent::move(*m_editors[k + 1], *m_editors[k]);
                m_fileNames[k] = m_fileNames[k + 1];
                m_tabNames[k] = m_tabNames[k + 1];
                m_hasFile[k] = m_hasFile[k + 1];
                m_pageIds[k] = m_pageIds[k + 1];
            }
            clearSlot(m_count - 1);
        }
        removeTab(slot);
        --m_count;
        m_active = slot;
        setCurrentTab(m_active);
    }

    if (m_count > 0) {
        showActive();
        // The Save As dialog proposes the current name: it names the page now shown.
        m_currentName = m_tabNames[m_active];
        setCaption(pageCaption(m_fileNames[m_active]));
        emit cutCopyAvailable(m_editors[m_active]->textCursor().hasSelection());
    } else {
        showNoPage();
        setCaption(QStringLiteral("Lumaro [No file]"));
        emit pageCommandsEnabled(false);
    }
    if (announce)
        emit pageClosed(closedName);
    return true;
}

bool PageManager::closeall()
{
    bool closedAny = false;
    for (int slot = m_count - 1; slot >= 0; --slot) {
        if (!saveQuestion(slot)) {
            if (closedAny && m_count > 0) {
                // The active page may be among the closed ones: show a page
                // that is still open so commands never work on an empty slot.
                if (m_active >= m_count) {
                    m_active = m_count - 1;
                    setCurrentTab(m_active);
                    m_currentName = m_tabNames[m_active];
                }
                showActive();
                setCaption(pageCaption(m_fileNames[m_active]));
            }
            return false;
        }
        clearSlot(slot);
        removeTab(slot);
        --m_count;
        closedAny = true;
        if (slot == m_active)
            showNoPage();
        setCaption(QStringLiteral("Lumaro "));
    }
    showNoPage();
    emit pageCommandsEnabled(false);
    return true;
}

// ---------------------------------------------------------------------------
// Switching pages

void PageManager::selectPage(int slot)
{
    if (slot < 0 || slot >= m_count)
        return;
    setCurrentTab(slot);
    edittabChange();
}

void PageManager::edittabChange()
{
    const int index = m_tabs->currentIndex();
    if (index < 0 || index >= m_count)
        return;
    m_previous = m_active;
    m_active = index;
    editbliveraktiv(m_previous);
    m_currentName = m_tabNames[m_active];
    setCaption(pageCaption(m_fileNames[m_active]));
    reportPasteAvailable();
    emit cutCopyAvailable(m_editors[m_active]->textCursor().hasSelection());
}

void PageManager::editbliveraktiv(int previousSlot)
{
    Q_UNUSED(previousSlot) // the stacked layout hides whatever was shown before
    showActive();
}

void PageManager::showActive()
{
    thtmlrichedit *ed = activeEditor();
    if (!ed) {
        showNoPage();
        return;
    }
    m_stack->setCurrentWidget(ed);
    ed->setFocus();
    reportCursor();
}

void PageManager::showNoPage()
{
    m_stack->setCurrentWidget(m_placeholder);
}

// ---------------------------------------------------------------------------
// Loading and saving

bool PageManager::editloadfromfile(const QString &fileName)
{
    thtmlrichedit *ed = activeEditor();
    if (!ed)
        return false;
    if (!loadIntoSlot(m_active, fileName))
        return false;
    reportCursor();
    return true;
}

bool PageManager::editsavetofile(const QString &fileName)
{
    return m_count > 0 && savePageToFile(m_active, fileName);
}

bool PageManager::savePageToFile(int slot, const QString &fileName)
{
    if (slot < 0 || slot >= m_count)
        return false;
    thtmlrichedit *ed = m_editors[slot];
    const bool wasModified = ed->isModified();
    const bool convert = tregini().readconvsave();

    if (convert && m_hooks.beforeSave) {
        QString error;
        if (!m_hooks.beforeSave(*ed, &error)) {
            ed->setModified(wasModified);
            interaction().warning(window(), kTitle, error);
            return false;
        }
    }
    const QString text = ed->text();
    // The page shows characters again whether or not the write works.
    if (convert && m_hooks.afterSave)
        m_hooks.afterSave(*ed);

    // A page read as Windows-1252 that now holds characters Windows-1252
    // cannot encode is written as UTF-8 rather than losing them.
    FileFormat format = ed->fileFormat();
    bool widened = false;
    if (format.encoding == TextEncoding::Windows1252) {
        bool lossless = true;
        TextFile::toWindows1252(text, &lossless);
        if (!lossless) {
            format.encoding = TextEncoding::Utf8;
            widened = true;
        }
    }

    // The file gets back the final line break and byte-order mark it was
    // read with: saving an unchanged page writes the same bytes.
    QString error;
    if (!TextFile::write(fileName, format.fileText(text), format, &error)) {
        ed->setModified(wasModified);
        showFileError(window(), QStringLiteral("Cannot create file"), fileName, error);
        return false;
    }
    ed->setFileFormat(format);
    ed->setModified(false);
    if (widened) {
        interaction().information(
            window(), kTitle,
            fileName + QStringLiteral(" holds characters that Windows-1252 cannot encode; "
                                      "it was saved as UTF-8."));
    }
    return true;
}

void PageManager::setPageFile(int slot, const QString &fileName)
{
    if (slot < 0 || slot >= m_count)
        return;
    const QString oldName = m_fileNames[slot];
    m_hasFile[slot] = true;
    m_fileNames[slot] = fileName;
    m_currentName = PageNames::tabName(fileName);
    m_tabNames[slot] = m_currentName;
    m_tabs->setTabText(slot, tabText(m_currentName));
    if (slot == m_active)
        setCaption(pageCaption(fileName));
    emit pageRenamed(oldName, fileName);
}

// ---------------------------------------------------------------------------
// Tabs, caption and status

void PageManager::setCaption(const QString &caption)
{
    m_caption = caption;
    emit captionChanged(caption);
}

void PageManager::setCurrentTab(int index)
{
    const QScopedValueRollback guard(m_tabGuard, true);
    m_tabs->setCurrentIndex(index);
}

void PageManager::insertTab(int index, const QString &name)
{
    const QScopedValueRollback guard(m_tabGuard, true);
    m_tabs->insertTab(index, tabText(name));
}

void PageManager::removeTab(int index)
{
    const QScopedValueRollback guard(m_tabGuard, true);
    m_tabs->removeTab(index);
}

void PageManager::reportPasteAvailable()
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    emit pasteAvailable(clipboard && !clipboard->text().isEmpty());
}

void PageManager::reportCursor()
{
    if (thtmlrichedit *ed = activeEditor())
        emit cursorPositionChanged(ed->skrivcursorpos());
}

} // namespace lumaro
