#include "checkresultsmodel.h"

namespace lumaro {

void CheckResultsModel::setResult(const CheckResult &result, const CheckLevels &shown)
{
    m_problems = result.problems;
    m_base.clear();
    setShown(shown);
}

void CheckResultsModel::setProblems(const QList<CheckProblem> &problems, const CheckLevels &shown, const QString &base)
{
    m_problems = problems;
    m_base = base.endsWith(u'/') ? base : base + u'/';
    setShown(shown);
}

const CheckProblem *CheckResultsModel::problem(int row) const
{
    return row >= 0 && row < m_rows.size() ? &m_problems.at(m_rows.at(row)) : nullptr;
}

void CheckResultsModel::setShown(const CheckLevels &shown)
{
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(m_problems.size());
    for (int i = 0; i < m_problems.size(); ++i)
        if (shown.shows(m_problems.at(i).level))
            m_rows.append(i);
    endResetModel();
}

int CheckResultsModel::position(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_problems.at(m_rows.at(row)).position : -1;
}

namespace {
bool sameReport(const CheckProblem &a, const CheckProblem &b) { return a.level == b.level && a.message == b.message; }
} // namespace

int CheckResultsModel::sameBefore(int row) const
{
    const CheckProblem *at = problem(row);
    if (!at)
        return 0;
    const CheckProblem wanted = *at;
    int count = 0;
    for (int r = 0; r < row && r < m_rows.size(); ++r)
        count += sameReport(m_problems.at(m_rows.at(r)), wanted) ? 1 : 0;
    return count;
}

int CheckResultsModel::rowOf(const CheckProblem &wanted, int sameBefore) const
{
    int seen = 0;
    for (int r = 0; r < m_rows.size(); ++r)
        if (sameReport(m_problems.at(m_rows.at(r)), wanted) && seen++ == sameBefore)
            return r;
    return -1;
}

int CheckResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CheckResultsModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : 5; }

QVariant CheckResultsModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return {};
    const CheckProblem &p = m_problems.at(m_rows.at(index.row()));
    switch (index.column()) {
    case 0:
        return p.line;
    case 1:
        return p.column;
    case 2:
        return checkLevelName(p.level);
    case kPageColumn:
        return p.file.startsWith(m_base) ? p.file.mid(m_base.size()) : p.file;
    default:
        return p.message;
    }
}

QVariant CheckResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const titles[] = {"Line", "Column", "Kind", "Message", "Page"};
    return section >= 0 && section < 5 ? QVariant(QString::fromLatin1(titles[section])) : QVariant();
}

} // namespace lumaro
