// Reading selected tags back, writing tags, and the named colour table.
#include "namedcolors.h"
#include "tagbuilder.h"
#include "tagdecoder.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

struct AttributeCase {
    const char *label;
    const char *tag;
    const char *name;
    bool present;
    const char *value;
};

class AttributeDecoding : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(AttributeDecoding, FindsFirstOccurrenceUpToSpaceOrClose)
{
    const AttributeCase &c = GetParam();
    const auto value = TagDecoder::attribute(QString::fromUtf8(c.tag), QString::fromLatin1(c.name));
    ASSERT_EQ(value.has_value(), c.present);
    if (c.present)
        EXPECT_EQ(*value, QString::fromUtf8(c.value));
}

const AttributeCase kAttributeCases[] = {
    {"ValueBeforeSpace", "<TABLE BORDER=3 ALIGN=CENTER>", "BORDER", true, "3"},
    {"ValueBeforeClose", "<TABLE BORDER=3>", "BORDER", true, "3"},
    {"LastValueBeforeClose", "<TABLE BORDER=3 ALIGN=CENTER>", "ALIGN", true, "CENTER"},
    {"QuotesKept", "<TABLE BORDER=\"3\">", "BORDER", true, "\"3\""},
    {"QuotedValueWithSpaceStopsAtSpace", "<TD BGCOLOR=\"light blue\">", "BGCOLOR", true, "\"light"},
    {"Absent", "<TABLE BORDER=3>", "ALIGN", false, ""},
    {"LowerCaseNameNotFound", "<TABLE border=3>", "BORDER", false, ""},
    {"AlignNotFoundInsideValign", "<TD VALIGN=TOP>", "ALIGN", false, ""},
    {"AlignAfterValignFound", "<TD VALIGN=BOTTOM ALIGN=RIGHT>", "ALIGN", true, "RIGHT"},
    {"LinkNotFoundInsideVlink", "<BODY VLINK=red LINK=blue>", "LINK", true, "blue"},
    {"AfterTab", "<TD\tALIGN=LEFT>", "ALIGN", true, "LEFT"},
    {"AfterLineBreak", "<TD\r\nALIGN=LEFT>", "ALIGN", true, "LEFT"},
    {"NotAtTextStart", "ALIGN=LEFT", "ALIGN", false, ""},
    {"NameWithoutEqualsSkipped", "<TABLE BORDER BORDER=5>", "BORDER", true, "5"},
    {"BorderNotFoundInBorderColor", "<TABLE BORDERCOLOR=#FF0000>", "BORDER", false, ""},
    {"EmptyValue", "<TD WIDTH=>", "WIDTH", true, ""},
    {"NoCloseRunsToEnd", "<TD WIDTH=40", "WIDTH", true, "40"},
    {"SpaceAfterCloseIgnored", "<TD WIDTH=40>a b", "WIDTH", true, "40"},
    {"EmptyText", "", "WIDTH", false, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, AttributeDecoding, ::testing::ValuesIn(kAttributeCases),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(TagDecoder, StartIsComparedExactlyAndCaseSensitively)
{
    EXPECT_TRUE(TagDecoder::startsWithTag(QStringLiteral("<TABLE BORDER=3>"), QStringLiteral("<TABLE")));
    EXPECT_FALSE(TagDecoder::startsWithTag(QStringLiteral("<table border=3>"), QStringLiteral("<TABLE")));
    EXPECT_FALSE(TagDecoder::startsWithTag(QStringLiteral(" <TABLE>"), QStringLiteral("<TABLE")));
    EXPECT_FALSE(TagDecoder::startsWithTag(QStringLiteral("<TAB"), QStringLiteral("<TABLE")));
    // Only the characters of the start are compared: "<TR" also begins "<TRACK".
    EXPECT_TRUE(TagDecoder::startsWithTag(QStringLiteral("<TRACK>"), QStringLiteral("<TR")));
}

TEST(TagDecoder, ContentRunsFromFirstCloseToNextOpen)
{
    EXPECT_EQ(TagDecoder::content(QStringLiteral("<TD ALIGN=RIGHT WIDTH=40>Price</TD>")), QStringLiteral("Price"));
    EXPECT_EQ(TagDecoder::content(QStringLiteral("<TD>a<B>b</B></TD>")), QStringLiteral("a"));
    EXPECT_EQ(TagDecoder::content(QStringLiteral("<TD>")), QString());
    EXPECT_EQ(TagDecoder::content(QStringLiteral("<TD>tail")), QStringLiteral("tail"));
    EXPECT_EQ(TagDecoder::content(QStringLiteral("<TD")), QString());
}

TEST(TagBuilder, WritesAttributesInOrderAndEndsByFlag)
{
    TagBuilder b(QStringLiteral("TABLE"));
    b.add(QStringLiteral("ALIGN"), QStringLiteral("LEFT")).addIfNotEmpty(QStringLiteral("BGCOLOR"), QString());
    b.addIfNotEmpty(QStringLiteral("BORDERCOLOR"), QStringLiteral("#FF0000"));
    EXPECT_EQ(b.text(), QStringLiteral("<TABLE ALIGN=LEFT BORDERCOLOR=#FF0000"));
    EXPECT_EQ(b.finish(true), QStringLiteral("<TABLE ALIGN=LEFT BORDERCOLOR=#FF0000>"));
    EXPECT_EQ(b.finish(false), QStringLiteral("<TABLE ALIGN=LEFT BORDERCOLOR=#FF0000>\r\n\r\n</TABLE>"));
    EXPECT_EQ(TagBuilder(QStringLiteral("TD")).element(QStringLiteral("x")), QStringLiteral("<TD>x</TD>"));
}

TEST(NamedColors, TableInOrder)
{
    const char *const expected[16][3] = {
        {"Black", "clblack", "#000000"},   {"Maroon", "clmaroon", "#800000"}, {"Green", "clgreen", "#008000"},
        {"Olive", "clolive", "#808000"},   {"Navy", "clnavy", "#000080"},     {"Purple", "clpurple", "#800080"},
        {"Teal", "clteal", "#008080"},     {"Gray", "clgray", "#808080"},     {"Silver", "clsilver", "#C0C0C0"},
        {"Red", "clred", "#FF0000"},       {"Lime", "cllime", "#00FF00"},     {"Yellow", "clyellow", "#FFFF00"},
        {"Blue", "clblue", "#0000FF"},     {"Fuchsia", "clfuchsia", "#FF00FF"}, {"Aqua", "claqua", "#00FFFF"},
        {"White", "clwhite", "#FFFFFF"},
    };
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(NamedColors::name(i), QLatin1String(expected[i][0]));
        EXPECT_EQ(NamedColors::swatchName(i), QLatin1String(expected[i][1]));
        EXPECT_EQ(NamedColors::value(i), QLatin1String(expected[i][2]));
        EXPECT_EQ(NamedColors::lookup(QLatin1String(expected[i][2])), i);
        EXPECT_EQ(NamedColors::hexText(NamedColors::color(i)), QLatin1String(expected[i][2]));
    }
    EXPECT_TRUE(NamedColors::name(16).isEmpty());
    EXPECT_TRUE(NamedColors::value(-1).isEmpty());
    EXPECT_FALSE(NamedColors::color(16).isValid());
}

TEST(NamedColors, LookupIsExact)
{
    EXPECT_EQ(NamedColors::lookup(QStringLiteral("#C0C0C0")), 8);
    EXPECT_EQ(NamedColors::lookup(QStringLiteral("#c0c0c0")), -1);
    EXPECT_EQ(NamedColors::lookup(QStringLiteral("C0C0C0")), -1);
    EXPECT_EQ(NamedColors::lookup(QStringLiteral("red")), -1);
    EXPECT_EQ(NamedColors::lookup(QStringLiteral("#123456")), -1);
    EXPECT_EQ(NamedColors::lookup(QStringLiteral("\"#FF0000\"")), -1);
    EXPECT_EQ(NamedColors::lookup(QString()), -1);
}

TEST(NamedColors, HexTextIsUpperCaseRgb)
{
    EXPECT_EQ(NamedColors::hexText(QColor(255, 0, 0)), QStringLiteral("#FF0000"));
    EXPECT_EQ(NamedColors::hexText(QColor(0x12, 0x34, 0x56)), QStringLiteral("#123456"));
    EXPECT_EQ(NamedColors::hexText(QColor(0xab, 0xcd, 0xef)), QStringLiteral("#ABCDEF"));
    // Colours in other specs are resolved to RGB first.
    EXPECT_EQ(NamedColors::hexText(QColor::fromHsv(0, 255, 255)), QStringLiteral("#FF0000"));
}

} // namespace
