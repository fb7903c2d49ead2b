// The table builder's state: a new table, reading a written table back, the
// writer, and the grid operations.
#include "extendingarray.h"
#include "tablebuildermodel.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

const char *const kNewTable =
    "<TABLE BORDER=1 ALIGN=CENTER>\r\n"
    "<CAPTION VALIGN=TOP ALIGN=CENTER></CAPTION>\r\n"
    "<TR>\r\n"
    "<TD ALIGN=LEFT WIDTH=150></TD>\r\n"
    "<TD ALIGN=LEFT WIDTH=150></TD>\r\n"
    "</TR>\r\n"
    "<TR>\r\n"
    "<TD ALIGN=LEFT WIDTH=150></TD>\r\n"
    "<TD ALIGN=LEFT WIDTH=150></TD>\r\n"
    "</TR>\r\n"
    "</TABLE>";

TableBuilderModel readBack(const QString &selection)
{
    TableBuilderModel m;
    m.fjerntabel(selection);
    return m;
}

TEST(TableBuilderModel, NothingSelectedWritesNewTableByteForByte)
{
    const TableBuilderModel m = readBack(QString());
    EXPECT_EQ(m.build(), QString::fromLatin1(kNewTable));
    EXPECT_EQ(m.columnCount(), 3);
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.tableAlign, HAlign::Center);
    EXPECT_TRUE(m.valignTop);
    EXPECT_TRUE(m.borderOn);
    EXPECT_TRUE(m.captionOn);
    EXPECT_TRUE(m.same);
    EXPECT_FALSE(m.colorOn);
    EXPECT_EQ(m.thickness, QStringLiteral("1"));
    EXPECT_EQ(m.comboIndex, -1);
}

TEST(TableBuilderModel, SelectionWithoutTableStartsNewTable)
{
    EXPECT_EQ(readBack(QStringLiteral("<table border=1><tr><td>x</td></tr></table>")).build(),
              QString::fromLatin1(kNewTable));
    EXPECT_EQ(readBack(QStringLiteral("just text")).build(), QString::fromLatin1(kNewTable));
}

TEST(TableBuilderModel, RoundTripOfWrittenTable)
{
    TableBuilderModel m = readBack(QString());
    m.insertColumn();
    m.insertRow();
    m.tableAlign = HAlign::Right;
    m.thickness = QStringLiteral("4");
    m.colorOn = true;
    m.same = false;
    m.setColumnWidth(1, 80);
    m.setColumnWidth(2, 120);
    m.setColumnWidth(3, 45);
    m.setColumnAlignment(1, TableBuilderModel::AlignRight);
    m.setColumnAlignment(2, TableBuilderModel::AlignCenter);
    m.pickColor(4, 1);   // Navy
    m.pickColor(9, 2);   // Red
    m.pickColor(15, 3);  // White
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            m.setCell(c, r, QStringLiteral("r%1c%2").arg(r).arg(c));
    m.setCell(2, 2, QStringLiteral("<B>bold</B> & more"));
    const QString written = m.build();
    EXPECT_TRUE(written.contains(QLatin1String("<TD ALIGN=RIGHT BGCOLOR=#000080 WIDTH=80>r1c1</TD>")));

    const TableBuilderModel back = readBack(written);
    ASSERT_EQ(back.columnCount(), 4);
    ASSERT_EQ(back.rowCount(), 4);
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(back.cell(c, r), m.cell(c, r)) << r << "," << c;
    EXPECT_EQ(back.columnWidth(1), 80);
    EXPECT_EQ(back.columnWidth(2), 120);
    EXPECT_EQ(back.columnWidth(3), 45);
    EXPECT_EQ(back.columnAlignment(1), TableBuilderModel::AlignRight);
    EXPECT_EQ(back.columnAlignment(2), TableBuilderModel::AlignCenter);
    EXPECT_EQ(back.columnAlignment(3), TableBuilderModel::AlignLeft);
    EXPECT_EQ(back.rowColor(1), 4);
    EXPECT_EQ(back.rowColor(2), 9);
    EXPECT_EQ(back.rowColor(3), 15);
    EXPECT_TRUE(back.colorOn);
    EXPECT_FALSE(back.same);
    EXPECT_EQ(back.comboIndex, 15);
    EXPECT_EQ(back.tableAlign, HAlign::Right);
    EXPECT_EQ(back.thickness, QStringLiteral("4"));
    EXPECT_EQ(back.build(), written);
}

TEST(TableBuilderModel, NavyRowColourWritten)
{
    TableBuilderModel m = readBack(QString());
    m.colorOn = true;
    m.same = false;
    m.pickColor(4, 2);
    const QString out = m.build();
    EXPECT_TRUE(out.contains(QLatin1String("<TR>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n</TR>\r\n"
                                           "<TR>\r\n<TD ALIGN=LEFT BGCOLOR=#000080 WIDTH=150></TD>\r\n")))
        << out.toStdString();
}

TEST(TableBuilderModel, LastCellWithoutBgcolorClearsColour)
{
    const QString table = QStringLiteral(
        "<TABLE BORDER=1 ALIGN=CENTER>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT BGCOLOR=#FF0000 WIDTH=60>a</TD>\r\n<TD ALIGN=LEFT BGCOLOR=#FF0000 WIDTH=60>b</TD>\r\n</TR>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT BGCOLOR=#0000FF WIDTH=60>c</TD>\r\n<TD ALIGN=LEFT WIDTH=60>d</TD>\r\n</TR>\r\n"
        "</TABLE>");
    const TableBuilderModel m = readBack(table);
    EXPECT_FALSE(m.colorOn);
    EXPECT_TRUE(m.same);
    EXPECT_FALSE(m.captionOn);
    EXPECT_EQ(m.build(), QStringLiteral(
        "<TABLE BORDER=1 ALIGN=CENTER>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT WIDTH=60>a</TD>\r\n<TD ALIGN=LEFT WIDTH=60>b</TD>\r\n</TR>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT WIDTH=60>c</TD>\r\n<TD ALIGN=LEFT WIDTH=60>d</TD>\r\n</TR>\r\n"
        "</TABLE>"));
}

TEST(TableBuilderModel, OneCellTableGrowsToTwoByTwo)
{
    const TableBuilderModel m = readBack(QStringLiteral(
        "<TABLE BORDER=1 ALIGN=LEFT>\r\n<TR>\r\n<TD ALIGN=CENTER WIDTH=70>only</TD>\r\n</TR>\r\n</TABLE>"));
    EXPECT_EQ(m.columnCount(), 3);
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("only"));
    EXPECT_EQ(m.build(), QStringLiteral(
        "<TABLE BORDER=1 ALIGN=LEFT>\r\n"
        "<TR>\r\n<TD ALIGN=CENTER WIDTH=70>only</TD>\r\n<TD ALIGN=LEFT WIDTH=25></TD>\r\n</TR>\r\n"
        "<TR>\r\n<TD ALIGN=CENTER WIDTH=70></TD>\r\n<TD ALIGN=LEFT WIDTH=25></TD>\r\n</TR>\r\n"
        "</TABLE>"));
}

TEST(TableBuilderModel, CaptionReadBack)
{
    TableBuilderModel m = readBack(QString());
    m.caption = QStringLiteral("Sales 2024");
    m.valignTop = false;
    const TableBuilderModel back = readBack(m.build());
    EXPECT_TRUE(back.captionOn);
    EXPECT_FALSE(back.valignTop);
    EXPECT_EQ(back.caption, QStringLiteral("Sales 2024"));
    EXPECT_EQ(back.build(), m.build());
}

TEST(TableBuilderModel, BorderValueEndsAtCloseOfTag)
{
    // Without a space after the value the thickness must not run on into
    // the following lines.
    const TableBuilderModel m = readBack(QStringLiteral("<TABLE BORDER=2>\r\n<TR><TD WIDTH=40>x</TD></TR>\r\n</TABLE>"));
    EXPECT_EQ(m.thickness, QStringLiteral("2"));
    EXPECT_TRUE(m.build().startsWith(QLatin1String("<TABLE BORDER=2 ALIGN=CENTER>\r\n<TR>")));
}

TEST(TableBuilderModel, HandWrittenCellsWithoutAttributesOrEndTags)
{
    const TableBuilderModel m = readBack(QStringLiteral(
        "<TABLE>\n<TR><TD>a<TD>b\n<TR><TD>c</TD><TD>d</TD></TR></TABLE>"));
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("a"));
    EXPECT_EQ(m.cell(2, 1), QStringLiteral("b\n"));
    EXPECT_EQ(m.cell(1, 2), QStringLiteral("c"));
    EXPECT_EQ(m.cell(2, 2), QStringLiteral("d"));
}

TEST(TableBuilderModel, AttributesInCellTextAreNotTheCellsOwn)
{
    const TableBuilderModel m = readBack(QStringLiteral(
        "<TABLE BORDER=1 ALIGN=CENTER>\r\n<TR>\r\n"
        "<TD ALIGN=CENTER WIDTH=90><IMG SRC=\"a.gif\" WIDTH=10 ALIGN=RIGHT></TD>\r\n"
        "<TD ALIGN=LEFT WIDTH=50>x</TD>\r\n</TR>\r\n</TABLE>"));
    EXPECT_EQ(m.columnWidth(1), 90);
    EXPECT_EQ(m.columnAlignment(1), TableBuilderModel::AlignCenter);
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("<IMG SRC=\"a.gif\" WIDTH=10 ALIGN=RIGHT>"));
}

TEST(TableBuilderModel, TableAlignmentCompareOrder)
{
    // The first ALIGN= value is compared up to a space, then up to ">".
    EXPECT_EQ(readBack(QStringLiteral("<TABLE ALIGN=RIGHT>")).tableAlign, HAlign::Right);
    EXPECT_EQ(readBack(QStringLiteral("<TABLE ALIGN=LEFT BORDER=1>")).tableAlign, HAlign::Left);
    EXPECT_EQ(readBack(QStringLiteral("<TABLE ALIGN=middle>")).tableAlign, HAlign::Center);
}

TEST(TableBuilderModel, RemoveAtMinimumDoesNothing)
{
    TableBuilderModel m = readBack(QString());
    EXPECT_TRUE(m.removeRow());
    EXPECT_EQ(m.rowCount(), 2);
    EXPECT_FALSE(m.removeRow());
    EXPECT_EQ(m.rowCount(), 2);
    EXPECT_TRUE(m.removeColumn());
    EXPECT_FALSE(m.removeColumn());
    EXPECT_EQ(m.columnCount(), 2);
    EXPECT_EQ(m.build(), QStringLiteral("<TABLE BORDER=1 ALIGN=CENTER>\r\n"
                                        "<CAPTION VALIGN=TOP ALIGN=CENTER></CAPTION>\r\n"
                                        "<TR>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n</TR>\r\n</TABLE>"));
}

TEST(TableBuilderModel, InsertAddsAtEndWithDefaults)
{
    TableBuilderModel m = readBack(QString());
    m.setCell(2, 2, QStringLiteral("keep"));
    m.insertColumn();
    m.insertRow();
    EXPECT_EQ(m.columnCount(), 4);
    EXPECT_EQ(m.rowCount(), 4);
    EXPECT_EQ(m.cell(2, 2), QStringLiteral("keep"));
    EXPECT_EQ(m.columnWidth(3), TableBuilderModel::DefaultColumnWidth);
    EXPECT_EQ(m.columnAlignment(3), TableBuilderModel::AlignLeft);
    EXPECT_TRUE(m.cell(3, 3).isEmpty());
}

TEST(TableBuilderModel, SameAppliesColourToEveryRowIncludingNewOnes)
{
    TableBuilderModel m = readBack(QString());
    m.colorOn = true;
    m.same = true;
    m.pickColor(2, 1);
    for (int i = 0; i < 1100; ++i)
        m.insertRow();
    EXPECT_EQ(m.rowColor(1), 2);
    EXPECT_EQ(m.rowColor(1102), 2);
    m.setSame(false);  // copies the combo's index again
    m.pickColor(5, 1050);
    EXPECT_EQ(m.rowColor(1050), 5);
    EXPECT_EQ(m.rowColor(1049), 2);
    EXPECT_TRUE(m.build().contains(QLatin1String("BGCOLOR=#800080")));
}

TEST(TableBuilderModel, BeyondHundredColumnsAndThousandRowsNothingOverflows)
{
    TableBuilderModel m = readBack(QString());
    for (int i = 0; i < 150; ++i)
        m.insertColumn();
    for (int i = 0; i < 1200; ++i)
        m.insertRow();
    m.colorOn = true;
    m.same = false;
    m.setColumnAlignment(140, TableBuilderModel::AlignRight);
    m.pickColor(12, 1150);
    EXPECT_EQ(m.columnAlignment(140), TableBuilderModel::AlignRight);
    EXPECT_EQ(m.columnAlignment(141), TableBuilderModel::AlignLeft);
    EXPECT_EQ(m.rowColor(1150), 12);
    EXPECT_EQ(m.rowColor(1151), -1);
    const TableBuilderModel back = readBack(m.build());
    EXPECT_EQ(back.columnCount(), 153);
    EXPECT_EQ(back.rowCount(), 1203);
    EXPECT_EQ(back.columnAlignment(140), TableBuilderModel::AlignRight);
    EXPECT_EQ(back.rowColor(1150), 12);
}

TEST(TableBuilderModel, MovingAColumnCarriesTextWidthAndAlignment)
{
    TableBuilderModel m = readBack(QString());
    m.insertColumn();
    m.setCell(1, 1, QStringLiteral("a"));
    m.setCell(2, 1, QStringLiteral("b"));
    m.setCell(3, 1, QStringLiteral("c"));
    m.setColumnWidth(3, 33);
    m.setColumnAlignment(3, TableBuilderModel::AlignRight);
    m.moveColumn(3, 1);
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("c"));
    EXPECT_EQ(m.cell(2, 1), QStringLiteral("a"));
    EXPECT_EQ(m.cell(3, 1), QStringLiteral("b"));
    EXPECT_EQ(m.columnWidth(1), 33);
    EXPECT_EQ(m.columnAlignment(1), TableBuilderModel::AlignRight);
    EXPECT_EQ(m.columnAlignment(2), TableBuilderModel::AlignLeft);
    m.moveColumn(0, 2);  // the fixed column does not move
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("c"));
}

TEST(TableBuilderModel, MovingARowCarriesTextAndColour)
{
    TableBuilderModel m = readBack(QString());
    m.same = false;
    m.setCell(1, 1, QStringLiteral("first"));
    m.setCell(1, 2, QStringLiteral("second"));
    m.pickColor(9, 2);
    m.moveRow(2, 1);
    EXPECT_EQ(m.cell(1, 1), QStringLiteral("second"));
    EXPECT_EQ(m.rowColor(1), 9);
    EXPECT_EQ(m.cell(1, 2), QStringLiteral("first"));
    EXPECT_EQ(m.rowColor(2), -1);
}

TEST(TableBuilderModel, MalformedSelectionsEndWithoutHanging)
{
    const QStringList inputs = {
        QStringLiteral("<TABLE<TR"), QStringLiteral("<TABLE <TR><TR><TR>"), QStringLiteral("<TABLE><TR><TD"),
        QStringLiteral("<TABLE><TR><TD ALIGN="), QStringLiteral("<TABLE BORDER="), QStringLiteral("<TABLE ALIGN="),
        QStringLiteral("<TABLE CAPTION VALIGN="), QStringLiteral("<TABLE><TD>x</TD><TD>y"),
        QStringLiteral("<TABLE><TR><TD WIDTH=99999999999>x</TD>"),
    };
    for (const QString &in : inputs) {
        TableBuilderModel m;
        m.fjerntabel(in);
        EXPECT_GE(m.columnCount(), 3) << in.toStdString();
        EXPECT_GE(m.rowCount(), 3) << in.toStdString();
        EXPECT_TRUE(m.build().endsWith(QLatin1String("</TABLE>")));
    }
}

TEST(ExtendingArray, GrowsAndFills)
{
    ExtendingArray a(-1);
    EXPECT_EQ(a.value(5000), -1);
    a.set(3, 7);
    EXPECT_EQ(a.value(3), 7);
    EXPECT_EQ(a.value(2), -1);
    a.set(10000, -1);
    EXPECT_EQ(a.storedSize(), 4);  // writing the fill value needs no room
    a.fill(2);
    EXPECT_EQ(a.value(3), 2);
    EXPECT_EQ(a.value(123456), 2);
    a.set(-1, 5);
    EXPECT_EQ(a.value(-1), 2);
    a.set(0, 1);
    a.move(0, 3);
    EXPECT_EQ(a.value(3), 1);
    EXPECT_EQ(a.value(0), 2);
}

} // namespace
