#pragma once

#include "externallinkchecker.h"
#include "linkchecker.h"

#include <QObject>
#include <QPointer>

namespace lumaro {

class CheckController;
class PageHost;

/// "Check links" on the Project menu: the link check of the open project
/// fills the results panel, one row per finding with its page, and
/// activating a row opens that page with the address selected. External
/// addresses are asked after the local check is shown, when the project's
/// "Check external links" option is on. Publish asks through
/// confirmPublish() before anything is copied.
class LinkCheckController : public QObject {
    Q_OBJECT
public:
    /// Connects and enables "Checklinks1" when the host has it (enabled
    /// once a project is open).
    LinkCheckController(PageHost &host, CheckController &check, QObject *parent = nullptr);

    /// "Check links". Pages open in the editor are checked as they stand there.
    void checkLinks();
    /// Checks the project's files as they will be published (external
    /// addresses too when the option is on, waiting for their answers); when
    /// anything is broken the findings are shown and the user is asked
    /// whether to publish anyway. True to go on publishing.
    bool confirmPublish();

    /// The findings shown last (local and external).
    const QList<CheckProblem> &shownProblems() const { return m_shown; }
    /// Whether external addresses are still being asked.
    bool askingExternal() const { return m_external && m_external->isRunning(); }
    /// How external addresses are asked (tests shorten the wait).
    void setExternalOptions(const ExternalLinkChecker::Options &options) { m_externalOptions = options; }
    /// Opens the page of a finding and selects its address.
    void openReference(const QString &file, int position, int length);

signals:
    /// The panel shows a complete result (after the external answers, if any).
    void checked();

private:
    LinkJob projectJob(bool withOpenPages) const;
    /// Checks the project's own files into m_report (pages open in the
    /// editor as they stand there when withOpenPages).
    void checkLocal(bool withOpenPages);
    bool externalOption() const;
    void show(const LinkReport &report, const QList<CheckProblem> &external, const QString &note);
    void externalAnswered();

    PageHost &m_host;
    CheckController &m_check;
    ExternalLinkChecker::Options m_externalOptions;
    QPointer<ExternalLinkChecker> m_external;
    LinkReport m_report;
    QList<CheckProblem> m_shown;
    bool m_panelConnected = false;
};

} // namespace lumaro
