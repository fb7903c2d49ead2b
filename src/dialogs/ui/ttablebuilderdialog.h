#pragma once

#include "tablebuildermodel.h"
#include "tagdialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;

namespace lumaro {

class ColorCombo;
class RadioGroup;
class UpDownEdit;

/// The "Table - builder" dialog: lays out a whole table in a grid (cells
/// edited in place, columns resized and moved, rows moved), with an alignment
/// per column, a colour per row, caption, border and table alignment.
///
/// The launcher calls `fjerntabel` with the selected text before showing it
/// and, after OK, writes value().build() into the page. The dialog keeps its
/// state in a TableBuilderModel; the grid and controls only show it.
class Ttablebuilderdialog : public TagDialog {
    Q_OBJECT
public:
    explicit Ttablebuilderdialog(QWidget *parent = nullptr);

    /// Prepares grid and controls from the selection (a new 2 by 2 table
    /// when it holds no table).
    void fjerntabel(const QString &selection);

    const TableBuilderModel &value() const { return m_model; }

    /// The data cell shown as current (1-based column and row).
    int currentColumn() const { return m_column; }
    int currentRow() const { return m_row; }
    /// Makes a data cell current, as clicking it does.
    void setCurrentCell(int column, int row);

    QTableWidget *grid() const { return m_grid; }
    UpDownEdit *widthEdit() const { return m_width; }
    RadioGroup *textAlignGroup() const { return m_textAlign; }
    QCheckBox *colorCheck() const { return m_colorOn; }
    ColorCombo *colorCombo() const { return m_combo; }
    QCheckBox *sameCheck() const { return m_same; }
    QCheckBox *captionCheck() const { return m_captionOn; }
    QLineEdit *captionEdit() const { return m_caption; }
    QCheckBox *valignTopCheck() const { return m_valignTop; }
    QCheckBox *borderCheck() const { return m_borderOn; }
    UpDownEdit *thicknessEdit() const { return m_thickness; }
    RadioGroup *tableAlignGroup() const { return m_tableAlign; }
    QToolButton *insertRowButton() const { return m_insertRow; }
    QToolButton *removeRowButton() const { return m_removeRow; }
    QToolButton *insertColumnButton() const { return m_insertColumn; }
    QToolButton *removeColumnButton() const { return m_removeColumn; }

protected:
    QWidget *firstInput() const override;

private:
    void buildGrid();
    void refreshGrid();
    void refreshControls();
    void showCurrent(bool withColor);
    void enableControls();
    void widthEdited(const QString &text);
    void columnMoved(int logical, int oldVisual, int newVisual);
    void rowMoved(int logical, int oldVisual, int newVisual);

    TableBuilderModel m_model;
    int m_column = 1;
    int m_row = 1;
    bool m_updating = false;

    QTableWidget *m_grid;
    UpDownEdit *m_width;
    RadioGroup *m_textAlign;
    QCheckBox *m_colorOn;
    ColorCombo *m_combo;
    QCheckBox *m_same;
    QCheckBox *m_captionOn;
    QLabel *m_captionLabel;
    QLineEdit *m_caption;
    QCheckBox *m_valignTop;
    QCheckBox *m_borderOn;
    QLabel *m_thicknessLabel;
    UpDownEdit *m_thickness;
    RadioGroup *m_tableAlign;
    QToolButton *m_insertRow;
    QToolButton *m_removeRow;
    QToolButton *m_insertColumn;
    QToolButton *m_removeColumn;
};

} // namespace lumaro
