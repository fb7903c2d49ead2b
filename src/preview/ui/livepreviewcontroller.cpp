#include "livepreviewcontroller.h"
#include "elementlocator.h"
#include "livepreviewpanel.h"
#include "pagehost.h"
#include "previewbase.h"
#include "previewsettings.h"
#include "projectoptions.h"
#include "projectstate.h"
#include "thtmlrichedit.h"
#include "tinifil.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QTabBar>
#include <QTextDocument>
#include <QTimer>

#include <algorithm>

namespace lumaro {

namespace {
const char *const kCommands[] = {"Livepreview1", "SpeedButtonPreview"};
} // namespace

LivePreviewController::LivePreviewController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setInterval(kRefreshDelayMs);
    connect(m_timer, &QTimer::timeout, this, &LivePreviewController::refresh);
    for (const char *name : kCommands) {
        if (QAction *action = m_host.command(QString::fromLatin1(name))) {
            action->setCheckable(true);
            action->setEnabled(true);
            connect(action, &QAction::triggered, this, [this](bool on) {
                setPreviewVisible(on);
                PreviewSettings::writeShown(on);
            });
        }
    }
    watchEditors();
    // The page manager settles the active page after the tab signal.
    if (QWidget *window = m_host.hostWindow())
        if (auto *tabs = window->findChild<QTabBar *>(QStringLiteral("edittab")))
            connect(tabs, &QTabBar::currentChanged, this, &LivePreviewController::refresh, Qt::QueuedConnection);
    if (PreviewSettings::readShown())
        QTimer::singleShot(0, this, [this] { setPreviewVisible(true); });
}

LivePreviewController::~LivePreviewController() = default;

LivePreviewPanel *LivePreviewController::panel() const { return m_panel; }

bool LivePreviewController::previewShown() const
{
    // Hidden by the user, not merely by a window that is not on screen yet.
    return m_panel && !m_panel->isHidden();
}

void LivePreviewController::watchEditors()
{
    for (int slot = 0; slot < 15; ++slot) {
        thtmlrichedit *editor = m_host.editor(slot);
        if (!editor)
            continue;
        connect(editor, &QPlainTextEdit::textChanged, this, [this, editor] { textChanged(editor); });
        // A whole text put in at once (a file opened, an import) is shown at once.
        connect(editor->document(), &QTextDocument::contentsChange, this, [this, editor](int from, int, int added) {
            ++m_changes;
            if (from == 0 && added > 0 && added >= editor->document()->characterCount() - 1 && previewShown())
                QTimer::singleShot(0, this, &LivePreviewController::refresh);
        });
    }
}

void LivePreviewController::textChanged(thtmlrichedit *editor)
{
    if (!previewShown() || editor != m_host.activeEditor())
        return;
    if (editor != m_shownEditor)
        QTimer::singleShot(0, this, &LivePreviewController::refresh);
    else
        m_timer->start(); // a key restarts the wait; never a rendering per key
}

void LivePreviewController::setPreviewVisible(bool on)
{
    if (on && !m_panel) {
        QWidget *window = m_host.hostWindow();
        m_panel = new LivePreviewPanel(window);
        if (auto *main = qobject_cast<QMainWindow *>(window)) {
            main->addDockWidget(Qt::RightDockWidgetArea, m_panel);
            // A page needs room to be read: two fifths of the window at first.
            main->resizeDocks({m_panel}, {std::max(m_panel->minimumWidth(), main->width() * 2 / 5)}, Qt::Horizontal);
        }
        connect(m_panel, &LivePreviewPanel::surfaceReady, this, &LivePreviewController::refresh);
        connect(m_panel, &LivePreviewPanel::retryRequested, this, [this] {
            m_shownChanges = ~quint64(0); // the view lost what it showed
            refresh();
        });
        connect(m_panel, &LivePreviewPanel::elementActivated, this, &LivePreviewController::placeCaret);
        // Closing the panel by its own button unchecks the commands.
        connect(m_panel->toggleViewAction(), &QAction::toggled, this, [this](bool shown) {
            syncToggles(shown);
            if (!shown)
                PreviewSettings::writeShown(false);
        });
    }
    if (m_panel) {
        m_panel->setVisible(on);
        if (on)
            refresh();
    }
    syncToggles(on);
}

void LivePreviewController::syncToggles(bool on)
{
    for (const char *name : kCommands)
        if (QAction *action = m_host.command(QString::fromLatin1(name)))
            action->setChecked(on);
}

QString LivePreviewController::projectRoot()
{
    const ProjectState *project = m_host.projectState();
    if (!project || !project->isOpen())
        return {};
    const QString optionsFile = project->optionsFileName();
    if (optionsFile.isEmpty() || !QFileInfo::exists(optionsFile))
        return {};
    const tinifil options(optionsFile);
    if (!options.readuseroot())
        return {};
    const QString root = DirectoryChoice::fromText(options.readroot()).directory;
    return QFileInfo(root).isDir() ? root : QString();
}

void LivePreviewController::refresh()
{
    m_timer->stop();
    if (!previewShown() || !m_panel->surface())
        return;
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor) {
        m_shownEditor = nullptr;
        m_base = QUrl();
        m_panel->showPage(QString(), m_base);
        return;
    }
    const int slot = m_host.activePage();
    const QUrl base = PreviewBase::baseUrl(m_host.pageFileName(slot), m_host.pageHasFile(slot), projectRoot());
    // Showing the panel asks twice (the view being made, then the command);
    // a page already shown as it stands is not rendered again.
    if (editor == m_shownEditor && m_changes == m_shownChanges && base == m_base)
        return;
    m_shownEditor = editor;
    m_shownChanges = m_changes;
    m_base = base;
    m_panel->showPage(editor->pageText(), m_base);
}

void LivePreviewController::placeCaret(const QString &tagName, int position)
{
    thtmlrichedit *editor = m_host.activeEditor();
    if (!editor || editor != m_shownEditor)
        return;
    // The position is that of the text rendered: once the page changed it
    // may lead elsewhere, so the caret moves only to the tag it names.
    if (m_changes != m_shownChanges || !ElementLocator::isStartTagAt(editor->pageText(), position, tagName)) {
        m_host.showStatus(tr("The page changed since the preview was drawn: double-click again when it is "
                             "updated."));
        refresh();
        return;
    }
    editor->setCaretPosition(position);
    editor->ensureCursorVisible();
    editor->setFocus(Qt::OtherFocusReason);
}

} // namespace lumaro
