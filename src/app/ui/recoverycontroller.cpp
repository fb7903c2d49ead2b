#include "recoverycontroller.h"
#include "mainwindow.h"
#include "pagemanager.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "trecoverydialog.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTimer>

namespace lumaro {

namespace {

QString signatureOf(const PageManager &pages, int slot)
{
    const FileFormat &format = pages.editor(slot)->fileFormat();
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(pages.pageHasFile(slot))
        .arg(int(format.encoding))
        .arg(format.byteOrderMark)
        .arg(format.finalLineBreak)
        .arg(pages.pageFileName(slot));
}

} // namespace

RecoveryController::RecoveryController(TMainwindow &window, QObject *parent)
    : RecoveryController(window, RecoveryJournal(), parent)
{
}

RecoveryController::RecoveryController(TMainwindow &window, const RecoveryJournal &journal, QObject *parent)
    : QObject(parent)
    , m_window(window)
    , m_journal(journal)
    , m_timer(new QTimer(this))
{
    m_timer->setObjectName(QStringLiteral("recoveryTimer"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(kDelayMs);
    connect(m_timer, &QTimer::timeout, this, &RecoveryController::sync);
    connectEditors();
    connect(&m_window, &TMainwindow::startupFinished, this, [this] {
        offer();
        typeTestInput();
    });
}

RecoveryController::~RecoveryController()
{
    // The window goes only when the program ends normally (or a test ends
    // with it): the pages' copies are no longer wanted.
    m_journal.removeAll();
}

void RecoveryController::connectEditors()
{
    PageManager &pages = m_window.pages();
    for (int slot = 0; slot < PageManager::kSlots; ++slot) {
        thtmlrichedit *ed = pages.editor(slot);
        connect(ed, &QPlainTextEdit::textChanged, this, [this, slot] { pageChanged(slot); });
        // Saved, or emptied when its page closed: the copy goes at once, so
        // a page the user chose not to save is never offered again.
        // Queued: a closing page empties its editor while the pages after it
        // are still moving down, and the page table is settled only after.
        connect(ed, &QPlainTextEdit::modificationChanged, this, [this](bool modified) {
            if (!modified && !m_settlePending) {
                m_settlePending = true;
                QMetaObject::invokeMethod(this, [this] { sync(); }, Qt::QueuedConnection);
            }
        });
    }
}

void RecoveryController::pageChanged(int slot)
{
    m_dirty[slot] = true;
    if (!m_timer->isActive())
        m_timer->start();
}

bool RecoveryController::writeSlot(int slot)
{
    const PageManager &pages = m_window.pages();
    thtmlrichedit *ed = pages.editor(slot);
    RecoveryRecord record;
    record.pageName = pages.pageFileName(slot);
    record.hasFile = pages.pageHasFile(slot);
    record.format = ed->fileFormat();
    record.savedAt = QDateTime::currentDateTimeUtc();
    record.owner = m_journal.self();
    if (record.hasFile)
        record.disk = DiskStamp::of(record.pageName);
    record.text = ed->text();

    QString error;
    if (!m_journal.write(slot, record, &error)) {
        if (!m_failureShown) {
            m_window.showStatus(QStringLiteral("Cannot write the recovery copy of %1: %2")
                                    .arg(pages.pageTabName(slot), error));
            m_failureShown = true;
        }
        return false;
    }
    m_failureShown = false;
    return true;
}

void RecoveryController::sync()
{
    m_settlePending = false;
    m_timer->stop();
    const PageManager &pages = m_window.pages();
    for (int slot = 0; slot < PageManager::kSlots; ++slot) {
        const bool wanted = slot < pages.pageCount() && pages.editor(slot)->isModified();
        if (!wanted) {
            if (!m_written[slot].isEmpty()) {
                m_journal.remove(slot);
                m_written[slot].clear();
            }
            m_dirty[slot] = false;
            continue;
        }
        // Pages that move down a slot when one before them closes arrive
        // with a change of text, so their copy is rewritten under the new slot.
        const QString signature = signatureOf(pages, slot);
        if (!m_dirty[slot] && m_written[slot] == signature)
            continue;
        if (writeSlot(slot)) {
            m_dirty[slot] = false;
            m_written[slot] = signature;
        }
    }
}

void RecoveryController::offer()
{
    // Two instances starting together must not offer the same copies: the
    // one that holds the lock offers, the other leaves them alone.
    QDir().mkpath(m_journal.folder());
    QLockFile lock(m_journal.folder() + QStringLiteral("/offer.lock"));
    if (!lock.tryLock(0))
        return;
    const QList<RecoveryEntry> entries = m_journal.scan();
    if (entries.isEmpty())
        return;

    Trecoverydialog dialog(entries, &m_window);
    dialog.exec();
    switch (dialog.choice()) {
    case Trecoverydialog::Choice::Later:
        return;
    case Trecoverydialog::Choice::Discard:
        for (const RecoveryEntry &entry : entries)
            QFile::remove(entry.path);
        return;
    case Trecoverydialog::Choice::Recover:
        for (int index : dialog.chosen()) {
            if (m_window.pages().pageCount() >= PageManager::kSlots)
                break; // the rest stay for the next start
            recover(entries.at(index).record);
            // The page is copied by this process before the old copy goes.
            sync();
            QFile::remove(entries.at(index).path);
        }
        return;
    }
}

void RecoveryController::recover(const RecoveryRecord &record)
{
    PageManager &pages = m_window.pages();
    if (!pages.newPage(record.text))
        return;
    const int slot = pages.activePage();
    thtmlrichedit *ed = pages.editor(slot);
    ed->setFileFormat(record.format);
    // A page with a file gets its own name back, so Save writes the file.
    if (record.hasFile)
        pages.setPageFile(slot, record.pageName);
    ed->setModified(true);
    m_dirty[slot] = true;
}

void RecoveryController::typeTestInput()
{
    // Test hook for the whole-program tests, which cannot type into the
    // window from outside: with LUMARO_TEST_TYPE_FILE naming a file, its
    // UTF-8 text is typed into every open page at start-up. It acts only
    // inside the test sandbox (LUMARO_TEST_SANDBOX set), never for users.
    const QString input = qEnvironmentVariable("LUMARO_TEST_TYPE_FILE");
    if (input.isEmpty() || qEnvironmentVariableIsEmpty("LUMARO_TEST_SANDBOX"))
        return;
    QFile file(input);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(file.readAll());
    PageManager &pages = m_window.pages();
    for (int slot = 0; slot < pages.pageCount(); ++slot)
        pages.editor(slot)->replaceSel(text);
}

} // namespace lumaro
