// The table, row, cell and caption tag models: defaults, decoding and the
// exact text written on OK.
#include "bordercolors.h"
#include "tablecaptiontag.h"
#include "tabledatatag.h"
#include "tablerowtag.h"
#include "tabletag.h"
#include "tagbuilder.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QString decodeAndBuildTable(const QString &selection)
{
    TableTag t;
    t.decode(selection);
    return t.build();
}

TEST(TableTag, NothingSelectedWritesWholeElementWithDefaults)
{
    TableTag t;
    t.decode(QString());
    EXPECT_FALSE(t.editExisting);
    EXPECT_EQ(t.align, HAlign::Left);
    EXPECT_EQ(t.valign, VAlign::Center);
    EXPECT_TRUE(t.border);
    EXPECT_EQ(t.thickness, QStringLiteral("2"));
    EXPECT_EQ(t.build(), QStringLiteral("<TABLE ALIGN=LEFT BORDER=2>\r\n\r\n</TABLE>"));
}

TEST(TableTag, SelectedStartTagIsRewrittenAloneInOwnOrder)
{
    EXPECT_EQ(decodeAndBuildTable(QStringLiteral("<TABLE BORDER=3 ALIGN=CENTER>")),
              QStringLiteral("<TABLE ALIGN=CENTER BORDER=3>"));
    EXPECT_EQ(decodeAndBuildTable(QStringLiteral("<TABLE ALIGN=CENTER BORDER=1>")),
              QStringLiteral("<TABLE ALIGN=CENTER BORDER=1>"));
}

TEST(TableTag, WithoutBorderTheCheckBoxIsCleared)
{
    TableTag t;
    t.decode(QStringLiteral("<TABLE>"));
    EXPECT_TRUE(t.editExisting);
    EXPECT_FALSE(t.border);
    EXPECT_EQ(t.thickness, QStringLiteral("2"));
    EXPECT_EQ(t.build(), QStringLiteral("<TABLE ALIGN=LEFT>"));
}

TEST(TableTag, LowerCaseTagIsNotRecognised)
{
    TableTag t;
    t.decode(QStringLiteral("<table border=3>"));
    EXPECT_FALSE(t.editExisting);
    EXPECT_TRUE(t.border);
    EXPECT_EQ(t.thickness, QStringLiteral("2"));
    EXPECT_EQ(t.build(), QStringLiteral("<TABLE ALIGN=LEFT BORDER=2>\r\n\r\n</TABLE>"));
}

TEST(TableTag, LeadingBlankIsNotRecognised)
{
    TableTag t;
    t.decode(QStringLiteral(" <TABLE BORDER=5>"));
    EXPECT_FALSE(t.editExisting);
    EXPECT_EQ(t.thickness, QStringLiteral("2"));
}

TEST(TableTag, ValuesBeforeCloseAndQuotedValues)
{
    TableTag t;
    t.decode(QStringLiteral("<TABLE BORDER=3>"));
    EXPECT_EQ(t.thickness, QStringLiteral("3"));
    t.decode(QStringLiteral("<TABLE BORDER=\"4\" BGCOLOR=\"#FF0000\">"));
    EXPECT_EQ(t.thickness, QStringLiteral("\"4\""));
    EXPECT_EQ(t.colors.background(), QStringLiteral("\"#FF0000\""));
    EXPECT_EQ(t.build(), QStringLiteral("<TABLE ALIGN=LEFT BORDER=\"4\" BGCOLOR=\"#FF0000\">"));
}

TEST(TableTag, AlignIsNotFoundInsideValign)
{
    TableTag t;
    t.decode(QStringLiteral("<TABLE VALIGN=BOTTOM>"));
    EXPECT_EQ(t.align, HAlign::Left);
    EXPECT_EQ(t.valign, VAlign::Bottom);
    // The ALIGN after VALIGN is the one read, so OK keeps the user's tag.
    TableDataTag d;
    d.decode(QStringLiteral("<TD VALIGN=TOP ALIGN=CENTER>"));
    EXPECT_EQ(d.align, HAlign::Center);
    EXPECT_EQ(d.valign, VAlign::Top);
    TableRowTag r;
    r.decode(QStringLiteral("<TR VALIGN=CENTER ALIGN=RIGHT>"));
    EXPECT_EQ(r.align, HAlign::Right);
    EXPECT_EQ(r.build(), QStringLiteral("<TR ALIGN=RIGHT>"));
}

TEST(TableTag, KeywordsComparedExactly)
{
    TableTag t;
    t.decode(QStringLiteral("<TABLE ALIGN=center VALIGN=Top>"));
    EXPECT_EQ(t.align, HAlign::Left);
    EXPECT_EQ(t.valign, VAlign::Center);
    t.decode(QStringLiteral("<TABLE ALIGN=\"RIGHT\">"));
    EXPECT_EQ(t.align, HAlign::Left);
}

TEST(TableTag, EveryAttributeInWrittenOrder)
{
    TableTag t;
    t.decode(QStringLiteral("<TABLE BORDERCOLORDARK=#000080 ALIGN=RIGHT BGCOLOR=#C0C0C0 VALIGN=TOP BORDER=7 "
                            "BORDERCOLORLIGHT=#FFFFFF>"));
    EXPECT_EQ(t.build(), QStringLiteral("<TABLE ALIGN=RIGHT BORDER=7 VALIGN=TOP BGCOLOR=#C0C0C0 "
                                        "BORDERCOLORLIGHT=#FFFFFF BORDERCOLORDARK=#000080>"));
}

TEST(TableTag, ColourNotInTableIsKept)
{
    TableTag t;
    t.decode(QStringLiteral("<TABLE BGCOLOR=#123456 BORDERCOLOR=red>"));
    EXPECT_EQ(t.colors.background(), QStringLiteral("#123456"));
    EXPECT_EQ(t.colors.border(), QStringLiteral("red"));
    EXPECT_EQ(t.build(), QStringLiteral("<TABLE ALIGN=LEFT BGCOLOR=#123456 BORDERCOLOR=red>"));
}

TEST(TableTag, DecodeResetsEarlierState)
{
    TableTag t;
    t.decode(QStringLiteral("<TABLE ALIGN=RIGHT BGCOLOR=#FF0000>"));
    t.decode(QStringLiteral("<TR>"));
    EXPECT_FALSE(t.editExisting);
    EXPECT_EQ(t.align, HAlign::Left);
    EXPECT_TRUE(t.colors.background().isEmpty());
}

TEST(BorderColors, BorderColourExcludesLightAndDark)
{
    BorderColors c;
    c.setLight(QStringLiteral("#FFFFFF"));
    c.setDark(QStringLiteral("#000000"));
    c.setBorder(QStringLiteral("#FF0000"));
    EXPECT_EQ(c.border(), QStringLiteral("#FF0000"));
    EXPECT_TRUE(c.light().isEmpty());
    EXPECT_TRUE(c.dark().isEmpty());
    c.setDark(QStringLiteral("#000080"));
    EXPECT_TRUE(c.border().isEmpty());
    EXPECT_EQ(c.dark(), QStringLiteral("#000080"));
    // Emptying one side leaves the other alone.
    c.setBorder(QString());
    EXPECT_EQ(c.dark(), QStringLiteral("#000080"));
    c.setBackground(QStringLiteral("#00FF00"));
    TagBuilder b(QStringLiteral("TR"));
    c.appendTo(b);
    EXPECT_EQ(b.text(), QStringLiteral("<TR BGCOLOR=#00FF00 BORDERCOLORDARK=#000080"));
}

TEST(BorderColors, DecodingALaterLightValueDropsTheBorderColour)
{
    TableRowTag r;
    r.decode(QStringLiteral("<TR BORDERCOLOR=#FF0000 BORDERCOLORLIGHT=#FFFFFF>"));
    EXPECT_TRUE(r.colors.border().isEmpty());
    EXPECT_EQ(r.colors.light(), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(r.build(), QStringLiteral("<TR ALIGN=LEFT BORDERCOLORLIGHT=#FFFFFF>"));
}

TEST(TableRowTag, NothingSelected)
{
    TableRowTag r;
    r.decode(QString());
    EXPECT_EQ(r.build(), QStringLiteral("<TR ALIGN=LEFT>\r\n\r\n</TR>"));
}

TEST(TableRowTag, SelectedRowRewritten)
{
    TableRowTag r;
    r.decode(QStringLiteral("<TR ALIGN=RIGHT VALIGN=BOTTOM BGCOLOR=#FFFF00>"));
    EXPECT_TRUE(r.editExisting);
    EXPECT_EQ(r.build(), QStringLiteral("<TR ALIGN=RIGHT VALIGN=BOTTOM BGCOLOR=#FFFF00>"));
    // "<TD" is not a row.
    r.decode(QStringLiteral("<TD ALIGN=RIGHT>"));
    EXPECT_FALSE(r.editExisting);
    EXPECT_EQ(r.align, HAlign::Left);
}

TEST(TableDataTag, NothingSelectedWritesEmptyCell)
{
    TableDataTag d;
    d.decode(QString());
    EXPECT_EQ(d.build(), QStringLiteral("<TD></TD>"));
}

TEST(TableDataTag, WholeCellReadAndWrittenBack)
{
    TableDataTag d;
    d.decode(QStringLiteral("<TD ALIGN=RIGHT WIDTH=40>Price</TD>"));
    EXPECT_EQ(d.align, HAlign::Right);
    EXPECT_EQ(d.width, QStringLiteral("40"));
    EXPECT_EQ(d.content, QStringLiteral("Price"));
    EXPECT_EQ(d.build(), QStringLiteral("<TD ALIGN=RIGHT WIDTH=40>Price</TD>"));
}

TEST(TableDataTag, StartTagOnlyGivesCompleteEmptyCell)
{
    TableDataTag d;
    d.decode(QStringLiteral("<TD ALIGN=RIGHT WIDTH=40>"));
    EXPECT_TRUE(d.content.isEmpty());
    EXPECT_EQ(d.build(), QStringLiteral("<TD ALIGN=RIGHT WIDTH=40></TD>"));
}

TEST(TableDataTag, ContentReadOnlyUpToFirstTag)
{
    TableDataTag d;
    d.decode(QStringLiteral("<TD>a<B>b</B></TD>"));
    EXPECT_EQ(d.content, QStringLiteral("a"));
    EXPECT_EQ(d.build(), QStringLiteral("<TD>a</TD>"));
}

TEST(TableDataTag, AttributesInWrittenOrderAndZeroSuppressed)
{
    TableDataTag d;
    d.decode(QStringLiteral("<TD ROWSPAN=2 ALIGN=CENTER BORDERCOLOR=#0000FF COLSPAN=3 VALIGN=TOP WIDTH=0 "
                            "BGCOLOR=#FFFFFF>x</TD>"));
    EXPECT_EQ(d.build(), QStringLiteral("<TD ALIGN=CENTER VALIGN=TOP COLSPAN=3 ROWSPAN=2 BGCOLOR=#FFFFFF "
                                        "BORDERCOLOR=#0000FF>x</TD>"));
    // Only the exact text "0" suppresses; an empty width is written without value.
    d = TableDataTag();
    d.width = QString();
    d.colspan = QStringLiteral("00");
    EXPECT_EQ(d.build(), QStringLiteral("<TD WIDTH= COLSPAN=00></TD>"));
}

TEST(TableDataTag, LeftIsNotWritten)
{
    TableDataTag d;
    d.decode(QStringLiteral("<TD ALIGN=LEFT>x</TD>"));
    EXPECT_EQ(d.build(), QStringLiteral("<TD>x</TD>"));
}

TEST(TableCaptionTag, NothingSelectedWithText)
{
    TableCaptionTag c;
    c.decode(QString());
    c.content = QStringLiteral("Sales");
    EXPECT_EQ(c.build(), QStringLiteral("<CAPTION ALIGN=LEFT VALIGN=TOP>Sales</CAPTION>\r\n"));
}

TEST(TableCaptionTag, SelectedCaptionRead)
{
    TableCaptionTag c;
    c.decode(QStringLiteral("<CAPTION VALIGN=BOTTOM ALIGN=RIGHT>Totals</CAPTION>"));
    EXPECT_EQ(c.align, HAlign::Right);
    EXPECT_EQ(c.valign, VAlign::Bottom);
    EXPECT_EQ(c.content, QStringLiteral("Totals"));
    EXPECT_EQ(c.build(), QStringLiteral("<CAPTION ALIGN=RIGHT VALIGN=BOTTOM>Totals</CAPTION>\r\n"));
    c.decode(QStringLiteral("<CAPTION ALIGN=CENTER VALIGN=CENTER>x</CAPTION>"));
    EXPECT_EQ(c.align, HAlign::Center);
    EXPECT_EQ(c.valign, VAlign::Top);
    c.decode(QStringLiteral("<caption align=center>x</caption>"));
    EXPECT_EQ(c.align, HAlign::Left);
    EXPECT_TRUE(c.content.isEmpty());
}

} // namespace
