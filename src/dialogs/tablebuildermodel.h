#pragma once

#include "extendingarray.h"
#include "tagalignment.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace lumaro {

/// The state of the table builder: a grid of cell texts with one fixed row
/// and one fixed column (data cells are columns 1 .. columnCount()-1 and rows
/// 1 .. rowCount()-1), per-column pixel widths and alignments, per-row
/// colours, and the table's caption, border and alignment.
///
/// It reads a table it wrote back from the selection (`fjerntabel`) and writes
/// the whole table element (`build`). Column alignments and row colours have
/// no fixed limit: columns and rows can be added without bound.
class TableBuilderModel {
public:
    static constexpr int DefaultColumnWidth = 25;
    static constexpr int NewTableColumnWidth = 150;

    /// Column alignment values.
    enum Alignment { AlignNone = 0, AlignLeft = 1, AlignCenter = 2, AlignRight = 3 };

    /// A fresh grid: 3 columns and 3 rows (2 by 2 data cells), widths 25.
    TableBuilderModel();

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }

    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);

    /// 1 left, 2 center, 3 right.
    int columnAlignment(int column) const { return m_alignments.value(column); }
    void setColumnAlignment(int column, int alignment) { m_alignments.set(column, alignment); }

    /// Index 0..15 into the named colour table, or -1 for none.
    int rowColor(int row) const { return m_colors.value(row); }
    void setRowColor(int row, int index) { m_colors.set(row, index); }

    // The controls of the dialog.
    bool colorOn = false;        ///< "Color ?": the combo and "Same" are enabled
    bool same = true;            ///< "Same": a picked colour applies to every row
    bool captionOn = true;       ///< "Caption ?"
    bool valignTop = true;       ///< "Valign = Top"
    bool borderOn = true;        ///< "Border ?"
    QString thickness = QStringLiteral("1");
    HAlign tableAlign = HAlign::Center;
    QString caption;
    int comboIndex = -1;         ///< the colour combo's selection

    /// The user picked colour index in the combo while row was current: the
    /// row gets it, or every row when "Same" is checked.
    void pickColor(int index, int currentRow);
    /// Checking or clearing "Same" copies the combo's index into every row.
    void setSame(bool on);

    /// Adds a row at the bottom / a column at the right.
    void insertRow();
    void insertColumn();
    /// Removes the last row / column while at least three exist (one data
    /// row or column always remains). False when nothing was removed.
    bool removeRow();
    bool removeColumn();

    /// Moves a data column (or row) from one position to another, with its
    /// texts and settings, as dragging it in the grid does.
    void moveColumn(int from, int to);
    void moveRow(int from, int to);

    /// Prepares the grid and controls from the selected text: a new 2 by 2
    /// table when it holds no "<TABLE", otherwise the table read back.
    void fjerntabel(const QString &selection);

    /// The whole table element, lines ended by CR LF, "</TABLE>" last.
    QString build() const;

private:
    void resize(int columns, int rows);
    void readRows(const QString &selection);
    void readCell(QString &rest, int column, int row);

    int m_rows = 3;
    int m_columns = 3;
    QList<QStringList> m_cells;  ///< [row][column]
    QList<int> m_widths;         ///< per column, fixed column included
    ExtendingArray m_alignments{AlignLeft};
    ExtendingArray m_colors{-1};
};

} // namespace lumaro
