// The frame set, frame and no-frames models: what each builder writes, byte
// for byte, and what each decoder reads back from hand-written and
// dialog-written tags.
#include "framesettag.h"
#include "frametag.h"
#include "memolines.h"
#include "noframesblock.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QString q(const char *text) { return QString::fromUtf8(text); }
std::string label(const char *text) { return text; }

// --- Frame set --------------------------------------------------------------------------

struct FramesetCase {
    const char *label;
    const char *selected;     ///< the tag text handed to the dialog
    FramesetTag::Direction direction;
    const char *rows;
    const char *cols;
    const char *written;      ///< OK without changes
};

using D = FramesetTag::Direction;
const FramesetCase kFramesetCases[] = {
    {"NothingSelected", "", D::Rows, "", "", "<FRAMESET ROWS=\"\">\r\n</FRAMESET>"},
    {"Rows", "<FRAMESET ROWS=\"20%,*\">", D::Rows, "20%,*", "", "<FRAMESET ROWS=\"20%,*\">"},
    {"Cols", "<FRAMESET COLS=\"150,*\">", D::Cols, "", "150,*", "<FRAMESET COLS=\"150,*\">"},
    {"RowsAndColsOpenOnCols", "<FRAMESET ROWS=\"50%,50%\" COLS=\"*,2*\">", D::Cols, "50%,50%", "*,2*",
     "<FRAMESET COLS=\"*,2*\">"},
    {"BareValue", "<FRAMESET COLS=30%,* BORDER=0>", D::Cols, "", "30%,*", "<FRAMESET COLS=\"30%,*\">"},
    {"MissingCloseQuoteStopsAtTheEnd", "<FRAMESET ROWS=\"10,*", D::Rows, "10,*", "", "<FRAMESET ROWS=\"10,*\">"},
    {"AnyTextIsAnExistingTag", "hello", D::Rows, "", "", "<FRAMESET ROWS=\"\">"},
    {"RowsOnlyInsideAnotherName", "<FRAMESET XROWS=\"1,2\">", D::Rows, "", "", "<FRAMESET ROWS=\"\">"},
};

class FramesetDecode : public ::testing::TestWithParam<FramesetCase> {};

TEST_P(FramesetDecode, ReadsAndWritesBack)
{
    const FramesetCase &c = GetParam();
    FramesetTag tag;
    tag.decode(q(c.selected));
    EXPECT_EQ(tag.direction, c.direction);
    EXPECT_EQ(tag.rows, q(c.rows));
    EXPECT_EQ(tag.cols, q(c.cols));
    EXPECT_EQ(tag.editExisting, *c.selected != 0);
    EXPECT_EQ(tag.build(), q(c.written));
}

INSTANTIATE_TEST_SUITE_P(Cases, FramesetDecode, ::testing::ValuesIn(kFramesetCases),
                         [](const auto &info) { return label(info.param.label); });

TEST(FramesetBuild, NewSetGetsOneLineBreakAndTheEndTag)
{
    FramesetTag tag;
    tag.rows = q("100,*");
    EXPECT_EQ(tag.build(), q("<FRAMESET ROWS=\"100,*\">\r\n</FRAMESET>"));
    tag.direction = D::Cols;
    tag.cols = q("25%,75%");
    EXPECT_EQ(tag.build(), q("<FRAMESET COLS=\"25%,75%\">\r\n</FRAMESET>"));
    EXPECT_EQ(tag.sizes(), q("25%,75%"));
}

// --- Frame ------------------------------------------------------------------------------

FrameTag frame(const char *name, const char *src, FrameTag::Scrolling scrolling = FrameTag::Scrolling::Auto)
{
    FrameTag t;
    t.name = q(name);
    t.src = q(src);
    t.scrolling = scrolling;
    return t;
}

TEST(FrameBuild, WritesEachAttributeFollowedByABlankAndLeavesDefaultsOut)
{
    FrameTag t = frame("main", "start.html", FrameTag::Scrolling::Yes);
    EXPECT_EQ(t.build(), q("<FRAME NAME=\"main\" SRC=\"start.html\" SCROLLING=\"YES\" >\r\n"));

    t.editExisting = true;
    t.scrolling = FrameTag::Scrolling::Auto;
    EXPECT_EQ(t.build(), q("<FRAME NAME=\"main\" SRC=\"start.html\" >"));

    t.scrolling = FrameTag::Scrolling::No;
    t.noResize = true;
    t.marginWidth = q("5");
    t.marginHeight = q("6");
    t.frameBorder = q("0");
    EXPECT_EQ(t.build(), q("<FRAME NAME=\"main\" SRC=\"start.html\" SCROLLING=\"NO\" NORESIZE MARGINWIDTH=\"5\" "
                           "MARGINHEIGHT=\"6\" FRAMEBORDER=\"0\" >"));
}

struct FrameCase {
    const char *label;
    const char *selected;
    const char *written;  ///< OK without changes
};

const FrameCase kFrameCases[] = {
    {"ScrollingNoKeptButForTheBlank", "<FRAME NAME=\"menu\" SRC=\"menu.html\" SCROLLING=\"NO\">",
     "<FRAME NAME=\"menu\" SRC=\"menu.html\" SCROLLING=\"NO\" >"},
    {"NoScrollingIsAuto", "<FRAME NAME=\"a\" SRC=\"a.html\">", "<FRAME NAME=\"a\" SRC=\"a.html\" >"},
    {"OtherScrollingIsAuto", "<FRAME NAME=\"a\" SRC=\"a.html\" SCROLLING=\"auto\">",
     "<FRAME NAME=\"a\" SRC=\"a.html\" >"},
    {"WithoutFrameborderKeepsTheDefault", "<FRAME NAME=\"a\" SRC=\"a.html\" MARGINWIDTH=\"4\" NORESIZE>",
     "<FRAME NAME=\"a\" SRC=\"a.html\" NORESIZE MARGINWIDTH=\"4\" >"},
    {"AllAttributesInAnotherOrder",
     "<FRAME FRAMEBORDER=\"1\" MARGINHEIGHT=\"2\" NORESIZE SCROLLING=\"YES\" SRC=\"b.html\" NAME=\"b\">",
     "<FRAME NAME=\"b\" SRC=\"b.html\" SCROLLING=\"YES\" NORESIZE MARGINHEIGHT=\"2\" FRAMEBORDER=\"1\" >"},
    {"BareValues", "<FRAME NAME=top SRC=top.html SCROLLING=NO>",
     "<FRAME NAME=\"top\" SRC=\"top.html\" SCROLLING=\"NO\" >"},
    {"AdjacentQuotesAreEmpty", "<FRAME NAME=\"\" SRC=\"x.html\">", "<FRAME NAME=\"\" SRC=\"x.html\" >"},
    {"MissingCloseQuoteStopsAtTheEnd", "<FRAME NAME=\"a\" SRC=\"a.html", "<FRAME NAME=\"a\" SRC=\"a.html\" >"},
    {"NoresizeInsideAValueIsNoFlag", "<FRAME NAME=\"a NORESIZE\" SRC=\"a.html\">",
     "<FRAME NAME=\"a NORESIZE\" SRC=\"a.html\" >"},
    {"AnyTextIsAnExistingTag", "text", "<FRAME NAME=\"\" SRC=\"\" >"},
    // A flag counts whether it stands alone or carries a value.
    {"NoresizeWithQuotedValue", "<FRAME NAME=\"a\" SRC=\"b.html\" NORESIZE=\"NORESIZE\">",
     "<FRAME NAME=\"a\" SRC=\"b.html\" NORESIZE >"},
    {"NoresizeWithBareValue", "<FRAME NAME=\"a\" SRC=\"b.html\" NORESIZE=NORESIZE>",
     "<FRAME NAME=\"a\" SRC=\"b.html\" NORESIZE >"},
    // An attribute may follow a closing quote directly, as browsers read it.
    {"AttributeRightAfterAClosingQuote", "<FRAME NAME=\"a\"SRC=\"b.html\">", "<FRAME NAME=\"a\" SRC=\"b.html\" >"},
    {"FlagRightAfterAClosingQuote", "<FRAME NAME=\"a\" SRC=\"b.html\"NORESIZE>",
     "<FRAME NAME=\"a\" SRC=\"b.html\" NORESIZE >"},
    {"NameInsideAValueAfterItsOpeningQuoteIsNoAttribute", "<FRAME NAME=\"a\" SRC=\"SCROLLING=\"NO\">",
     "<FRAME NAME=\"a\" SRC=\"SCROLLING=\" >"},
};

class FrameDecode : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameDecode, ReadsAndWritesBack)
{
    FrameTag t;
    t.decode(q(GetParam().selected));
    EXPECT_TRUE(t.editExisting);
    EXPECT_EQ(t.build(), q(GetParam().written));
}

INSTANTIATE_TEST_SUITE_P(Cases, FrameDecode, ::testing::ValuesIn(kFrameCases),
                         [](const auto &info) { return label(info.param.label); });

TEST(FrameDecode, NothingSelectedGivesTheDefaults)
{
    FrameTag t = frame("x", "y", FrameTag::Scrolling::No);
    t.decode(QString());
    EXPECT_EQ(t, FrameTag());
    EXPECT_EQ(t.scrolling, FrameTag::Scrolling::Yes);
    EXPECT_EQ(t.marginWidth, q("0"));
    EXPECT_EQ(t.marginHeight, q("0"));
    EXPECT_EQ(t.frameBorder, q("-1"));
}

TEST(FrameDecode, ReadsBackEveryTagItWrites)
{
    for (FrameTag::Scrolling s : {FrameTag::Scrolling::Yes, FrameTag::Scrolling::No, FrameTag::Scrolling::Auto}) {
        FrameTag t = frame("left", "http://example.org/a b.html", s);
        t.noResize = s != FrameTag::Scrolling::Auto;
        t.marginWidth = q("10%");
        t.frameBorder = q("0");
        for (bool existing : {false, true}) {
            t.editExisting = existing;
            FrameTag back;
            back.decode(t.build());
            back.editExisting = existing;
            EXPECT_EQ(back, t) << t.build().toStdString();
        }
    }
}

// --- No frames --------------------------------------------------------------------------

TEST(NoFramesBlock, WritesEachLineOfTheBoxOnItsOwnLine)
{
    EXPECT_EQ(NoFramesBlock::build(q("Your browser\nshows no frames.\nSee <A HREF=\"menu.html\">menu</A>")),
              q("<NOFRAMES>\r\nYour browser\r\nshows no frames.\r\nSee <A HREF=\"menu.html\">menu</A>\r\n"
                "</NOFRAMES>\r\n"));
    EXPECT_EQ(NoFramesBlock::build(q("one\n")), q("<NOFRAMES>\r\none\r\n</NOFRAMES>\r\n"));
    EXPECT_EQ(NoFramesBlock::build(QString()), q("<NOFRAMES>\r\n</NOFRAMES>\r\n"));
    EXPECT_EQ(NoFramesBlock::wrap(q("a\r\nb")), q("<NOFRAMES>a\r\nb</NOFRAMES>"));
}

TEST(MemoLines, LinesEndAtLineBreaksAndAFinalBreakAddsNone)
{
    const struct {
        const char *text;
        QStringList lines;
    } cases[] = {
        {"", {}},
        {"a", {q("a")}},
        {"a\n", {q("a")}},
        {"a\r\nb\rc", {q("a"), q("b"), q("c")}},
        {"a\n\nb", {q("a"), q(""), q("b")}},
        {"\n", {q("")}},
        {"a\n\n", {q("a"), q("")}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(MemoLines::lines(q(c.text)), c.lines) << c.text;
        EXPECT_EQ(MemoLines::lines(MemoLines::text(c.lines)), c.lines) << c.text;
    }
}

} // namespace
