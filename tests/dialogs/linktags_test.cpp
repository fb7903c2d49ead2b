// The wrap commands' texts and the three link elements read back and written.
#include "anchorlink.h"
#include "jumptoherelink.h"
#include "jumptolink.h"
#include "wraptag.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

TEST(WrapTag, EveryCommandWithItsTags)
{
    const QList<QPair<QString, QString>> expected = {
        {"SpeedButton48", "B"},       {"SpeedButton68", "I"},        {"SpeedButton69", "U"},
        {"SpeedButton2", "CENTER"},   {"SpeedButton79", "STRONG"},   {"SpeedButton80", "ADDRESS"},
        {"SpeedButton81", "CITE"},    {"SpeedButton82", "DFN"},      {"SpeedButton83", "EM"},
        {"SpeedButton84", "S"},       {"SpeedButton85", "STRIKE"},   {"SpeedButton87", "BLOCKQUOTE"},
        {"SpeedButton86", "PLAINTEXT"}, {"SpeedButton88", "CODE"},   {"SpeedButton89", "SAMP"},
        {"SpeedButton90", "LISTING"}, {"SpeedButton91", "PRE"},      {"SpeedButton92", "TT"},
        {"SpeedButton93", "XMP"},     {"SpeedButton94", "VAR"},      {"SpeedButton95", "KBD"},
    };
    ASSERT_EQ(WrapTag::commands().size(), expected.size());
    for (const auto &[component, tag] : expected) {
        const WrapTag::Command *c = WrapTag::byComponent(component);
        ASSERT_NE(c, nullptr) << component.toStdString();
        EXPECT_EQ(c->tagName, tag);
        EXPECT_EQ(WrapTag::wrap(tag, QStringLiteral("hello")),
                  QStringLiteral("<%1>hello</%1>").arg(tag));
    }
    EXPECT_EQ(WrapTag::byComponent(QStringLiteral("SpeedButton73")), nullptr);
    EXPECT_EQ(WrapTag::byComponent(QStringLiteral("SpeedButton48"))->dialog, WrapTag::Dialog::Bold);
    EXPECT_EQ(WrapTag::byComponent(QStringLiteral("SpeedButton68"))->dialog, WrapTag::Dialog::Italic);
    EXPECT_EQ(WrapTag::byComponent(QStringLiteral("SpeedButton69"))->dialog, WrapTag::Dialog::Underline);
    EXPECT_EQ(WrapTag::byComponent(QStringLiteral("SpeedButton2"))->dialog, WrapTag::Dialog::Center);
    EXPECT_EQ(WrapTag::byComponent(QStringLiteral("SpeedButton84"))->dialog, WrapTag::Dialog::Phrase);
    EXPECT_EQ(WrapTag::wrap(QStringLiteral("S"), QStringLiteral("text")), QStringLiteral("<S>text</S>"));
}

TEST(AnchorLink, RoundTripOfWrittenElement)
{
    const AnchorLink written{QStringLiteral("page.html"), QStringLiteral("top"), QStringLiteral("Back")};
    EXPECT_EQ(written.build(), QStringLiteral("<A HREF=\"page.html#top\">Back</A>"));
    const AnchorLink read = AnchorLink::decode(written.build());
    EXPECT_EQ(read.address, QStringLiteral("page.html"));
    EXPECT_EQ(read.name, QStringLiteral("top"));
    EXPECT_EQ(read.text, QStringLiteral("Back"));
    EXPECT_EQ(read.build(), written.build());
}

TEST(AnchorLink, PlainTextBecomesTheLinkText)
{
    AnchorLink link = AnchorLink::decode(QStringLiteral("Back"));
    EXPECT_TRUE(link.address.isEmpty());
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("Back"));
    link.address = QStringLiteral("index.html");
    EXPECT_EQ(link.build(), QStringLiteral("<A HREF=\"index.html\">Back</A>"));
}

TEST(AnchorLink, LowerCaseLinkIsPlainText)
{
    const AnchorLink link = AnchorLink::decode(QStringLiteral("<a href=\"x.html\">x</a>"));
    EXPECT_TRUE(link.address.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("<a href=\"x.html\">x</a>"));
}

TEST(AnchorLink, AddressWithoutName)
{
    const AnchorLink link = AnchorLink::decode(QStringLiteral("<A HREF=\"http://example.com/\">Home</A>"));
    EXPECT_EQ(link.address, QStringLiteral("http://example.com/"));
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("Home"));
}

TEST(AnchorLink, HashInLinkTextDoesNotSplitTheAddress)
{
    const QString element = QStringLiteral("<A HREF=\"page.html\">Item #3</A>");
    const AnchorLink link = AnchorLink::decode(element);
    EXPECT_EQ(link.address, QStringLiteral("page.html"));
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("Item #3"));
    EXPECT_EQ(link.build(), element);
}

TEST(AnchorLink, BrokenLinksGiveShortenedParts)
{
    // No quote at all: nothing is deleted, the address search copies nothing.
    AnchorLink link = AnchorLink::decode(QStringLiteral("<A HREF=x.html>x</A>"));
    EXPECT_TRUE(link.address.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("x"));
    // No end tag: the text search copies nothing.
    link = AnchorLink::decode(QStringLiteral("<A HREF=\"y.html\">dangling"));
    EXPECT_EQ(link.address, QStringLiteral("y.html"));
    EXPECT_TRUE(link.text.isEmpty());
    link = AnchorLink::decode(QStringLiteral("<A"));
    EXPECT_TRUE(link.address.isEmpty());
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_TRUE(link.text.isEmpty());
}

TEST(JumpToLink, RoundTrip)
{
    const JumpToLink written{QStringLiteral("chapter2"), QStringLiteral("Next chapter")};
    EXPECT_EQ(written.build(), QStringLiteral("<A HREF=\"#chapter2\">Next chapter</A>"));
    const JumpToLink read = JumpToLink::decode(written.build());
    EXPECT_EQ(read.name, QStringLiteral("chapter2"));
    EXPECT_EQ(read.text, QStringLiteral("Next chapter"));
}

TEST(JumpToLink, PlainAndLowerCaseSelections)
{
    JumpToLink link = JumpToLink::decode(QStringLiteral("Next"));
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("Next"));
    link = JumpToLink::decode(QStringLiteral("<a href=\"#x\">y</a>"));
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("<a href=\"#x\">y</a>"));
}

TEST(JumpToLink, HashOnlyInTextIsNoName)
{
    const JumpToLink link = JumpToLink::decode(QStringLiteral("<A HREF=\"page.html\">Item #3</A>"));
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("Item #3"));
}

TEST(JumpToHereLink, RoundTrip)
{
    const JumpToHereLink read = JumpToHereLink::decode(QStringLiteral("<A NAME=\"here\">Start</A>"));
    EXPECT_EQ(read.name, QStringLiteral("here"));
    EXPECT_EQ(read.text, QStringLiteral("Start"));
    EXPECT_EQ(read.build(), QStringLiteral("<A NAME=\"here\">Start</A>"));
}

TEST(JumpToHereLink, PlainAndLowerCaseSelections)
{
    JumpToHereLink link = JumpToHereLink::decode(QStringLiteral("Start"));
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("Start"));
    link = JumpToHereLink::decode(QStringLiteral("<a name=\"here\">Start</a>"));
    EXPECT_TRUE(link.name.isEmpty());
    EXPECT_EQ(link.text, QStringLiteral("<a name=\"here\">Start</a>"));
    link.name = QStringLiteral("n");
    link.text = QStringLiteral("t");
    EXPECT_EQ(link.build(), QStringLiteral("<A NAME=\"n\">t</A>"));
}

TEST(JumpToHereLink, TextWithLineBreaks)
{
    const JumpToHereLink link = JumpToHereLink::decode(QStringLiteral("<A NAME=\"p\">two\r\nlines</A>"));
    EXPECT_EQ(link.text, QStringLiteral("two\r\nlines"));
}

} // namespace
