// The font, base font, body and heading models: what a selection decodes
// to and the exact text written on OK.
#include "bodytag.h"
#include "fonttag.h"
#include "headingtag.h"
#include "namedcolors.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

/// A selection decoded and written back without changes in the dialog.
struct RoundTrip {
    const char *name;
    const char *selection;
    const char *written;
};

std::string caseName(const ::testing::TestParamInfo<RoundTrip> &info) { return info.param.name; }

QString text(const char *s) { return QString::fromUtf8(s); }

// --- Font and base font ----------------------------------------------------------------

class FontTagRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(FontTagRoundTrip, OkWithoutChanges)
{
    FontTag tag(FontTag::Kind::Font);
    tag.decode(text(GetParam().selection));
    EXPECT_EQ(tag.build(), text(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Font, FontTagRoundTrip,
    ::testing::Values(
        RoundTrip{"OwnOutput", "<FONT COLOR=#FF0000 SIZE=5 FACE=\"Arial,Courier New\">hello</FONT>",
                  "<FONT COLOR=#FF0000 SIZE=5 FACE=\"Arial,Courier New\">hello</FONT>"},
        RoundTrip{"OtherOrderIsRewritten", "<FONT FACE=\"Arial\" SIZE=2 COLOR=red>x</FONT>",
                  "<FONT COLOR=red SIZE=2 FACE=\"Arial\">x</FONT>"},
        RoundTrip{"PlainSelectionIsWrapped", "hello", "<FONT SIZE=3>hello</FONT>"},
        RoundTrip{"LowerCaseTagIsWrapped", "<font size=5>x</font>", "<FONT SIZE=3><font size=5>x</font></FONT>"},
        RoundTrip{"LineBreaksKept", "<FONT SIZE=4>one\r\ntwo</FONT>", "<FONT SIZE=4>one\r\ntwo</FONT>"},
        // A nested FONT neither colours the outer one nor ends its text.
        RoundTrip{"NestedFontStaysInside", "<FONT SIZE=2>a <FONT COLOR=#FF0000>b</FONT> c</FONT> tail",
                  "<FONT SIZE=2>a <FONT COLOR=#FF0000>b</FONT> c</FONT> tail"},
        RoundTrip{"TextAfterTheElementKept", "<FONT SIZE=1>x</FONT> and <B>more</B>",
                  "<FONT SIZE=1>x</FONT> and <B>more</B>"},
        RoundTrip{"MissingEndTagKeepsTheText", "<FONT SIZE=4>hello", "<FONT SIZE=4>hello</FONT>"},
        RoundTrip{"UnquotedFaceReadToItsEnd", "<FONT FACE=Arial SIZE=2>x</FONT>",
                  "<FONT SIZE=2 FACE=\"Arial\">x</FONT>"},
        RoundTrip{"QuotedSizeRead", "<FONT SIZE=\"6\">x</FONT>", "<FONT SIZE=6>x</FONT>"},
        RoundTrip{"SizeOutsideOneToSevenIsThree", "<FONT SIZE=9>x</FONT>", "<FONT SIZE=3>x</FONT>"},
        RoundTrip{"GreaterThanInsideAQuotedFace", "<FONT FACE=\"a>b\">x</FONT>", "<FONT SIZE=3 FACE=\"a>b\">x</FONT>"}),
    caseName);

class BaseFontTagRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(BaseFontTagRoundTrip, OkWithoutChanges)
{
    FontTag tag(FontTag::Kind::BaseFont);
    tag.decode(text(GetParam().selection));
    EXPECT_EQ(tag.build(), text(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    BaseFont, BaseFontTagRoundTrip,
    ::testing::Values(RoundTrip{"NothingSelected", "", "<BASEFONT SIZE=3>"},
                      RoundTrip{"OwnOutput", "<BASEFONT COLOR=#000080 SIZE=2 FACE=\"Verdana\">",
                                "<BASEFONT COLOR=#000080 SIZE=2 FACE=\"Verdana\">"},
                      // Only the start tag is read; what follows it stays.
                      RoundTrip{"FollowingTagsKeptAndNotRead", "<BASEFONT SIZE=2>\r\n<FONT SIZE=6 COLOR=#FF0000>x",
                                "<BASEFONT SIZE=2>\r\n<FONT SIZE=6 COLOR=#FF0000>x"},
                      RoundTrip{"OtherSelectionGetsTheDefaults", "<FONT SIZE=5>", "<BASEFONT SIZE=3>"}),
    caseName);

TEST(FontTag, DecodedFieldsAndEditsAsTheDialogMakesThem)
{
    FontTag tag(FontTag::Kind::Font);
    tag.decode(QStringLiteral("<FONT COLOR=#FF0000 SIZE=5 FACE=\"Arial, Times\">hi</FONT>!"));
    EXPECT_EQ(tag.color, QStringLiteral("#FF0000"));
    EXPECT_EQ(tag.size, 5);
    EXPECT_EQ(tag.faces, QStringLiteral("Arial, Times"));
    EXPECT_EQ(tag.text, QStringLiteral("hi"));
    EXPECT_EQ(tag.after, QStringLiteral("!"));

    tag.decode(QStringLiteral("hello"));
    tag.size = 5;
    tag.color = NamedColors::value(NamedColors::lookup(QStringLiteral("#FF0000")));
    EXPECT_EQ(tag.build(), QStringLiteral("<FONT COLOR=#FF0000 SIZE=5>hello</FONT>"));

    tag.decode(QString());
    tag.faces = FontTag::appendFace(FontTag::appendFace(tag.faces, QStringLiteral("Arial")), QStringLiteral("Courier New"));
    EXPECT_EQ(tag.faces, QStringLiteral("Arial,Courier New"));
    EXPECT_EQ(tag.build(), QStringLiteral("<FONT SIZE=3 FACE=\"Arial,Courier New\"></FONT>"));
}

// --- Body ------------------------------------------------------------------------------

class BodyTagRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(BodyTagRoundTrip, OkWithoutChanges)
{
    BodyTag tag;
    tag.decode(text(GetParam().selection));
    EXPECT_EQ(tag.build(), text(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Body, BodyTagRoundTrip,
    ::testing::Values(
        RoundTrip{"NothingSelected", "", "<BODY>\r\n\r\n\r\n</BODY>"},
        RoundTrip{"ColoursUnchanged", "<BODY BGCOLOR=#FFFFFF TEXT=#000000>", "<BODY BGCOLOR=#FFFFFF TEXT=#000000>"},
        RoundTrip{"OwnOutput",
                  "<BODY BACKGROUND=\"img/bg one.gif\" BGPROPERTIES=FIXED BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF "
                  "VLINK=#800080 TOPMARGIN=5 LEFTMARGIN=10>",
                  "<BODY BACKGROUND=\"img/bg one.gif\" BGPROPERTIES=FIXED BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF "
                  "VLINK=#800080 TOPMARGIN=5 LEFTMARGIN=10>"},
        // LINK= is not found inside VLINK=.
        RoundTrip{"VlinkBeforeLink", "<BODY VLINK=#800080 LINK=#0000FF>", "<BODY LINK=#0000FF VLINK=#800080>"},
        RoundTrip{"VlinkWithoutLink", "<BODY VLINK=#800080>", "<BODY VLINK=#800080>"},
        // Colours end at the blank, not after seven characters.
        RoundTrip{"ShortColourWord", "<BODY TEXT=red LINK=#0000FF>", "<BODY TEXT=red LINK=#0000FF>"},
        RoundTrip{"TopMarginLast", "<BODY TOPMARGIN=5>", "<BODY TOPMARGIN=5>"},
        // LEFTMARGIN ends at its blank and swallows no later attribute.
        RoundTrip{"LeftMarginFirst", "<BODY LEFTMARGIN=10 TEXT=#000000>", "<BODY TEXT=#000000 LEFTMARGIN=10>"},
        RoundTrip{"UnquotedBackgroundGetsQuotes", "<BODY BACKGROUND=bg.gif>", "<BODY BACKGROUND=\"bg.gif\">"},
        RoundTrip{"EmptyMarginWritesNone", "<BODY TOPMARGIN= TEXT=#000000>", "<BODY TEXT=#000000>"},
        // The page after the start tag is put back, and its quotes are no background.
        RoundTrip{"PageAfterTheTagKept", "<BODY TEXT=#000000>\r\n<IMG SRC=\"a.gif\">",
                  "<BODY TEXT=#000000>\r\n<IMG SRC=\"a.gif\">"},
        // Only a selection beginning "<BODY" is read.
        RoundTrip{"OtherSelectionIsNoBody", "<P CLASS=\"x\">FIXED TEXT=#FFFFFF", "<BODY>\r\n\r\n\r\n</BODY>"},
        RoundTrip{"WatermarkOnlyFromBgproperties", "<BODY BACKGROUND=\"FIXED.gif\">",
                  "<BODY BACKGROUND=\"FIXED.gif\">"}),
    caseName);

TEST(BodyTag, DecodedFieldsShowTheNamedColours)
{
    BodyTag tag;
    tag.decode(QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=#000000>"));
    EXPECT_TRUE(tag.editExisting);
    EXPECT_EQ(NamedColors::name(NamedColors::lookup(tag.bgcolor)), QStringLiteral("White"));
    EXPECT_EQ(NamedColors::name(NamedColors::lookup(tag.text)), QStringLiteral("Black"));
    EXPECT_EQ(tag.topMargin, QStringLiteral("0"));

    tag.decode(QStringLiteral("<BODY BACKGROUND=\"bg.gif\" BGPROPERTIES=FIXED TOPMARGIN=5>"));
    EXPECT_EQ(tag.background, QStringLiteral("bg.gif"));
    EXPECT_TRUE(tag.watermark);
    EXPECT_EQ(tag.topMargin, QStringLiteral("5"));

    tag.decode(QStringLiteral("FIXED \"x\" TEXT=#000000"));
    EXPECT_FALSE(tag.editExisting);
    EXPECT_FALSE(tag.watermark);
    EXPECT_TRUE(tag.background.isEmpty());
    EXPECT_TRUE(tag.text.isEmpty());
}

// --- Heading ---------------------------------------------------------------------------

class HeadingTagRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(HeadingTagRoundTrip, OkWithoutChanges)
{
    HeadingTag tag;
    tag.decode(text(GetParam().selection));
    EXPECT_EQ(tag.build(), text(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(
    Heading, HeadingTagRoundTrip,
    ::testing::Values(
        RoundTrip{"Centred", "<H2 ALIGN=CENTER>Intro</H2>", "<H2 ALIGN=CENTER>Intro</H2>"},
        RoundTrip{"NotCentredKeepsNone", "<H7 ALIGN=none>x</H7>", "<H7 ALIGN=none>x</H7>"},
        RoundTrip{"PlainSelectionIsTheText", "Intro", "<H1 ALIGN=none>Intro</H1>"},
        RoundTrip{"RuleIsNoHeading", "<HR>", "<H1 ALIGN=none><HR></H1>"},
        RoundTrip{"HtmlIsNoHeading", "<HTML>", "<H1 ALIGN=none><HTML></H1>"},
        RoundTrip{"LevelEightIsNoHeading", "<H8>x</H8>", "<H1 ALIGN=none><H8>x</H8></H1>"},
        RoundTrip{"CenterInTheTextDoesNotCentre", "<H3>Big CENTER stage</H3>", "<H3 ALIGN=none>Big CENTER stage</H3>"},
        // The level is the start tag's, not the last "<Hn" selected.
        RoundTrip{"LevelFromTheStartTag", "<H2>a</H2>\r\n<H4>b</H4>", "<H2 ALIGN=none>a</H2>\r\n<H4>b</H4>"},
        RoundTrip{"MissingEndTagKeepsTheText", "<H2>Intro", "<H2 ALIGN=none>Intro</H2>"},
        RoundTrip{"EndTagOfHtmlIsNotTheHeadings", "<H2>Intro\r\n</HTML>", "<H2 ALIGN=none>Intro\r\n</HTML></H2>"},
        RoundTrip{"LineBreaksKept", "<H1>one\r\ntwo</H1>", "<H1 ALIGN=none>one\r\ntwo</H1>"}),
    caseName);

TEST(HeadingTag, DefaultsAndDecodedFields)
{
    HeadingTag tag;
    tag.decode(QString());
    EXPECT_EQ(tag.level, 1);
    EXPECT_FALSE(tag.center);
    tag.text = QStringLiteral("Intro");
    EXPECT_EQ(tag.build(), QStringLiteral("<H1 ALIGN=none>Intro</H1>"));

    tag.decode(QStringLiteral("<H2 ALIGN=CENTER>Intro</H2>"));
    EXPECT_EQ(tag.level, 2);
    EXPECT_TRUE(tag.center);
    EXPECT_EQ(tag.text, QStringLiteral("Intro"));
    EXPECT_TRUE(tag.after.isEmpty());
}

} // namespace
