// The horizontal rule and marquee models: what OK writes for a selection
// left unchanged, the fields read back, and the exact bytes of edited tags.
#include "marqueetag.h"
#include "ruletag.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace lumaro;

namespace {

struct RewriteCase {
    const char *name;
    const char *selection;
    const char *written;  ///< what OK writes without changes
    friend void PrintTo(const RewriteCase &c, std::ostream *os) { *os << c.name; }
};

std::string caseName(const ::testing::TestParamInfo<RewriteCase> &info) { return info.param.name; }

// --- Horizontal rule ------------------------------------------------------------------

class RuleRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(RuleRewrite, OkWithoutChanges)
{
    RuleTag t;
    t.decode(QString::fromUtf8(GetParam().selection));
    EXPECT_EQ(t.build(), QString::fromUtf8(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Table, RuleRewrite,
    ::testing::Values(
        RewriteCase{"NothingSelected", "", "<HR WIDTH=100% >"},
        RewriteCase{"OwnDefault", "<HR WIDTH=100% >", "<HR WIDTH=100% >"},
        RewriteCase{"LeftPixels", "<HR ALIGN=LEFT WIDTH=300 >", "<HR ALIGN=LEFT WIDTH=300 >"},
        RewriteCase{"NoWidthNoSize", "<HR >", "<HR >"},
        RewriteCase{"BareHr", "<HR>", "<HR >"},
        RewriteCase{"SelfClosedHr", "<HR/>", "<HR >"},
        RewriteCase{"Everything", "<HR ALIGN=CENTER WIDTH=50% NOSHADE SIZE=4 >",
                    "<HR ALIGN=CENTER WIDTH=50% NOSHADE SIZE=4 >"},
        RewriteCase{"ForeignOrder", "<HR NOSHADE SIZE=2 ALIGN=RIGHT WIDTH=75%>",
                    "<HR ALIGN=RIGHT WIDTH=75% NOSHADE SIZE=2 >"},
        RewriteCase{"QuotedNumbers", "<HR WIDTH=\"50%\" SIZE=\"3\">", "<HR WIDTH=50% SIZE=3 >"},
        // Only a selection beginning "<HR" is a rule: a sentence keeps the defaults.
        RewriteCase{"SentenceIsNoRule", "Half a sentence", "<HR WIDTH=100% >"},
        RewriteCase{"HrefIsNoRule", "<HREF WIDTH=5>", "<HR WIDTH=100% >"},
        RewriteCase{"LowerCaseIsNoRule", "<hr width=5>", "<HR WIDTH=100% >"},
        // Attributes come from the start tag; what follows it is put back.
        RewriteCase{"TextAfterTagKept", "<HR SIZE=2>\r\nALIGN=CENTER NOSHADE 50%",
                    "<HR SIZE=2 >\r\nALIGN=CENTER NOSHADE 50%"},
        // WIDTH= looks at ten characters at most and never past the end.
        RewriteCase{"LongWidthBounded", "<HR WIDTH=123456789012345%>", "<HR WIDTH=1234567890% >"},
        RewriteCase{"WidthAtTheEnd", "<HR WIDTH=", "<HR >"},
        RewriteCase{"WidthWithoutDigits", "<HR WIDTH=wide%>", "<HR WIDTH=100% >"}),
    caseName);

TEST(RuleTag, FieldsReadBack)
{
    RuleTag t;
    t.decode(QStringLiteral("<HR ALIGN=RIGHT WIDTH=40 NOSHADE SIZE=7>"));
    EXPECT_EQ(t.align, RuleTag::Align::Right);
    EXPECT_FALSE(t.widthPercent);
    EXPECT_EQ(t.width, QStringLiteral("40"));
    EXPECT_TRUE(t.noShade);
    EXPECT_EQ(t.height, QStringLiteral("7"));
    EXPECT_TRUE(t.trailing.isEmpty());
}

TEST(RuleTag, WidthToggleSetsTheWidth)
{
    RuleTag t;
    t.setWidthPercent(false);
    EXPECT_EQ(t.width, QStringLiteral("0"));
    EXPECT_EQ(t.build(), QStringLiteral("<HR >"));
    t.width = QStringLiteral("300");
    t.align = RuleTag::Align::Left;
    EXPECT_EQ(t.build(), QStringLiteral("<HR ALIGN=LEFT WIDTH=300 >"));
    t.setWidthPercent(true);
    EXPECT_EQ(t.width, QStringLiteral("100"));
    EXPECT_EQ(t.build(), QStringLiteral("<HR ALIGN=LEFT WIDTH=100% >"));
}

TEST(RuleTag, EmptyBoxesCountAsZero)
{
    RuleTag t;
    t.width.clear();
    t.height = QStringLiteral(" ");
    EXPECT_EQ(t.build(), QStringLiteral("<HR >"));
}

// --- Marquee --------------------------------------------------------------------------

class MarqueeRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(MarqueeRewrite, OkWithoutChanges)
{
    MarqueeTag t;
    t.decode(QString::fromUtf8(GetParam().selection));
    EXPECT_EQ(t.build(), QString::fromUtf8(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Table, MarqueeRewrite,
    ::testing::Values(
        RewriteCase{"NothingSelected", "", "<MARQUEE LOOP=INFINITE></MARQUEE>"},
        RewriteCase{"PlainTextBecomesTheText", "Hello", "<MARQUEE LOOP=INFINITE>Hello</MARQUEE>"},
        RewriteCase{"RedSlideLoop3", "<FONT COLOR=#FF0000><MARQUEE BEHAVIOR=SLIDE LOOP=3>text</MARQUEE></FONT>",
                    "<FONT COLOR=#FF0000><MARQUEE BEHAVIOR=SLIDE LOOP=3>text</MARQUEE></FONT>"},
        RewriteCase{"EveryAttribute",
                    "<MARQUEE ALIGN=MIDDLE BEHAVIOR=ALTERNATE BGCOLOR=#800000 DIRECTION=RIGHT HEIGHT=50% HSPACE=4 "
                    "LOOP=2 SCROLLAMOUNT=6 SCROLLDELAY=85 VSPACE=3 WIDTH=200>Go</MARQUEE>",
                    "<MARQUEE ALIGN=MIDDLE BEHAVIOR=ALTERNATE BGCOLOR=#800000 DIRECTION=RIGHT HEIGHT=50% HSPACE=4 "
                    "LOOP=2 SCROLLAMOUNT=6 SCROLLDELAY=85 VSPACE=3 WIDTH=200>Go</MARQUEE>"},
        RewriteCase{"ForeignOrderAndKeywords",
                    "<MARQUEE WIDTH=80% DIRECTION=LEFT LOOP=INFINITE ALIGN=TOP BEHAVIOR=SCROLL>x</MARQUEE>",
                    "<MARQUEE ALIGN=TOP BEHAVIOR=SCROLL LOOP=INFINITE WIDTH=80%>x</MARQUEE>"},
        RewriteCase{"QuotedNumbers", "<MARQUEE WIDTH=\"50%\" HEIGHT=\"20\">q</MARQUEE>",
                    "<MARQUEE HEIGHT=20 LOOP=INFINITE WIDTH=50%>q</MARQUEE>"},
        // The text runs from the start tag to its end tag, markup included.
        RewriteCase{"MarkupInTheText", "<MARQUEE>Hello <B>world</B></MARQUEE>",
                    "<MARQUEE LOOP=INFINITE>Hello <B>world</B></MARQUEE>"},
        RewriteCase{"LineBreakInTheText", "<MARQUEE>one\r\ntwo</MARQUEE>",
                    "<MARQUEE LOOP=INFINITE>one\r\ntwo</MARQUEE>"},
        RewriteCase{"NoEndTagSelected", "<MARQUEE LOOP=5>Moving on", "<MARQUEE LOOP=5>Moving on</MARQUEE>"},
        RewriteCase{"AttributesOnlyFromTheStartTag", "<MARQUEE>BGCOLOR=#FFFFFF LOOP=4</MARQUEE>",
                    "<MARQUEE LOOP=INFINITE>BGCOLOR=#FFFFFF LOOP=4</MARQUEE>"},
        // What follows the element is put back unchanged.
        RewriteCase{"TextAfterTheElement", "<MARQUEE>a</MARQUEE>\r\n<P>next",
                    "<MARQUEE LOOP=INFINITE>a</MARQUEE>\r\n<P>next"},
        RewriteCase{"TextAfterTheWrapper", "<FONT COLOR=#00FF00><MARQUEE>a</MARQUEE></FONT> tail",
                    "<FONT COLOR=#00FF00><MARQUEE LOOP=INFINITE>a</MARQUEE></FONT> tail"},
        // A FONT anywhere else is no wrapper: the selection is text.
        RewriteCase{"FontInsideText", "<B>bold</B> <FONT COLOR=red>x</FONT>",
                    "<MARQUEE LOOP=INFINITE><B>bold</B> <FONT COLOR=red>x</FONT></MARQUEE>"},
        // A wrapper with more attributes than COLOR is still the wrapper, kept whole.
        RewriteCase{"FontWithMoreAttributesIsTheWrapper", "<FONT SIZE=3 COLOR=red><MARQUEE>x</MARQUEE></FONT>",
                    "<FONT SIZE=3 COLOR=red><MARQUEE LOOP=INFINITE>x</MARQUEE></FONT>"},
        RewriteCase{"FontSizeAfterColorKept", "<FONT COLOR=#FF0000 SIZE=5><MARQUEE>Hi</MARQUEE></FONT>",
                    "<FONT COLOR=#FF0000 SIZE=5><MARQUEE LOOP=INFINITE>Hi</MARQUEE></FONT>"},
        RewriteCase{"FontWithoutColorIsTheWrapper", "<FONT FACE=\"Arial\"><MARQUEE>Hi</MARQUEE></FONT>",
                    "<FONT FACE=\"Arial\"><MARQUEE LOOP=INFINITE>Hi</MARQUEE></FONT>"},
        // Colours keep their quotes.
        RewriteCase{"QuotedBackground", "<MARQUEE BGCOLOR=\"#FF0000\">x</MARQUEE>",
                    "<MARQUEE BGCOLOR=\"#FF0000\" LOOP=INFINITE>x</MARQUEE>"},
        RewriteCase{"QuotedForeground", "<FONT COLOR=\"#FF0000\"><MARQUEE>x</MARQUEE></FONT>",
                    "<FONT COLOR=\"#FF0000\"><MARQUEE LOOP=INFINITE>x</MARQUEE></FONT>"},
        RewriteCase{"MarqueeLaterInTheSelection", "Intro <MARQUEE>x</MARQUEE>",
                    "<MARQUEE LOOP=INFINITE>Intro <MARQUEE>x</MARQUEE></MARQUEE>"},
        RewriteCase{"UnclosedStartTag", "<MARQUEE LOOP=2", "<MARQUEE LOOP=2></MARQUEE>"}),
    caseName);

TEST(MarqueeTag, RedSlideLoop3ReadsBack)
{
    MarqueeTag t;
    t.decode(QStringLiteral("<FONT COLOR=#FF0000><MARQUEE BEHAVIOR=SLIDE LOOP=3>text</MARQUEE></FONT>"));
    EXPECT_EQ(t.foreground, QStringLiteral("#FF0000"));
    EXPECT_EQ(t.behavior, MarqueeTag::Behavior::Slide);
    EXPECT_EQ(t.loop, QStringLiteral("3"));
    EXPECT_EQ(t.text, QStringLiteral("text"));
    EXPECT_TRUE(t.trailing.isEmpty());
}

TEST(MarqueeTag, WrapperKeepsItsOtherAttributesWhenTheColourChanges)
{
    MarqueeTag t;
    t.decode(QStringLiteral("<FONT SIZE=5 COLOR=\"red\" FACE=x><MARQUEE>Hi</MARQUEE></FONT>"));
    EXPECT_EQ(t.foreground, QStringLiteral("\"red\""));
    t.foreground = QStringLiteral("#0000FF");
    EXPECT_EQ(t.build(), QStringLiteral("<FONT SIZE=5 COLOR=#0000FF FACE=x><MARQUEE LOOP=INFINITE>Hi</MARQUEE></FONT>"));
    t.foreground.clear();
    EXPECT_EQ(t.build(), QStringLiteral("<FONT SIZE=5 FACE=x><MARQUEE LOOP=INFINITE>Hi</MARQUEE></FONT>"));

    MarqueeTag colourOnly;
    colourOnly.decode(QStringLiteral("<FONT COLOR=red><MARQUEE>Hi</MARQUEE></FONT>"));
    colourOnly.foreground.clear();
    EXPECT_EQ(colourOnly.build(), QStringLiteral("<MARQUEE LOOP=INFINITE>Hi</MARQUEE>"));

    MarqueeTag noColour;
    noColour.decode(QStringLiteral("<FONT SIZE=2><MARQUEE>Hi</MARQUEE></FONT>"));
    noColour.foreground = QStringLiteral("#FF0000");
    EXPECT_EQ(noColour.build(), QStringLiteral("<FONT COLOR=#FF0000 SIZE=2><MARQUEE LOOP=INFINITE>Hi</MARQUEE></FONT>"));
}

TEST(MarqueeTag, WrittenFromFields)
{
    MarqueeTag t;
    t.foreground = QStringLiteral("#FF0000");
    t.behavior = MarqueeTag::Behavior::Slide;
    t.loop = QStringLiteral("3");
    t.text = QStringLiteral("text");
    EXPECT_EQ(t.build(), QStringLiteral("<FONT COLOR=#FF0000><MARQUEE BEHAVIOR=SLIDE LOOP=3>text</MARQUEE></FONT>"));

    // Empty number boxes count as "0": nothing written, LOOP infinite.
    MarqueeTag empty;
    empty.loop.clear();
    empty.hspace.clear();
    empty.width.clear();
    empty.widthPercent = true;
    empty.text = QStringLiteral("x");
    EXPECT_EQ(empty.build(), QStringLiteral("<MARQUEE LOOP=INFINITE>x</MARQUEE>"));
}

} // namespace
