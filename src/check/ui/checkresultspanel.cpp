#include "checkresultspanel.h"
#include "checkresultsmodel.h"
#include "checksettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

namespace lumaro {

CheckResultsPanel::CheckResultsPanel(QWidget *parent)
    : QDockWidget(QStringLiteral("Check page"), parent)
    , m_model(new CheckResultsModel(this))
    , m_table(new QTableView)
    , m_summary(new QLabel)
    , m_errors(new QCheckBox(QStringLiteral("Errors")))
    , m_warnings(new QCheckBox(QStringLiteral("Warnings")))
    , m_info(new QCheckBox(QStringLiteral("Notes")))
{
    setObjectName(QStringLiteral("CheckResultsPanel"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);

    m_table->setObjectName(QStringLiteral("CheckResults"));
    m_table->setModel(m_model);
    m_table->verticalHeader()->hide();
    // Fixed row heights: a million rows need no measuring.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->installEventFilter(this);
    // The page column comes first and shows only for checks over several pages.
    m_table->horizontalHeader()->moveSection(CheckResultsModel::kPageColumn, 0);
    m_table->setColumnHidden(CheckResultsModel::kPageColumn, true);
    connect(m_table, &QTableView::doubleClicked, this, [this](const QModelIndex &index) { activateRow(index.row()); });

    const CheckLevels stored = CheckSettings::readLevels();
    m_errors->setChecked(stored.errors);
    m_warnings->setChecked(stored.warnings);
    m_info->setChecked(stored.info);
    for (QCheckBox *box : {m_errors, m_warnings, m_info}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            CheckSettings::writeLevels(levels());
            m_model->setShown(levels());
        });
    }

    auto *body = new QWidget;
    auto *column = new QVBoxLayout(body);
    column->setContentsMargins(4, 2, 4, 4);
    auto *top = new QHBoxLayout;
    top->addWidget(m_summary, 1);
    top->addWidget(m_errors);
    top->addWidget(m_warnings);
    top->addWidget(m_info);
    column->addLayout(top);
    column->addWidget(m_table, 1);
    setWidget(body);
    showNotChecked();
}

CheckLevels CheckResultsPanel::levels() const
{
    CheckLevels levels;
    levels.errors = m_errors->isChecked();
    levels.warnings = m_warnings->isChecked();
    levels.info = m_info->isChecked();
    return levels;
}

void CheckResultsPanel::showResult(const CheckResult &result, const QString &title)
{
    m_hasResult = true;
    m_siteResult = false;
    m_table->setColumnHidden(CheckResultsModel::kPageColumn, true);
    m_changed = false;
    m_summaryText = result.failure.isEmpty() ? result.summary() : result.failure;
    setWindowTitle(QStringLiteral("Check page: ") + title);
    m_model->setResult(result, levels());
    showSummary();
    m_table->resizeColumnToContents(0);
    m_table->resizeColumnToContents(1);
    m_table->resizeColumnToContents(2);
}

void CheckResultsPanel::setChanged(bool changed)
{
    m_changed = changed;
    showSummary();
}

void CheckResultsPanel::showNotChecked()
{
    m_hasResult = false;
    m_siteResult = false;
    m_table->setColumnHidden(CheckResultsModel::kPageColumn, true);
    m_changed = false;
    setWindowTitle(QStringLiteral("Check page"));
    m_model->setResult({}, levels());
    showSummary();
}

void CheckResultsPanel::showSiteResult(const QList<CheckProblem> &problems, const QString &summary,
                                       const QString &title, const QString &base)
{
    m_hasResult = true;
    m_siteResult = true;
    m_summaryText = summary;
    setWindowTitle(title);
    m_table->setColumnHidden(CheckResultsModel::kPageColumn, false);
    m_model->setProblems(problems, levels(), base);
    showSummary();
    for (int column : {CheckResultsModel::kPageColumn, 0, 1, 2})
        m_table->resizeColumnToContents(column);
}

void CheckResultsPanel::showSummary()
{
    if (!m_hasResult)
        m_summary->setText(QStringLiteral("The page has not been checked."));
    else if (m_changed)
        m_summary->setText(m_summaryText + QStringLiteral(" (changed since the check: a double-click checks again)"));
    else
        m_summary->setText(m_summaryText);
}

void CheckResultsPanel::activateRow(int row)
{
    if (m_siteResult) {
        if (const CheckProblem *p = m_model->problem(row))
            emit referenceActivated(p->file, p->position, p->length);
        return;
    }
    if (m_model->position(row) >= 0)
        emit rowActivated(row);
}

bool CheckResultsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_table->currentIndex().isValid()) {
            activateRow(m_table->currentIndex().row());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

} // namespace lumaro
