#include "colorsettings.h"
#include "colortables.h"
#include "tagclass.h"
#include "testsandbox.h"
#include "tregini.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace lumaro;

struct ClassCase {
    const char *text;
    TagClass withException;
    TagClass withoutException;
    friend void PrintTo(const ClassCase &c, std::ostream *os) { *os << c.text; }
};

class TagClassifierTest : public ::testing::TestWithParam<ClassCase> {};

TEST_P(TagClassifierTest, PrefixesSelectTheClass)
{
    const ClassCase &c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(TagClassifier::classify(text, true), c.withException) << c.text;
    EXPECT_EQ(TagClassifier::classify(text, false), c.withoutException) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, TagClassifierTest,
    ::testing::Values(
        ClassCase{"<A HREF=x>", TagClass::Anchor, TagClass::Anchor},
        ClassCase{"</A>", TagClass::Anchor, TagClass::Anchor},
        ClassCase{"A>", TagClass::Anchor, TagClass::Anchor},
        ClassCase{"A NAME=x>", TagClass::Anchor, TagClass::Anchor},
        ClassCase{"<A>", TagClass::All, TagClass::All},          // "<A>" is none of the prefixes
        ClassCase{"<ABBR>", TagClass::All, TagClass::All},
        ClassCase{"</ADDRESS>", TagClass::All, TagClass::Anchor}, // the one exception
        ClassCase{"</ABBR>", TagClass::Anchor, TagClass::Anchor}, // "</A" is a plain prefix
        ClassCase{"<CENTER>", TagClass::Center, TagClass::Center},
        ClassCase{"</CENTER>", TagClass::Center, TagClass::Center},
        ClassCase{"CENTER>", TagClass::Center, TagClass::Center},
        ClassCase{"<CENTER ALIGN>", TagClass::All, TagClass::All},
        ClassCase{"<IMG SRC=x>", TagClass::Image, TagClass::Image},
        ClassCase{"IMG>", TagClass::Image, TagClass::Image},
        ClassCase{"</IMG>", TagClass::Image, TagClass::Image},
        ClassCase{"<MARQUEE LOOP=1>", TagClass::Marquee, TagClass::Marquee},
        ClassCase{"</MARQUEE>", TagClass::Marquee, TagClass::Marquee},
        ClassCase{"MARQUEE>", TagClass::Marquee, TagClass::Marquee},
        ClassCase{"<a href=x>", TagClass::All, TagClass::All},
        ClassCase{"<img src=x>", TagClass::All, TagClass::All},
        ClassCase{"<!-- A -->", TagClass::All, TagClass::All},
        ClassCase{"", TagClass::All, TagClass::All}));

TEST(ColorTablesTest, ColourValuesAreBgrAndGreysInTableOrder)
{
    const quint32 expected[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                  0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                  0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(ColorTables::colorValue(i), expected[i]) << i;
    EXPECT_EQ(ColorTables::colorfraindex(7), QColor(192, 192, 192));
    EXPECT_EQ(ColorTables::colorfraindex(8), QColor(128, 128, 128));
    EXPECT_EQ(ColorTables::colorfraindex(12), QColor(0, 0, 255));
    EXPECT_EQ(ColorTables::colorfraindex(16), QColor(0, 0, 255));
    EXPECT_EQ(ColorTables::colorfraindex(-1), QColor(0, 0, 255));
}

TEST(ColorTablesTest, AttributeIndexIsNotABitMask)
{
    const char *rtf[8] = {"", "\\b", "\\i", "\\ul", "\\b\\i", "\\b\\ul", "\\i\\ul", "\\b\\i\\ul"};
    const FontStyle styles[8] = {{false, false, false}, {true, false, false}, {false, true, false},
                                 {false, false, true},  {true, true, false},  {true, false, true},
                                 {false, true, true},   {true, true, true}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ColorTables::rtfattrfraindex(i), QString::fromLatin1(rtf[i])) << i;
        EXPECT_EQ(ColorTables::fontattrfraindex(i), styles[i]) << i;
    }
    EXPECT_EQ(ColorTables::rtfattrfraindex(8), QString());
    EXPECT_EQ(ColorTables::fontattrfraindex(-1), FontStyle{});
}

class ColorSettingsTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }
};

TEST_F(ColorSettingsTest, ReadsEverySettingAndFallsBackOnBadIndices)
{
    tregini store;
    store.writeusecolor(true);
    store.writecolorindex(QStringLiteral("anchor"), 9);
    store.writecolorindex(QStringLiteral("image"), 99);   // edited by hand
    store.writefontattrindex(QStringLiteral("center"), 4);
    store.writefontattrindex(QStringLiteral("all"), 8);
    store.writefontname(QStringLiteral("Mono"));
    store.writefontsize(14);
    const ColorSettings s = ColorSettings::read();
    EXPECT_TRUE(s.usecolor);
    EXPECT_FALSE(s.usefontattr);
    EXPECT_EQ(s.colorIndexOf(TagClass::Anchor), 9);
    EXPECT_EQ(s.colorIndexOf(TagClass::Image), 12);
    EXPECT_EQ(s.attrIndexOf(TagClass::Center), 4);
    EXPECT_EQ(s.attrIndexOf(TagClass::All), 0);
    EXPECT_EQ(s.fontName, QStringLiteral("Mono"));
    EXPECT_EQ(s.fontSize, 14);
}

TEST_F(ColorSettingsTest, RtfCodesAreEmptyWhenTheirSwitchIsOff)
{
    ColorSettings s;
    s.colorIndex = {9, 12, 12, 12, 3};
    s.attrIndex = {5, 0, 0, 0, 0};
    EXPECT_EQ(s.rtfcolorcode(u"<A HREF"), QString());
    EXPECT_EQ(s.rtfattrcode(u"<A HREF"), QString());
    s.usecolor = true;
    s.usefontattr = true;
    EXPECT_EQ(s.rtfcolorcode(u"<A HREF"), QStringLiteral("\\cf9"));
    EXPECT_EQ(s.rtfattrcode(u"<A HREF"), QStringLiteral("\\b\\ul"));
    EXPECT_EQ(s.rtfcolorcode(u"</ADDRESS>"), QStringLiteral("\\cf9"));
    EXPECT_EQ(s.rtfcolorcode(u"<p>"), QStringLiteral("\\cf3"));
    EXPECT_EQ(s.rtfattrcode(u"<p>"), QString());
}
