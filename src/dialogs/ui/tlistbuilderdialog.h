#pragma once

#include "listbuildermodel.h"
#include "tagdialog.h"

class QTableWidget;
class QToolButton;

namespace lumaro {

class RadioGroup;

/// The "List - builder" dialog: edits a bulleted, ordered or definition list
/// as rows of a grid (cells edited in place, rows dragged by their header)
/// and writes the whole list element.
///
/// The launcher calls `fjernlist` with the selected text before showing it
/// and, after OK, writes value().build() into the page. The dialog keeps its
/// state in a ListBuilderModel; the grid and controls only show it.
class Tlistbuilderdialog : public TagDialog {
    Q_OBJECT
public:
    static constexpr int FixedColumnWidth = 23;
    static constexpr int ItemColumnWidth = 421;
    static constexpr int TermColumnWidth = 75;
    static constexpr int DefinitionColumnWidth = 345;

    explicit Tlistbuilderdialog(QWidget *parent = nullptr);

    /// Resets the dialog and reads a selected list into the grid.
    void fjernlist(const QString &selection);

    const ListBuilderModel &value() const { return m_model; }

    /// One data column (items) or two (terms and definitions).
    void grid1();
    void grid2();
    /// Enable or disable the five ordered-type buttons.
    void enableg2();
    void disableg2();

    QTableWidget *grid() const { return m_grid; }
    RadioGroup *listTypeGroup() const { return m_listType; }
    RadioGroup *orderedTypeGroup() const { return m_orderedType; }
    QToolButton *insertRowButton() const { return m_insertRow; }
    QToolButton *removeRowButton() const { return m_removeRow; }

    void accept() override;

protected:
    QWidget *firstInput() const override;

private:
    void chooseListType(ListBuilderModel::ListType type);
    void refreshGrid();
    void rowMoved(int logical, int oldVisual, int newVisual);

    ListBuilderModel m_model;
    bool m_updating = false;
    QTableWidget *m_grid;
    RadioGroup *m_listType;
    RadioGroup *m_orderedType;
    QToolButton *m_insertRow;
    QToolButton *m_removeRow;
};

} // namespace lumaro
