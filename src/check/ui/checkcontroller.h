#pragma once

#include "checkproblem.h"

#include <QFutureWatcher>
#include <QHash>
#include <QObject>
#include <QPointer>

class QTimer;

namespace lumaro {

class CheckResultsPanel;
class PageHost;
class PageOutlinePanel;
class thtmlrichedit;

/// The page check commands: "Check page" fills the results panel for the
/// active page, "Page outline" shows or hides the outline panel. Both
/// panels are made on first use and follow the active page. The outline is
/// worked out off the GUI thread a moment after typing stops, so typing
/// never waits for it.
///
/// A check's results belong to the page checked (by its page number, which
/// follows the page when slots move) and go when it closes. Once the page's
/// text differs from the text checked, the panel says so, and activating a
/// row checks the page again first and goes to the same problem in the new
/// results, so a jump never selects text the problem is not about.
class CheckController : public QObject {
    Q_OBJECT
public:
    /// Connects and enables "Checkpage1"/"SpeedButtonCheck" and
    /// "Outline1"/"SpeedButtonOutline" when the host has them.
    explicit CheckController(PageHost &host, QObject *parent = nullptr);
    ~CheckController() override;

    void checkPage();
    void setOutlineVisible(bool on);

    /// The page shown changed (tab switch, page opened or closed).
    void activePageChanged();

    CheckResultsPanel *resultsPanel() const;
    /// The results panel, made and docked on first use.
    CheckResultsPanel *ensureResultsPanel();
    PageOutlinePanel *outlinePanel() const;
    /// Waits for a pending outline (tests).
    void waitForOutline();

    /// How long after the last change the outline is worked out again.
    static constexpr int kOutlineDelayMs = 700;

private:
    bool outlineShown() const;
    void selectInPage(int position, bool wholeTag);
    void problemRowActivated(int row);
    /// Runs the check on the active page and shows it; the page's record.
    void checkActive();
    void showActiveResult();
    void dropClosedPages();
    void refreshOutline();
    void outlineReady();
    void watchEditors();
    void syncToggles(bool on);

    PageHost &m_host;
    QPointer<CheckResultsPanel> m_results;
    QPointer<PageOutlinePanel> m_outline;
    /// A check's result with the text it was made on.
    struct PageCheck {
        CheckResult result;
        QString text;
    };
    QHash<quint64, PageCheck> m_checked; ///< by page number
    bool m_shownChanged = false;         ///< the panel says the page changed
    QTimer *m_outlineTimer;
    QFutureWatcher<QList<OutlineEntry>> m_outlineWatcher;
    thtmlrichedit *m_outlineEditor = nullptr;
    bool m_outlineAgain = false;
    bool m_outlinePending = false; ///< a parse runs or its result is not taken yet
};

} // namespace lumaro
