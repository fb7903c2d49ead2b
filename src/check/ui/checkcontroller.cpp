#include "checkcontroller.h"
#include "checkresultsmodel.h"
#include "checkresultspanel.h"
#include "pagechecker.h"
#include "pagehost.h"
#include "pageoutlinepanel.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
#include <QSet>
#include <QTableView>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

namespace lumaro {

namespace {
const char *const kCheckCommands[] = {"Checkpage1", "SpeedButtonCheck"};
const char *const kOutlineCommands[] = {"Outline1", "SpeedButtonOutline"};
} // namespace

CheckController::CheckController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_outlineTimer(new QTimer(this))
{
    m_outlineTimer->setSingleShot(true);
    m_outlineTimer->setInterval(kOutlineDelayMs);
    connect(m_outlineTimer, &QTimer::timeout, this, &CheckController::refreshOutline);
    connect(&m_outlineWatcher, &QFutureWatcher<QList<OutlineEntry>>::finished, this, &CheckController::outlineReady);

    for (const char *name : kCheckCommands) {
        if (QAction *action = m_host.command(QString::fromLatin1(name))) {
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, &CheckController::checkPage);
        }
    }
    for (const char *name : kOutlineCommands) {
        if (QAction *action = m_host.command(QString::fromLatin1(name))) {
            action->setCheckable(true);
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, &CheckController::setOutlineVisible);
        }
    }
    watchEditors();
}

CheckController::~CheckController()
{
    m_outlineWatcher.waitForFinished();
}

bool CheckController::outlineShown() const
{
    // Hidden by the user, not merely by a window that is not on screen yet.
    return m_outline && !m_outline->isHidden();
}

CheckResultsPanel *CheckController::resultsPanel() const { return m_results; }
PageOutlinePanel *CheckController::outlinePanel() const { return m_outline; }

void CheckController::watchEditors()
{
    for (int slot = 0; slot < 15; ++slot) {
        thtmlrichedit *editor = m_host.editor(slot);
        if (!editor)
            continue;
        connect(editor, &QPlainTextEdit::textChanged, this, [this, editor] {
            if (editor != m_host.activeEditor())
                return;
            if (outlineShown())
                m_outlineTimer->start();
            // Once said, the mark stays until the next check or page switch.
            if (m_results && !m_shownChanged && !m_results->showsSiteResult()) {
                const auto it = m_checked.constFind(m_host.pageId(m_host.activePage()));
                if (it != m_checked.constEnd() && it->text != editor->text()) {
                    m_shownChanged = true;
                    m_results->setChanged(true);
                }
            }
        });
    }
}

void CheckController::checkPage()
{
    if (!m_host.activeEditor())
        return;
    ensureResultsPanel();
    checkActive();
    m_results->show();
    m_results->raise();
}

void CheckController::checkActive()
{
    thtmlrichedit *editor = m_host.activeEditor();
    dropClosedPages();
    PageCheck check;
    check.text = editor->text();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    check.result = PageChecker::check(check.text, CheckLevels{true, true, true});
    QApplication::restoreOverrideCursor();
    m_checked.insert(m_host.pageId(m_host.activePage()), check);
    showActiveResult();
    if (outlineShown())
        m_outline->showOutline(check.result.outline);
}

void CheckController::showActiveResult()
{
    m_shownChanged = false;
    thtmlrichedit *editor = m_host.activeEditor();
    const int slot = m_host.activePage();
    const auto it = editor ? m_checked.constFind(m_host.pageId(slot)) : m_checked.constEnd();
    if (it == m_checked.constEnd()) {
        m_results->showNotChecked();
        return;
    }
    m_results->showResult(it->result, QFileInfo(m_host.pageFileName(slot)).fileName());
    m_shownChanged = it->text != editor->text();
    m_results->setChanged(m_shownChanged);
}

void CheckController::dropClosedPages()
{
    QSet<quint64> open;
    for (int slot = 0; slot < m_host.pageCount(); ++slot)
        open.insert(m_host.pageId(slot));
    for (auto it = m_checked.begin(); it != m_checked.end();)
        it = open.contains(it.key()) ? std::next(it) : m_checked.erase(it);
}

void CheckController::problemRowActivated(int row)
{
    thtmlrichedit *editor = m_host.activeEditor();
    const auto it = editor ? m_checked.constFind(m_host.pageId(m_host.activePage())) : m_checked.constEnd();
    if (it == m_checked.constEnd())
        return;
    if (it->text == editor->text()) {
        const int position = m_results->model()->position(row);
        if (position >= 0)
            selectInPage(position, true);
        return;
    }
    // The text moved on: the same problem is looked up in a new check.
    const CheckProblem *activated = m_results->model()->problem(row);
    if (!activated)
        return;
    const CheckProblem wanted = *activated;
    const int sameBefore = m_results->model()->sameBefore(row);
    checkActive();
    const int newRow = m_results->model()->rowOf(wanted, sameBefore);
    if (newRow < 0) {
        m_host.showStatus(tr("The page changed since the check and no longer has this problem; it was checked again."));
        return;
    }
    m_results->table()->selectRow(newRow);
    selectInPage(m_results->model()->position(newRow), true);
}

CheckResultsPanel *CheckController::ensureResultsPanel()
{
    if (!m_results) {
        QWidget *window = m_host.hostWindow();
        m_results = new CheckResultsPanel(window);
        if (auto *main = qobject_cast<QMainWindow *>(window))
            main->addDockWidget(Qt::BottomDockWidgetArea, m_results);
        connect(m_results, &CheckResultsPanel::rowActivated, this, &CheckController::problemRowActivated);
    }
    return m_results;
}

void CheckController::setOutlineVisible(bool on)
{
    if (on && !m_outline) {
        QWidget *window = m_host.hostWindow();
        m_outline = new PageOutlinePanel(window);
        if (auto *main = qobject_cast<QMainWindow *>(window))
            main->addDockWidget(Qt::LeftDockWidgetArea, m_outline);
        connect(m_outline, &PageOutlinePanel::entryActivated, this,
                [this](int position) { selectInPage(position, true); });
        // Closing the panel by its own button unchecks the commands.
        connect(m_outline->toggleViewAction(), &QAction::toggled, this, &CheckController::syncToggles);
    }
    if (m_outline) {
        m_outline->setVisible(on);
        if (on)
            refreshOutline();
    }
    syncToggles(on);
}

void CheckController::syncToggles(bool on)
{
    for (const char *name : kOutlineCommands)
        if (QAction *action = m_host.command(QString::fromLatin1(name)))
            action->setChecked(on);
}

void CheckController::activePageChanged()
{
    dropClosedPages();
    // A check over several pages stays while its pages are visited.
    if (m_results && !m_results->showsSiteResult())
        showActiveResult();
    if (outlineShown())
        refreshOutline();
}

void CheckController::refreshOutline()
{
    m_outlineTimer->stop();
    if (!outlineShown())
        return;
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor) {
        m_outline->showOutline({});
        return;
    }
    if (m_outlinePending) {
        // One parse at a time; the newest text is taken when it is done.
        m_outlineAgain = true;
        return;
    }
    m_outlineEditor = editor;
    m_outlinePending = true;
    m_outlineWatcher.setFuture(QtConcurrent::run([text = editor->text()] { return PageChecker::outline(text); }));
}

void CheckController::outlineReady()
{
    m_outlinePending = false;
    if (m_outlineAgain) {
        m_outlineAgain = false;
        refreshOutline();
        return;
    }
    // A page switched away from meanwhile is not shown.
    if (m_outline && m_outlineEditor == m_host.activeEditor())
        m_outline->showOutline(m_outlineWatcher.result());
}

void CheckController::waitForOutline()
{
    for (;;) {
        if (m_outlineTimer->isActive())
            refreshOutline();
        m_outlineWatcher.waitForFinished();
        // The watcher reports through the event loop.
        QCoreApplication::processEvents();
        if (!m_outlineTimer->isActive() && !m_outlinePending)
            return;
    }
}

void CheckController::selectInPage(int position, bool wholeTag)
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    std::pair<int, int> range{position, 0};
    if (wholeTag)
        range = PageChecker::problemRange(editor->pageText(), position);
    editor->setSelection(range.first, range.second);
    editor->setFocus(Qt::OtherFocusReason);
}

} // namespace lumaro
