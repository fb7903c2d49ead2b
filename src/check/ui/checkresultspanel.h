#pragma once

#include "checkproblem.h"
#include "pagechecker.h"

#include <QDockWidget>

class QCheckBox;
class QLabel;
class QTableView;

namespace lumaro {

class CheckResultsModel;

/// The results of checking a page, at the bottom of the main window: a
/// table of line, column, kind and message in page order, a summary line,
/// and which kinds of report to show. Activating a row (double-click or
/// Enter) asks for the problem's place in the page.
class CheckResultsPanel : public QDockWidget {
    Q_OBJECT
public:
    explicit CheckResultsPanel(QWidget *parent = nullptr);

    /// Shows a check's result; title names the page checked.
    void showResult(const CheckResult &result, const QString &title);
    /// No result for the active page yet.
    void showNotChecked();
    /// Shows the findings of a check over several pages, with a page column
    /// naming each one's file below base; it stays when the active page changes.
    void showSiteResult(const QList<CheckProblem> &problems, const QString &summary, const QString &title,
                        const QString &base);
    /// Whether the panel shows a check over several pages.
    bool showsSiteResult() const { return m_siteResult; }
    /// Says whether the page's text differs from the text checked.
    void setChanged(bool changed);

    QTableView *table() const { return m_table; }
    CheckResultsModel *model() const { return m_model; }
    QLabel *summaryLabel() const { return m_summary; }
    CheckLevels levels() const;

signals:
    /// A row of a check over several pages was activated: its file and range.
    void referenceActivated(const QString &file, int position, int length);
    /// A row of a page check with a place in the page was activated.
    void rowActivated(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSummary();
    void activateRow(int row);

    CheckResultsModel *m_model;
    QTableView *m_table;
    QLabel *m_summary;
    QCheckBox *m_errors;
    QCheckBox *m_warnings;
    QCheckBox *m_info;
    QString m_summaryText;
    bool m_hasResult = false;
    bool m_siteResult = false;
    bool m_changed = false;
};

} // namespace lumaro
