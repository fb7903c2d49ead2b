#include "linkcheckcontroller.h"
#include "checkcontroller.h"
#include "checkresultspanel.h"
#include "interaction.h"
#include "pagehost.h"
#include "projectpaths.h"
#include "projectstate.h"
#include "thtmlrichedit.h"
#include "tinifil.h"

#include <QAction>
#include <QApplication>

namespace lumaro {

namespace {
const QString kCommand = QStringLiteral("Checklinks1");
} // namespace

LinkCheckController::LinkCheckController(PageHost &host, CheckController &check, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_check(check)
{
    if (QAction *action = m_host.command(kCommand)) {
        const ProjectState *state = m_host.projectState();
        action->setEnabled(state && state->isOpen());
        connect(action, &QAction::triggered, this, &LinkCheckController::checkLinks);
    }
}

LinkJob LinkCheckController::projectJob(bool withOpenPages) const
{
    const ProjectState *state = m_host.projectState();
    LinkJob job;
    if (!state || !state->isOpen()) {
        job.failure = QStringLiteral("No project is open.");
        return job;
    }
    const QList<ProjectRecord> records = state->records();
    // A project never saved has no options yet.
    job = LinkJob::forProject(state->isSaved() ? state->path() : QString(), records);
    if (withOpenPages) {
        for (int slot = 0; slot < m_host.pageCount(); ++slot) {
            thtmlrichedit *editor = m_host.editor(slot);
            if (editor && m_host.pageHasFile(slot))
                job.texts.insert(m_host.pageFileName(slot), editor->pageText());
        }
    }
    return job;
}

bool LinkCheckController::externalOption() const
{
    const ProjectState *state = m_host.projectState();
    return state && state->isSaved() && tinifil(state->optionsFileName()).readcheckexternal();
}

void LinkCheckController::show(const LinkReport &report, const QList<CheckProblem> &external, const QString &note)
{
    CheckResultsPanel *panel = m_check.ensureResultsPanel();
    if (!m_panelConnected) {
        connect(panel, &CheckResultsPanel::referenceActivated, this, &LinkCheckController::openReference);
        m_panelConnected = true;
    }
    m_shown = report.combined(external);
    LinkReport counted = report;
    counted.problems = m_shown;
    QString summary = counted.summary();
    if (!note.isEmpty())
        summary += QStringLiteral("; ") + note;
    const ProjectState *state = m_host.projectState();
    const QString name = state ? ProjectPaths::fileName(state->path()) : QString();
    panel->showSiteResult(m_shown, summary, QStringLiteral("Check links: ") + name, report.root);
    panel->show();
    panel->raise();
}

void LinkCheckController::checkLocal(bool withOpenPages)
{
    if (m_external)
        m_external->cancel();
    const LinkJob job = projectJob(withOpenPages);
    // The hourglass while the pages are read.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_report = LinkChecker::check(job);
    QApplication::restoreOverrideCursor();
}

void LinkCheckController::checkLinks()
{
    checkLocal(true);
    if (!m_report.failure.isEmpty() || m_report.externals.isEmpty() || !externalOption()) {
        show(m_report, LinkChecker::uncheckedExternals(m_report.externals), QString());
        emit checked();
        return;
    }
    show(m_report, {}, QStringLiteral("asking %1 external links...").arg(m_report.externals.size()));
    if (!m_external) {
        m_external = new ExternalLinkChecker(this);
        connect(m_external, &ExternalLinkChecker::finished, this, &LinkCheckController::externalAnswered);
    }
    m_external->start(m_report.externals, m_externalOptions);
}

void LinkCheckController::externalAnswered()
{
    show(m_report, m_external->problems(), QString());
    emit checked();
}

bool LinkCheckController::confirmPublish()
{
    // The files as they are on disk: those are what is published.
    checkLocal(false);
    const bool external = externalOption();
    const QList<CheckProblem> answers = external ? ExternalLinkChecker::checkAll(m_report.externals, m_externalOptions)
                                                 : LinkChecker::uncheckedExternals(m_report.externals);
    LinkReport all = m_report;
    all.problems = m_report.combined(answers);
    const int errors = all.count(CheckLevel::Error);
    if (errors == 0)
        return true;
    show(m_report, answers, QString());
    emit checked();
    return interaction().askYesNo(
        m_host.hostWindow(), QStringLiteral("Lumaro"),
        QStringLiteral("%1 of the project %2 broken (see the check panel). Publish anyway?")
            .arg(errors == 1 ? QStringLiteral("1 link") : QStringLiteral("%1 links").arg(errors),
                 errors == 1 ? QStringLiteral("is") : QStringLiteral("are")));
}

void LinkCheckController::openReference(const QString &file, int position, int length)
{
    if (!LinkChecker::isPage(file))
        return;
    auto slotOf = [this, &file] {
        for (int slot = 0; slot < m_host.pageCount(); ++slot)
            if (m_host.pageHasFile(slot) && m_host.pageFileName(slot) == file)
                return slot;
        return -1;
    };
    int slot = slotOf();
    if (slot < 0) {
        if (!m_host.openfilproj(file))
            return;
        slot = slotOf();
        if (slot < 0)
            return;
    }
    m_host.selectPage(slot);
    if (thtmlrichedit *editor = m_host.editor(slot)) {
        editor->setSelection(position, length);
        editor->setFocus(Qt::OtherFocusReason);
    }
}

} // namespace lumaro
