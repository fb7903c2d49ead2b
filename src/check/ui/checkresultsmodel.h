#pragma once

#include "checkproblem.h"
#include "pagechecker.h"

#include <QAbstractTableModel>

namespace lumaro {

/// The rows of the results panel: the shown problems of one check, as a
/// model over the result itself, so a page with a million reports fills
/// the table at once.
class CheckResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setResult(const CheckResult &result, const CheckLevels &shown);
    void setShown(const CheckLevels &shown);
    /// Problems of several pages (the link check); the page column names
    /// each one's file below base.
    void setProblems(const QList<CheckProblem> &problems, const CheckLevels &shown, const QString &base);
    /// The page position of a row's problem.
    int position(int row) const;
    /// A row's problem, or nullptr.
    const CheckProblem *problem(int row) const;
    /// The column that names the page of each problem.
    static constexpr int kPageColumn = 4;
    /// How many rows before this one report the same kind and message.
    int sameBefore(int row) const;
    /// The row reporting the kind and message of problem for the
    /// (sameBefore + 1)-th time; -1 when there is none.
    int rowOf(const CheckProblem &problem, int sameBefore) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<CheckProblem> m_problems;
    QList<int> m_rows; ///< indices of the shown problems
    QString m_base;    ///< the folder page names are shown below
};

} // namespace lumaro
