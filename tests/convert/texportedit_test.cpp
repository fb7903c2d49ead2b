#include "qstringprint.h"
#include "testsandbox.h"
#include "texportedit.h"
#include "textexport.h"
#include "tregini.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

struct ExportCase {
    const char *name;
    QString html;
    QString text;
};

void PrintTo(const ExportCase &c, std::ostream *os) { *os << c.name; }

class TextExportExamples : public ::testing::TestWithParam<ExportCase> {};

TEST_P(TextExportExamples, Converts)
{
    EXPECT_EQ(TextExport::convert(GetParam().html).toStdString(), GetParam().text.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Tags, TextExportExamples,
    ::testing::Values(
        ExportCase{"BoldThenBreak", QStringLiteral("<B>Hi</B><BR>there"), QStringLiteral("Hi\r\nthere")},
        ExportCase{"LowerCaseWithSpace", QStringLiteral("a<br >b"), QStringLiteral("a\r\nb")},
        ExportCase{"SeveralSpacesBeforeClose", QStringLiteral("a<br   >b"), QStringLiteral("a\r\nb")},
        ExportCase{"ParagraphWithAttributes", QStringLiteral("<P ALIGN=CENTER>x"), QStringLiteral("x")},
        ExportCase{"Paragraph", QStringLiteral("one<p>two"), QStringLiteral("one\r\n\r\ntwo")},
        ExportCase{"PageLineBreaksDropped", QStringLiteral("line one\r\nline two\r\n"),
                   QStringLiteral("line oneline two")},
        ExportCase{"LoneLineFeedStays", QStringLiteral("a\nb\rc"), QStringLiteral("a\r\nb\r\nc")},
        ExportCase{"LineFeedBeforeReturn", QStringLiteral("a\n\rb"), QStringLiteral("a\r\n\r\nb")},
        ExportCase{"EntitiesAsTheyStand", QStringLiteral("&amp; &lt;b&gt;"), QStringLiteral("&amp; &lt;b&gt;")},
        ExportCase{"OtherTagsDropped",
                   QStringLiteral("<HTML><BODY BGCOLOR=\"#FFFFFF\"><A HREF=\"x.html\">link</A></BODY></HTML>"),
                   QStringLiteral("link")},
        ExportCase{"PhraseTagsDropped",
                   QStringLiteral("<STRONG>s</STRONG><EM>e</EM><CITE>c</CITE><CENTER>m</CENTER><STRIKE>k</STRIKE>"),
                   QStringLiteral("secmk")},
        ExportCase{"CommentEndsAtFirstClose", QStringLiteral("<!-- a > b -->t"), QStringLiteral(" b -->t")},
        ExportCase{"SelfClosingBreakIsNotBr", QStringLiteral("a<br/>b"), QStringLiteral("ab")},
        ExportCase{"DanglingOpenInText", QStringLiteral("x < y"), QStringLiteral("x < y")},
        ExportCase{"DanglingOpenAfterTag", QStringLiteral("<B>x</B><"), QStringLiteral("x<")},
        ExportCase{"DanglingOpenAlone", QStringLiteral("<"), QStringLiteral("<")},
        ExportCase{"DanglingKeepsRestWithBreaks", QStringLiteral("a<b\r\nc"), QStringLiteral("a<bc")},
        ExportCase{"NestedOpenInsideTag", QStringLiteral("a<b<c>d"), QStringLiteral("ad")},
        ExportCase{"CloseWithoutOpen", QStringLiteral("a > b"), QStringLiteral("a > b")},
        ExportCase{"Empty", QString(), QString()},
        ExportCase{"NationalCharacters", QStringLiteral("caf\u00e9<BR>cr\u00e8me"),
                   QStringLiteral("caf\u00e9\r\ncr\u00e8me")}));

class TextExportConverter : public ::testing::Test {
protected:
    void SetUp() override { lumaro::test::TestSandbox::clearSettings(); }
};

TEST_F(TextExportConverter, PiecesOneAtATime)
{
    texportedit converter;
    converter.setSource(QStringLiteral("ab<B>cd"));
    EXPECT_TRUE(converter.readtags());
    EXPECT_EQ(converter.content(), QStringLiteral("ab"));
    EXPECT_EQ(converter.source(), QStringLiteral("<B>cd"));
    EXPECT_TRUE(converter.readtags());
    EXPECT_TRUE(converter.style().bold);
    EXPECT_EQ(converter.source(), QStringLiteral("cd"));
    EXPECT_TRUE(converter.readtags());
    EXPECT_EQ(converter.content(), QStringLiteral("abcd"));
    EXPECT_FALSE(converter.readtags());
}

TEST_F(TextExportConverter, PhraseTagsSetAndClearTheStyle)
{
    texportedit converter;
    converter.decodetags(QStringLiteral("<strong >"));
    converter.decodetags(QStringLiteral("<DFN>"));
    converter.decodetags(QStringLiteral("<u>"));
    converter.decodetags(QStringLiteral("<STRIKE>"));
    converter.decodetags(QStringLiteral("<center>"));
    EXPECT_TRUE(converter.style().bold);
    EXPECT_TRUE(converter.style().italic);
    EXPECT_TRUE(converter.style().underline);
    EXPECT_TRUE(converter.style().strike);
    EXPECT_TRUE(converter.style().centre);
    converter.decodetags(QStringLiteral("</B>"));
    converter.decodetags(QStringLiteral("</ADDRESS>"));
    converter.decodetags(QStringLiteral("</S>"));
    EXPECT_FALSE(converter.style().bold);
    EXPECT_FALSE(converter.style().italic);
    EXPECT_FALSE(converter.style().strike);
    EXPECT_TRUE(converter.style().underline);
    EXPECT_TRUE(converter.content().isEmpty());
    converter.nulstil();
    EXPECT_FALSE(converter.style().underline);
}

TEST_F(TextExportConverter, ExporterReadsSettingsFirst)
{
    tregini().writeiefont(QStringLiteral("Verdana"));
    texportedit converter;
    converter.setSource(QStringLiteral("<B>Hi</B><BR>there"));
    QString error;
    ASSERT_TRUE(converter.exporter(&error)) << error.toStdString();
    EXPECT_EQ(converter.content(), QStringLiteral("Hi\r\nthere"));
    EXPECT_EQ(converter.standardFont(), QStringLiteral("Verdana"));
    EXPECT_FALSE(converter.style().bold);
}

TEST_F(TextExportConverter, BadThresholdConvertsNothing)
{
    tregini().writeief(4, QStringLiteral("sixteen"));
    texportedit converter;
    converter.setSource(QStringLiteral("text"));
    QString error;
    EXPECT_FALSE(converter.exporter(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("'sixteen'")));
    EXPECT_TRUE(converter.content().isEmpty());
}

TEST(TextExportTarget, TxtAppendedWithoutExtension)
{
    EXPECT_EQ(TextExport::targetFileName(QStringLiteral("/tmp/notes")), QStringLiteral("/tmp/notes.txt"));
    EXPECT_EQ(TextExport::targetFileName(QStringLiteral("/tmp/notes.txt")), QStringLiteral("/tmp/notes.txt"));
    EXPECT_EQ(TextExport::targetFileName(QStringLiteral("/tmp/notes.text")), QStringLiteral("/tmp/notes.text"));
    EXPECT_EQ(TextExport::targetFileName(QStringLiteral("/tmp/v1.2/notes")), QStringLiteral("/tmp/v1.2/notes.txt"));
    EXPECT_EQ(TextExport::targetFileName(QStringLiteral("C:\\web.d\\notes")), QStringLiteral("C:\\web.d\\notes.txt"));
    EXPECT_EQ(TextExport::targetFileName(QStringLiteral("notes.")), QStringLiteral("notes."));
}

TEST(TextExportLarge, LongPageEndsAndKeepsEveryCharacter)
{
    QString html;
    QString expected;
    for (int i = 0; i < 20000; ++i) {
        html += QStringLiteral("<P ALIGN=LEFT>word %1<BR>\r\n").arg(i);
        expected += QStringLiteral("word %1\r\n").arg(i);
    }
    html += QStringLiteral("tail < open");
    expected += QStringLiteral("tail < open");
    EXPECT_EQ(TextExport::convert(html), expected);
}

} // namespace

namespace {

struct BlanksCase {
    const char *tag;
    const char *expected;
};

// The blanks before a ">" go, however many; blanks anywhere else stay.
const BlanksCase kBlanks[] = {
    {"<BR>", "<BR>"},           {"<BR >", "<BR>"},          {"<BR    >", "<BR>"},
    {"< B >", "< B>"},          {"<A  HREF=x  >", "<A  HREF=x>"}, {"a > b >", "a> b>"},
    {"<B  ", "<B  "},           {" >", ">"},                {"\t>", "\t>"},
};

} // namespace

TEST(TextExportBlanks, EveryBlankBeforeAGtGoesInOnePass)
{
    for (const BlanksCase &c : kBlanks)
        EXPECT_EQ(texportedit::withoutBlanksBeforeGt(QString::fromLatin1(c.tag)), QString::fromLatin1(c.expected))
            << c.tag;
}

TEST(TextExportBlanks, ALongRunOfBlanksBeforeGtEndsWithTheSameText)
{
    // Quadratic removal took minutes for this; one pass takes milliseconds.
    const QString page = QStringLiteral("<B") + QString(300000, u' ') + QStringLiteral(">x<BR") + QString(1000, u' ')
        + QStringLiteral(">y");
    EXPECT_EQ(TextExport::convert(page), QStringLiteral("x\r\ny"));
}
