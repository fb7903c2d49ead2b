// The table builder's grid and controls offscreen: what a click shows, what
// the controls change, moving columns and rows, and the row/column buttons.
#include "colorcombo.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "ttablebuilderdialog.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

class TableBuilderDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lumaro::test::TestSandbox::clearSettings();
        dialog.fjerntabel(QString());
        dialog.show();
    }
    ScriptedInteraction scripted;
    Ttablebuilderdialog dialog;
};

TEST_F(TableBuilderDialogTest, NewTableShowsItsDefaults)
{
    EXPECT_EQ(dialog.grid()->rowCount(), 2);
    EXPECT_EQ(dialog.grid()->columnCount(), 2);
    EXPECT_EQ(dialog.grid()->columnWidth(0), 150);
    EXPECT_EQ(dialog.grid()->columnWidth(1), 150);
    EXPECT_EQ(dialog.widthEdit()->text(), QStringLiteral("150"));
    EXPECT_EQ(dialog.thicknessEdit()->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.textAlignGroup()->checkedIndex(), 0);
    EXPECT_EQ(dialog.tableAlignGroup()->checkedIndex(), 1);
    EXPECT_TRUE(dialog.valignTopCheck()->isChecked());
    EXPECT_TRUE(dialog.borderCheck()->isChecked());
    EXPECT_TRUE(dialog.captionCheck()->isChecked());
    EXPECT_TRUE(dialog.sameCheck()->isChecked());
    EXPECT_FALSE(dialog.colorCheck()->isChecked());
    EXPECT_FALSE(dialog.colorCombo()->isEnabled());
    EXPECT_FALSE(dialog.sameCheck()->isEnabled());
    EXPECT_EQ(dialog.colorCombo()->currentIndex(), -1);
    EXPECT_EQ(dialog.insertRowButton()->toolTip(), QStringLiteral("Insert row"));
    EXPECT_EQ(dialog.removeRowButton()->toolTip(), QStringLiteral("Remove row"));
    EXPECT_EQ(dialog.insertColumnButton()->toolTip(), QStringLiteral("Insert col"));
}

TEST_F(TableBuilderDialogTest, ClickingACellShowsItsColumnAndRow)
{
    dialog.insertColumnButton()->click();
    dialog.setCurrentCell(3, 1);
    EXPECT_EQ(dialog.widthEdit()->text(), QStringLiteral("25"));
    dialog.textAlignGroup()->button(1)->click();
    dialog.colorCheck()->click();
    dialog.sameCheck()->click();  // clear "Same"
    emit dialog.colorCombo()->activated(9);
    dialog.setCurrentCell(1, 2);
    EXPECT_EQ(dialog.widthEdit()->text(), QStringLiteral("150"));
    EXPECT_EQ(dialog.textAlignGroup()->checkedIndex(), 0);
    EXPECT_EQ(dialog.colorCombo()->currentIndex(), -1);
    dialog.setCurrentCell(3, 1);
    EXPECT_EQ(dialog.textAlignGroup()->checkedIndex(), 1);
    EXPECT_EQ(dialog.colorCombo()->currentIndex(), 9);
    EXPECT_EQ(dialog.value().columnAlignment(3), TableBuilderModel::AlignCenter);
    EXPECT_EQ(dialog.value().rowColor(1), 9);
    EXPECT_EQ(dialog.value().rowColor(2), -1);
}

TEST_F(TableBuilderDialogTest, SameAppliesPickedColourToEveryRow)
{
    dialog.colorCheck()->click();
    EXPECT_TRUE(dialog.colorCombo()->isEnabled());
    EXPECT_TRUE(dialog.sameCheck()->isEnabled());
    emit dialog.colorCombo()->activated(4);
    dialog.insertRowButton()->click();
    EXPECT_EQ(dialog.value().rowColor(1), 4);
    EXPECT_EQ(dialog.value().rowColor(3), 4);
    EXPECT_TRUE(dialog.value().build().contains(QLatin1String(
        "<TR>\r\n<TD ALIGN=LEFT BGCOLOR=#000080 WIDTH=150></TD>\r\n<TD ALIGN=LEFT BGCOLOR=#000080 WIDTH=150></TD>\r\n</TR>\r\n</TABLE>")));
}

TEST_F(TableBuilderDialogTest, WidthBoxSetsCurrentColumnWidth)
{
    dialog.setCurrentCell(2, 1);
    dialog.widthEdit()->setFocus();
    dialog.widthEdit()->stepBy(1);
    EXPECT_EQ(dialog.grid()->columnWidth(1), 151);
    EXPECT_EQ(dialog.value().columnWidth(2), 151);
    // A typed entry that is no number is refused with the conversion message.
    emit dialog.widthEdit()->textEdited(QStringLiteral("wide"));
    EXPECT_EQ(scripted.lastMessage(), QStringLiteral("'wide' is not a valid integer value"));
    EXPECT_EQ(dialog.value().columnWidth(2), 151);
    // Dragging the column's edge shows the new width.
    dialog.grid()->horizontalHeader()->resizeSection(1, 88);
    EXPECT_EQ(dialog.widthEdit()->text(), QStringLiteral("88"));
    EXPECT_EQ(dialog.value().columnWidth(2), 88);
}

TEST_F(TableBuilderDialogTest, MovingAColumnMovesItsData)
{
    dialog.insertColumnButton()->click();
    dialog.grid()->item(0, 0)->setText(QStringLiteral("a"));
    dialog.grid()->item(0, 2)->setText(QStringLiteral("c"));
    dialog.setCurrentCell(3, 1);
    dialog.textAlignGroup()->button(2)->click();
    dialog.grid()->horizontalHeader()->moveSection(2, 0);
    // The grid shows the data in the new order; the header itself is not reordered.
    EXPECT_EQ(dialog.grid()->horizontalHeader()->logicalIndex(0), 0);
    EXPECT_EQ(dialog.grid()->item(0, 0)->text(), QStringLiteral("c"));
    EXPECT_EQ(dialog.grid()->item(0, 1)->text(), QStringLiteral("a"));
    EXPECT_EQ(dialog.grid()->columnWidth(0), 25);
    EXPECT_EQ(dialog.value().columnAlignment(1), TableBuilderModel::AlignRight);
    EXPECT_EQ(dialog.currentColumn(), 1);
}

TEST_F(TableBuilderDialogTest, MovingARowMovesItsData)
{
    dialog.grid()->item(0, 0)->setText(QStringLiteral("top"));
    dialog.grid()->item(1, 0)->setText(QStringLiteral("bottom"));
    dialog.grid()->verticalHeader()->moveSection(1, 0);
    EXPECT_EQ(dialog.grid()->item(0, 0)->text(), QStringLiteral("bottom"));
    EXPECT_EQ(dialog.value().cell(1, 2), QStringLiteral("top"));
}

TEST_F(TableBuilderDialogTest, RowAndColumnButtons)
{
    dialog.removeRowButton()->click();
    EXPECT_EQ(dialog.grid()->rowCount(), 1);
    dialog.removeRowButton()->click();
    EXPECT_EQ(dialog.grid()->rowCount(), 1);
    dialog.removeColumnButton()->click();
    dialog.removeColumnButton()->click();
    EXPECT_EQ(dialog.grid()->columnCount(), 1);
    dialog.insertRowButton()->click();
    dialog.insertColumnButton()->click();
    EXPECT_EQ(dialog.grid()->rowCount(), 2);
    EXPECT_EQ(dialog.grid()->columnCount(), 2);
    EXPECT_EQ(dialog.grid()->columnWidth(1), 25);
}

TEST_F(TableBuilderDialogTest, CheckBoxesEnableTheirControls)
{
    dialog.captionCheck()->click();
    EXPECT_FALSE(dialog.captionEdit()->isEnabled());
    EXPECT_FALSE(dialog.valignTopCheck()->isEnabled());
    dialog.borderCheck()->click();
    EXPECT_FALSE(dialog.thicknessEdit()->isEnabled());
    dialog.tableAlignGroup()->button(0)->click();
    EXPECT_EQ(dialog.value().build(), QStringLiteral(
        "<TABLE ALIGN=LEFT>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n</TR>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n</TR>\r\n"
        "</TABLE>"));
}

TEST_F(TableBuilderDialogTest, ReadBackWithoutColourShowsColourCleared)
{
    dialog.fjerntabel(QStringLiteral("<TABLE BORDER=1 ALIGN=RIGHT>\r\n<TR>\r\n<TD ALIGN=LEFT BGCOLOR=#FF0000 WIDTH=40>x</TD>\r\n"
                                     "<TD ALIGN=RIGHT WIDTH=60>y</TD>\r\n</TR>\r\n</TABLE>"));
    EXPECT_FALSE(dialog.colorCheck()->isChecked());
    EXPECT_TRUE(dialog.sameCheck()->isChecked());
    EXPECT_FALSE(dialog.colorCombo()->isEnabled());
    EXPECT_EQ(dialog.tableAlignGroup()->checkedIndex(), 2);
    EXPECT_EQ(dialog.widthEdit()->text(), QStringLiteral("40"));
    EXPECT_FALSE(dialog.value().build().contains(QLatin1String("BGCOLOR")));
}

} // namespace
