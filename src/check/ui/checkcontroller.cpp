#include "checkcontroller.h"
#include "checkresultspanel.h"
#include "pagechecker.h"
#include "pagehost.h"
#include "pageoutlinepanel.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMainWindow>
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
            if (outlineShown() && editor == m_host.activeEditor())
                m_outlineTimer->start();
        });
    }
}

void CheckController::checkPage()
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor)
        return;
    ensureResultsPanel();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const CheckResult result = PageChecker::check(editor->text(), CheckLevels{true, true, true});
    QApplication::restoreOverrideCursor();
    m_checked.insert(editor, result);
    const int slot = m_host.activePage();
    m_results->showResult(result, QFileInfo(m_host.pageFileName(slot)).fileName());
    m_results->show();
    m_results->raise();
    if (outlineShown())
        m_outline->showOutline(result.outline);
}

CheckResultsPanel *CheckController::ensureResultsPanel()
{
    if (!m_results) {
        QWidget *window = m_host.hostWindow();
        m_results = new CheckResultsPanel(window);
        if (auto *main = qobject_cast<QMainWindow *>(window))
            main->addDockWidget(Qt::BottomDockWidgetArea, m_results);
        connect(m_results, &CheckResultsPanel::problemActivated, this,
                [this](int position) { selectInPage(position, true); });
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
    // A check over several pages stays while its pages are visited.
    if (m_results && !m_results->showsSiteResult()) {
        thtmlrichedit *editor = m_host.activeEditor();
        const auto it = editor ? m_checked.constFind(editor) : m_checked.constEnd();
        if (it != m_checked.constEnd())
            m_results->showResult(*it, QFileInfo(m_host.pageFileName(m_host.activePage())).fileName());
        else
            m_results->showNotChecked();
    }
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
