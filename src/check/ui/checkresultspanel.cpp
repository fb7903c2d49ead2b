#include "checkresultspanel.h"
#include "checksettings.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumaro {

CheckResultsPanel::CheckResultsPanel(QWidget *parent)
    : QDockWidget(QStringLiteral("Check page"), parent)
    , m_table(new QTableWidget(0, 4))
    , m_summary(new QLabel)
    , m_errors(new QCheckBox(QStringLiteral("Errors")))
    , m_warnings(new QCheckBox(QStringLiteral("Warnings")))
    , m_info(new QCheckBox(QStringLiteral("Notes")))
{
    setObjectName(QStringLiteral("CheckResultsPanel"));
    setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);

    m_table->setObjectName(QStringLiteral("CheckResults"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Line"), QStringLiteral("Column"), QStringLiteral("Kind"), QStringLiteral("Message")});
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->installEventFilter(this);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { activateRow(row); });

    const CheckLevels stored = CheckSettings::readLevels();
    m_errors->setChecked(stored.errors);
    m_warnings->setChecked(stored.warnings);
    m_info->setChecked(stored.info);
    for (QCheckBox *box : {m_errors, m_warnings, m_info}) {
        connect(box, &QCheckBox::toggled, this, [this] {
            CheckSettings::writeLevels(levels());
            fill();
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
    m_result = result;
    m_hasResult = true;
    setWindowTitle(QStringLiteral("Check page: ") + title);
    fill();
}

void CheckResultsPanel::showNotChecked()
{
    m_result = {};
    m_hasResult = false;
    setWindowTitle(QStringLiteral("Check page"));
    fill();
}

void CheckResultsPanel::fill()
{
    const CheckLevels shown = levels();
    m_table->setRowCount(0);
    if (!m_hasResult) {
        m_summary->setText(QStringLiteral("The page has not been checked."));
        return;
    }
    m_summary->setText(m_result.failure.isEmpty() ? m_result.summary() : m_result.failure);
    // Filling row by row repaints per row; a page with thousands of reports
    // fills in one go with updates off.
    m_table->setUpdatesEnabled(false);
    int row = 0;
    m_table->setRowCount(int(m_result.problems.size()));
    for (int i = 0; i < m_result.problems.size(); ++i) {
        const CheckProblem &p = m_result.problems.at(i);
        if (!shown.shows(p.level))
            continue;
        auto cell = [&](int column, const QString &text) {
            auto *item = new QTableWidgetItem(text);
            item->setData(Qt::UserRole, p.position);
            m_table->setItem(row, column, item);
        };
        cell(0, QString::number(p.line));
        cell(1, QString::number(p.column));
        cell(2, checkLevelName(p.level));
        cell(3, p.message);
        ++row;
    }
    m_table->setRowCount(row);
    m_table->setUpdatesEnabled(true);
    m_table->resizeColumnToContents(0);
    m_table->resizeColumnToContents(1);
    m_table->resizeColumnToContents(2);
}

void CheckResultsPanel::activateRow(int row)
{
    if (QTableWidgetItem *item = m_table->item(row, 0))
        emit problemActivated(item->data(Qt::UserRole).toInt());
}

bool CheckResultsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_table->currentRow() >= 0) {
            activateRow(m_table->currentRow());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

} // namespace lumaro
