#include "colordocument.h"

#include <gtest/gtest.h>
#include <ostream>

using namespace lumaro;

namespace {

// The document up to the body with the default font and size.
const QByteArray kHeader =
    R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fnil courier new;}})"
    R"({\colortbl\red0\green0\blue0;\red128\green0\blue0;)"
    R"(\red0\green128\blue0;\red128\green128\blue0;\red0\green0\blue128;)"
    R"(\red128\green0\blue128;\red0\green128\blue128;\red192\green192\blue192;)"
    R"(\red128\green128\blue128;\red255\green0\blue0;\red0\green255\blue0;)"
    R"(\red255\green255\blue0;\red0\green0\blue255;\red255\green0\blue255;)"
    R"(\red0\green255\blue255;\red255\green255\blue255;})"
    R"(\deflang1030\pard\plain\f0\fs20\cf0 )";

QByteArray document(const QByteArray &body)
{
    return kHeader + body + "}";
}

ColorSettings colorOn()
{
    ColorSettings s;
    s.usecolor = true;
    return s;
}

} // namespace

TEST(ColorDocumentTest, WorkedExampleColoursBothTags)
{
    const ColorDocument doc = ColorDocument::build(QStringLiteral("<B>x</B>"), colorOn());
    EXPECT_EQ(doc.rtfDocument, document(R"({\cf12 <B>}x{\cf12 </B>})"));
    EXPECT_EQ(doc.text, QStringLiteral("<B>x</B>"));
    const QList<ColorRun> runs{{0, 3, TagClass::All}, {4, 4, TagClass::All}};
    EXPECT_EQ(doc.runs, runs);
}

TEST(ColorDocumentTest, DefaultsWriteTheTextWithoutGroups)
{
    const ColorDocument doc = ColorDocument::build(QStringLiteral("<P>Hello</P>\r\nworld"), ColorSettings());
    EXPECT_EQ(doc.rtfDocument, document(R"(<P>Hello</P>\par world)"));
    EXPECT_TRUE(doc.runs.isEmpty());
}

struct SwitchCase {
    const char *name;
    bool usecolor;
    bool usefontattr;
    int anchorAttr;
    const char *body;
    friend void PrintTo(const SwitchCase &c, std::ostream *os) { *os << c.name; }
};

class ColorDocumentSwitches : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(ColorDocumentSwitches, GroupsFollowTheTwoSwitches)
{
    const SwitchCase &c = GetParam();
    ColorSettings s;
    s.usecolor = c.usecolor;
    s.usefontattr = c.usefontattr;
    s.colorIndex = {9, 2, 4, 13, 12};
    s.attrIndex = {c.anchorAttr, 0, 7, 0, 0};
    const QString text = QStringLiteral("<A HREF=\"x\">go</A> <IMG SRC=a> <p>");
    EXPECT_EQ(ColorDocument::rtf(text, s), document(c.body)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Combinations, ColorDocumentSwitches,
    ::testing::Values(
        SwitchCase{"both off", false, false, 1, R"(<A HREF="x">go</A> <IMG SRC=a> <p>)"},
        SwitchCase{"colour only", true, false, 1,
                   R"({\cf9 <A HREF="x">}go{\cf9 </A>} {\cf4 <IMG SRC=a>} {\cf12 <p>})"},
        // With colour off, a class with attribute 0 writes an empty group
        // without the space, so the group adds no text.
        SwitchCase{"attributes only", false, true, 1,
                   R"({\b <A HREF="x">}go{\b </A>} {\b\i\ul <IMG SRC=a>} {<p>})"},
        SwitchCase{"both on", true, true, 6,
                   R"({\cf9\i\ul <A HREF="x">}go{\cf9\i\ul </A>} {\cf4\b\i\ul <IMG SRC=a>} {\cf12 <p>})"}),
    [](const ::testing::TestParamInfo<SwitchCase> &info) {
        std::string name = info.param.name;
        for (char &ch : name)
            if (ch == ' ')
                ch = '_';
        return name;
    });

TEST(ColorDocumentTest, FontNameAndSizeGoIntoTheHeader)
{
    ColorSettings s;
    s.fontName = QStringLiteral("Lucida Console");
    s.fontSize = 13;
    const QByteArray rtf = ColorDocument::rtf(QStringLiteral("a"), s);
    QByteArray expected = kHeader;
    expected.replace("courier new", "Lucida Console");
    expected.replace("\\fs20", "\\fs26");
    EXPECT_EQ(rtf, expected + "a}");
}

TEST(ColorDocumentTest, BackslashesAndBracesAreEscaped)
{
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("a\\b{c}"), colorOn()), document(R"(a\\b\{c\})"));
    // Inside a tag too, and the tag text is still classified from its start.
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("<A {x}\\>"), colorOn()), document(R"({\cf12 <A \{x\}\\>})"));
}

TEST(ColorDocumentTest, LineBreaksBecomeParagraphsAndTheLastIsDropped)
{
    const ColorDocument doc = ColorDocument::build(QStringLiteral("one\r\ntwo\nthree\rfour\r\n"), ColorSettings());
    EXPECT_EQ(doc.rtfDocument, document(R"(one\par two\par three\par four)"));
    EXPECT_EQ(doc.text, QStringLiteral("one\ntwo\nthree\nfour"));
    // Only one break is dropped: an empty last line stays.
    EXPECT_EQ(ColorDocument::build(QStringLiteral("a\r\n\r\n"), ColorSettings()).rtfDocument,
              document(R"(a\par )"));
    EXPECT_EQ(ColorDocument::pageText(QStringLiteral("a\r\n\r\n")), QStringLiteral("a\n"));
    EXPECT_EQ(ColorDocument::pageText(QStringLiteral("\n\r")), QStringLiteral("\n"));
}

TEST(ColorDocumentTest, EmptyFileGivesAnEmptyBody)
{
    EXPECT_EQ(ColorDocument::rtf(QString(), colorOn()), document(""));
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("\r\n"), colorOn()), document(""));
}

TEST(ColorDocumentTest, GreaterThanWithoutATagIsLeftAlone)
{
    const ColorDocument doc = ColorDocument::build(QStringLiteral("x > y"), colorOn());
    EXPECT_EQ(doc.rtfDocument, document("x > y"));
    EXPECT_TRUE(doc.runs.isEmpty());
    // A stray ">" before a tag goes out as text; the tag is grouped.
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("x > y <B>"), colorOn()), document(R"(x > y {\cf12 <B>})"));
}

TEST(ColorDocumentTest, UnclosedTagLeavesAnEmptyGroup)
{
    ColorSettings s = colorOn();
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("a>b<c"), s), document(R"(a>b{\cf12 }<c)"));
    // No ">" after the last "<" at all: the pass stops before it.
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("<B>x<c"), s), document(R"({\cf12 <B>}x<c)"));
    s.usecolor = false;
    s.usefontattr = true;
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("a>b<c"), s), document(R"(a>b{}<c)"));
}

TEST(ColorDocumentTest, TagsSpanningLinesAreOneGroup)
{
    const ColorDocument doc = ColorDocument::build(QStringLiteral("<A\r\nHREF=x>t"), colorOn());
    EXPECT_EQ(doc.rtfDocument, document(R"({\cf12 <A\par HREF=x>}t)"));
    const QList<ColorRun> runs{{0, 10, TagClass::All}};
    EXPECT_EQ(doc.runs, runs);
}

TEST(ColorDocumentTest, LoadPathClassifiesAddressAsAnchor)
{
    ColorSettings s = colorOn();
    s.colorIndex = {9, 12, 12, 12, 2};
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("</ADDRESS>"), s), document(R"({\cf9 </ADDRESS>})"));
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("<a href=x>"), s), document(R"({\cf2 <a href=x>})"));
}

TEST(ColorDocumentTest, CharactersOutsideTheCodePageAreWrittenAsUnicode)
{
    // e-acute and the euro sign are Windows-1252 bytes; Greek alpha, a CJK
    // character and a character above U+FFFF are not.
    const QString text = QString::fromUtf8("\xC3\xA9\xE2\x82\xAC\xCE\xB1\xE4\xB8\xAD\xF0\x9F\x98\x80\t");
    const QByteArray expected = document(QByteArray("\xE9\x80") + R"(\u945?\u20013?\u-10179?\u-8704?)" + "\t");
    EXPECT_EQ(ColorDocument::rtf(text, ColorSettings()), expected);
}

TEST(ColorDocumentTest, OutOfRangeIndicesFallBackToClassDefaults)
{
    ColorSettings s;
    s.usecolor = true;
    s.usefontattr = true;
    s.colorIndex = {16, -1, 3, 12, 12};
    s.attrIndex = {8, -2, 2, 0, 0};
    EXPECT_EQ(ColorDocument::rtf(QStringLiteral("<A x><CENTER><IMG y>"), s),
              document(R"({\cf12 <A x>}{\cf12 <CENTER>}{\cf3\i <IMG y>})"));
}
