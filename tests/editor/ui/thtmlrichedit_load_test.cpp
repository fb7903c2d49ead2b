#include "editortesthelpers.h"

#include "colordocument.h"
#include "colorsettings.h"
#include "installdir.h"
#include "rtfreader.h"

#include <QFile>
#include <QPlainTextDocumentLayout>

using namespace lumaro;
using namespace lumaro::test;

namespace {

QByteArray colorFile()
{
    QFile f(InstallDir::file(QStringLiteral("color.rtf")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class LoadColoredTest : public EditorFixture {};

TEST_F(LoadColoredTest, WorkedExampleIsWrittenToTheColouringFileAndShownBlue)
{
    colouring(true);
    thtmlrichedit editor;
    load(editor, QStringLiteral("<B>x</B>"));
    EXPECT_TRUE(colorFile().endsWith(R"(\cf0 {\cf12 <B>}x{\cf12 </B>}})"));
    EXPECT_TRUE(colorFile().startsWith(R"({\rtf1\ansi\deff0\deftab720{\fonttbl{\f0\fnil courier new;}})"));
    EXPECT_EQ(editor.text(), QStringLiteral("<B>x</B>"));
    EXPECT_TRUE(allColored(editor, 0, 3, kBlue));
    EXPECT_EQ(colorAt(editor, 3), QColor(Qt::black));
    EXPECT_TRUE(allColored(editor, 4, 8, kBlue));
    const QTextCharFormat f = formatAt(editor, 3);
    EXPECT_EQ(lookOf(f).family, QStringLiteral("courier new"));
    EXPECT_EQ(lookOf(f).size, 10.0);
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(editor.caretPosition(), 0);
}

TEST_F(LoadColoredTest, FileIsReadWithItsEncodingAndTheColouringFileMatchesTheDocument)
{
    colouring(true);
    const QString dir = TestSandbox::makeDir(QStringLiteral("load"));
    const QString path = dir + QStringLiteral("/page.html");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<P>caf\xE9</P>\r\n");   // Windows-1252
    f.close();
    thtmlrichedit editor;
    QString error;
    ASSERT_TRUE(editor.loadcolored(path, &error)) << error.toStdString();
    EXPECT_EQ(editor.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(editor.text(), QString::fromUtf8("<P>caf\xC3\xA9</P>"));
    ColorSettings s;
    s.usecolor = true;
    EXPECT_EQ(colorFile(), ColorDocument::rtf(QString::fromUtf8("<P>caf\xC3\xA9</P>\r\n"), s));
}

TEST_F(LoadColoredTest, MissingFileLeavesThePageAsItWas)
{
    thtmlrichedit editor;
    load(editor, QStringLiteral("keep"));
    QString error;
    EXPECT_FALSE(editor.loadcolored(TestSandbox::makeDir(QStringLiteral("none")) + QStringLiteral("/no.html"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(editor.text(), QStringLiteral("keep"));
}

TEST_F(LoadColoredTest, UnwritableColouringFileIsReportedAndThePageKept)
{
    thtmlrichedit editor;
    load(editor, QStringLiteral("keep"));
    editor.setModified(true);
    tregini::writeString(QStringLiteral("dir"), QStringLiteral("installdir"),
                         TestSandbox::makeDir(QStringLiteral("inst")) + QStringLiteral("/missing/deeper"));
    QString error;
    EXPECT_FALSE(editor.loadcoloredText(QStringLiteral("<B>new</B>"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("color.rtf"))) << error.toStdString();
    EXPECT_EQ(editor.text(), QStringLiteral("keep"));
    EXPECT_TRUE(editor.isModified());
}

TEST_F(LoadColoredTest, BackslashesBracesAndTheLastCharacterSurvive)
{
    colouring(true);
    thtmlrichedit editor;
    load(editor, QStringLiteral("a\\b{c}"));
    EXPECT_EQ(editor.text(), QStringLiteral("a\\b{c}"));
}

TEST_F(LoadColoredTest, LastLineBreakIsDroppedAndEmptyFileGivesEmptyPage)
{
    thtmlrichedit editor;
    load(editor, QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(editor.lineCount(), 2);
    load(editor, QString());
    EXPECT_EQ(editor.text(), QString());
    EXPECT_EQ(editor.textLength(), 0);
    EXPECT_FALSE(editor.isModified());
}

TEST_F(LoadColoredTest, StrayClosingBracketIsNotColoured)
{
    colouring(true);
    thtmlrichedit editor;
    load(editor, QStringLiteral("x > y"));
    EXPECT_TRUE(allPlain(editor, 0, 5));
}

TEST_F(LoadColoredTest, ClassesGetTheirColoursAndLowerCaseTagsGetAll)
{
    colouring(true);
    tregini store;
    store.writecolorindex(QStringLiteral("anchor"), 9);  // red
    store.writecolorindex(QStringLiteral("all"), 2);     // green
    thtmlrichedit editor;
    load(editor, QStringLiteral("<A HREF=x>t</A><a href=y>"));
    EXPECT_TRUE(allColored(editor, 0, 10, kRed));
    EXPECT_TRUE(allColored(editor, 11, 15, kRed));
    EXPECT_TRUE(allColored(editor, 15, 25, kGreen));
}

TEST_F(LoadColoredTest, AddressEndTagTakesTheAnchorColourOnLoad)
{
    colouring(true);
    tregini store;
    store.writecolorindex(QStringLiteral("anchor"), 9);
    store.writecolorindex(QStringLiteral("all"), 2);
    thtmlrichedit editor;
    load(editor, QStringLiteral("</ADDRESS>"));
    EXPECT_TRUE(allColored(editor, 0, 10, kRed));
}

TEST_F(LoadColoredTest, AttributesWithoutColourMakeTagsBoldButBlack)
{
    colouring(false, true);
    tregini().writefontattrindex(QStringLiteral("all"), 1);
    thtmlrichedit editor;
    load(editor, QStringLiteral("<B>x"));
    EXPECT_TRUE(boldAt(editor, 0));
    EXPECT_TRUE(boldAt(editor, 2));
    EXPECT_FALSE(boldAt(editor, 3));
    EXPECT_EQ(colorAt(editor, 0), QColor(Qt::black));
}

TEST_F(LoadColoredTest, NonDefaultFontAndSizeReachThePage)
{
    colouring(true);
    tregini store;
    store.writefontname(QStringLiteral("DejaVu Sans Mono"));
    store.writefontsize(14);
    thtmlrichedit editor;
    load(editor, QStringLiteral("<B>x"));
    EXPECT_TRUE(colorFile().contains(R"({\f0\fnil DejaVu Sans Mono;})"));
    EXPECT_TRUE(colorFile().contains(R"(\fs28\cf0 )"));
    const CharLook look = lookOf(formatAt(editor, 3));
    EXPECT_EQ(look.family, QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(look.size, 14.0);
}

// The page shows its tags through the colouring instead of parsing the
// colouring file back; reading that file through the RTF reader must give
// the same text and every character the same look.
struct SamePageCase {
    const char *name;
    bool usecolor;
    bool usefontattr;
    const char *text;
    friend void PrintTo(const SamePageCase &c, std::ostream *os) { *os << c.name; }
};

class LoadColoredMatchesReader : public EditorFixture, public ::testing::WithParamInterface<SamePageCase> {};

TEST_P(LoadColoredMatchesReader, SameTextAndFormats)
{
    const SamePageCase &c = GetParam();
    colouring(c.usecolor, c.usefontattr);
    distinctClasses();
    thtmlrichedit editor;
    load(editor, QString::fromUtf8(c.text));

    QTextDocument viaReader;
    viaReader.setDocumentLayout(new QPlainTextDocumentLayout(&viaReader));
    ASSERT_TRUE(RtfReader::read(colorFile(), &viaReader).ok);
    const QTextDocument *page = editor.document();
    ASSERT_EQ(page->toRawText(), viaReader.toRawText()) << c.name;
    for (int i = 0; i < page->characterCount() - 1; ++i) {
        if (page->characterAt(i) == QChar::ParagraphSeparator)
            continue;
        EXPECT_EQ(lookOf(formatAt(editor, i)), lookOf(formatAt(&viaReader, i))) << c.name << " at " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, LoadColoredMatchesReader,
    ::testing::Values(
        SamePageCase{"worked_example", true, false, "<B>x</B>"},
        SamePageCase{"plain", false, false, "<HTML>\r\n<A HREF=x>a</A>\r\n"},
        SamePageCase{"attributes_only", false, true, "<A HREF=x>a</A><IMG SRC=y><p>"},
        SamePageCase{"both", true, true, "<A HREF=x>a</A> <IMG SRC=y>\r\n<CENTER>c</CENTER><p>"},
        SamePageCase{"lines_and_escapes", true, true,
                     "<TABLE\r\n BORDER=1>{x}\\y\r\n\r\n<TD>\tcaf\xC3\xA9 \xE2\x82\xAC \xCE\xB1\xF0\x9F\x98\x80</TD>\r\n"},
        SamePageCase{"stray_brackets", true, false, "a>b<c>d<e"},
        SamePageCase{"comment_and_entity", true, false, "<!-- x > y -->&amp;<ADDRESS></ADDRESS>"}),
    [](const ::testing::TestParamInfo<SamePageCase> &info) { return std::string(info.param.name); });

TEST_F(LoadColoredTest, OnlyTheVeryLastLineBreakIsDropped)
{
    thtmlrichedit editor;
    load(editor, QStringLiteral("a\r\n\r\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("a\r\n"));
    EXPECT_EQ(editor.lineCount(), 2);
}
