#include "importdocument.h"
#include "qstringprint.h"
#include "rtfimport.h"
#include "testsandbox.h"
#include "timpexprichedit.h"
#include "tregini.h"

#include <QRandomGenerator>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ImportDocument;
using lumaro::test::RunFormat;

namespace {

// Converts with both walks; they must agree, and the result is returned.
QString convertBoth(const QTextDocument &document, const ImportSettings &settings = {})
{
    const QString byCharacter = RtfImport::convert(document, settings, ImportWalk::Characters);
    const QString byRun = RtfImport::convert(document, settings, ImportWalk::Runs);
    EXPECT_EQ(byCharacter.toStdString(), byRun.toStdString());
    return byRun;
}

const QString kArial10 = QStringLiteral("<FONT SIZE=3 COLOR=#000000 FACE=\"Arial\">");

class RtfImportConversion : public ::testing::Test {
protected:
    void SetUp() override { lumaro::test::TestSandbox::clearSettings(); }
};

TEST_F(RtfImportConversion, HelloWithBoldMiddleLetters)
{
    const RunFormat plain;
    ImportDocument doc;
    doc.text(QStringLiteral("H"), plain).text(QStringLiteral("ell"), plain.withBold()).text(QStringLiteral("o"), plain);
    EXPECT_EQ(convertBoth(doc.document()),
              QStringLiteral("<FONT SIZE=3 COLOR=#000000 FACE=\"Arial\">H<B>ell</B>o</FONT>"));
}

TEST_F(RtfImportConversion, TwelvePointRedArial)
{
    ImportDocument doc;
    doc.text(QStringLiteral("Red"), RunFormat().withSize(12).withColor(Qt::red));
    EXPECT_EQ(convertBoth(doc.document()),
              QStringLiteral("<FONT SIZE=3 COLOR=#FF0000 FACE=\"Arial\">Red</FONT>"));
}

TEST_F(RtfImportConversion, UnformattedDocumentHasOneFontTag)
{
    // No explicit formats at all: the document's defaults apply.
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Times New Roman"), 12));
    document.setPlainText(QStringLiteral("plain text\nsecond line"));
    const QString html = convertBoth(document);
    EXPECT_EQ(html.count(QStringLiteral("<FONT")), 1);
    EXPECT_TRUE(html.startsWith(QStringLiteral("<FONT SIZE=3 COLOR=#000000 FACE=\"Times New Roman\">")));
    EXPECT_TRUE(html.endsWith(QStringLiteral("</FONT>")));
    EXPECT_EQ(html,
              QStringLiteral("<FONT SIZE=3 COLOR=#000000 FACE=\"Times New Roman\">plain text\r\n<P>second line</FONT>"));
}

TEST_F(RtfImportConversion, BoldItalicThenItalicClosesOnlyBold)
{
    const RunFormat italic = RunFormat().withItalic();
    ImportDocument doc;
    doc.text(QStringLiteral("ab"), italic.withBold()).text(QStringLiteral("cd"), italic);
    EXPECT_EQ(convertBoth(doc.document()), kArial10 + QStringLiteral("<B><I>ab</B>cd</I></FONT>"));
}

TEST_F(RtfImportConversion, StylesOpenAndCloseInFixedOrder)
{
    const RunFormat all = RunFormat().withBold().withItalic().withUnderline().withStrike();
    ImportDocument doc;
    doc.text(QStringLiteral("x"), all).text(QStringLiteral("y"));
    EXPECT_EQ(convertBoth(doc.document()),
              kArial10 + QStringLiteral("<B><I><U><S>x</S></U></I></B>y</FONT>"));

    ImportDocument open;
    open.text(QStringLiteral("z"), all);
    EXPECT_EQ(convertBoth(open.document()), kArial10 + QStringLiteral("<B><I><U><S>z</S></U></I></B></FONT>"));
}

TEST_F(RtfImportConversion, CustomTagNames)
{
    ImportSettings settings;
    settings.boldTag = QStringLiteral("STRONG");
    settings.italicTag = QStringLiteral("EM");
    settings.crTag = QStringLiteral("BR");
    ImportDocument doc;
    doc.text(QStringLiteral("a"), RunFormat().withBold()).text(QStringLiteral("b"), RunFormat().withItalic());
    doc.paragraph().text(QStringLiteral("c"));
    EXPECT_EQ(convertBoth(doc.document(), settings),
              kArial10 + QStringLiteral("<STRONG>a</STRONG><EM>b\r\n<BR></EM>c</FONT>"));
}

TEST_F(RtfImportConversion, FacesOffWritesSizeAndColourOnly)
{
    ImportSettings settings;
    settings.useFontType = false;
    ImportDocument doc;
    doc.text(QStringLiteral("a"), RunFormat().withFace(QStringLiteral("Arial")))
        .text(QStringLiteral("b"), RunFormat().withFace(QStringLiteral("Courier New")))
        .text(QStringLiteral("c"), RunFormat().withFace(QStringLiteral("Courier New")).withColor(QColor(0x12, 0x34, 0x56)));
    EXPECT_EQ(convertBoth(doc.document(), settings),
              QStringLiteral("<FONT SIZE=3 COLOR=#000000>ab</FONT><FONT SIZE=3 COLOR=#123456>c</FONT>"));
}

TEST_F(RtfImportConversion, FaceChangeWritesNewFontTag)
{
    ImportDocument doc;
    doc.text(QStringLiteral("a")).text(QStringLiteral("b"), RunFormat().withFace(QStringLiteral("Courier New")));
    EXPECT_EQ(convertBoth(doc.document()),
              kArial10 + QStringLiteral("a</FONT><FONT SIZE=3 COLOR=#000000 FACE=\"Courier New\">b</FONT>"));
}

TEST_F(RtfImportConversion, ThresholdsAllZeroMakeEverySizeSeven)
{
    ImportSettings settings;
    settings.thresholds = {0, 0, 0, 0, 0, 0, 0};
    ImportDocument doc;
    doc.text(QStringLiteral("a"), RunFormat().withSize(1)).text(QStringLiteral("b"), RunFormat().withSize(40));
    EXPECT_EQ(convertBoth(doc.document(), settings),
              QStringLiteral("<FONT SIZE=7 COLOR=#000000 FACE=\"Arial\">a</FONT>"
                             "<FONT SIZE=7 COLOR=#000000 FACE=\"Arial\">b</FONT>"));
}

TEST_F(RtfImportConversion, CentredParagraph)
{
    ImportDocument doc;
    doc.text(QStringLiteral("ab")).centre().paragraph().text(QStringLiteral("c"));
    EXPECT_EQ(convertBoth(doc.document()), kArial10 + QStringLiteral("<CENTER>ab\r\n<P></CENTER>c</FONT>"));

    ImportDocument last;
    last.text(QStringLiteral("x")).paragraph().text(QStringLiteral("y")).centre();
    EXPECT_EQ(convertBoth(last.document()), kArial10 + QStringLiteral("x\r\n<P><CENTER>y</CENTER></FONT>"));
}

TEST_F(RtfImportConversion, OneBreakTagPerRunOfParagraphMarks)
{
    ImportDocument doc;
    doc.text(QStringLiteral("a")).paragraph().paragraph().paragraph().text(QStringLiteral("b")).paragraph().text(QStringLiteral("c"));
    EXPECT_EQ(convertBoth(doc.document()), kArial10 + QStringLiteral("a\r\n<P>b\r\n<P>c</FONT>"));
    for (int marks = 1; marks <= 6; ++marks) {
        ImportDocument run;
        run.text(QStringLiteral("x"));
        for (int i = 0; i < marks; ++i)
            run.paragraph();
        run.text(QStringLiteral("y"));
        EXPECT_EQ(convertBoth(run.document()), kArial10 + QStringLiteral("x\r\n<P>y</FONT>")) << marks;
    }
    // Marks at the start of the document give one break too.
    ImportDocument leading;
    leading.paragraph(RunFormat()).paragraph().text(QStringLiteral("z"));
    EXPECT_EQ(convertBoth(leading.document()), kArial10 + QStringLiteral("\r\n<P>z</FONT>"));
}

TEST_F(RtfImportConversion, LineBreakInsideParagraphIsAnEmptyPosition)
{
    ImportDocument doc;
    doc.text(QStringLiteral("a") + QChar(QChar::LineSeparator) + QStringLiteral("b"));
    doc.paragraph().text(QStringLiteral("c"));
    EXPECT_EQ(convertBoth(doc.document()), kArial10 + QStringLiteral("a\r\n<P>b\r\n<P>c</FONT>"));
}

TEST_F(RtfImportConversion, ParagraphMarkCarriesItsOwnFormat)
{
    // "{\b bold}\par next": the mark is not bold, so B closes at the mark,
    // after its break (breaks come before the style tags of a position).
    ImportDocument doc;
    doc.text(QStringLiteral("bold"), RunFormat().withBold()).paragraph(RunFormat()).text(QStringLiteral("next"));
    EXPECT_EQ(convertBoth(doc.document()), kArial10 + QStringLiteral("<B>bold\r\n<P></B>next</FONT>"));
    // Bold text on both sides: a bold mark keeps B open, a plain one closes
    // and reopens it.
    const RunFormat bold = RunFormat().withBold();
    ImportDocument boldMark;
    boldMark.text(QStringLiteral("bold"), bold).paragraph(bold).text(QStringLiteral("next"), bold);
    EXPECT_EQ(convertBoth(boldMark.document()), kArial10 + QStringLiteral("<B>bold\r\n<P>next</B></FONT>"));
    ImportDocument plainMark;
    plainMark.text(QStringLiteral("bold"), bold).paragraph(RunFormat()).text(QStringLiteral("next"), bold);
    EXPECT_EQ(convertBoth(plainMark.document()),
              kArial10 + QStringLiteral("<B>bold\r\n<P></B><B>next</B></FONT>"));

    // A mark in another size writes its own FONT tag before the break.
    ImportDocument sized;
    sized.text(QStringLiteral("a")).paragraph(RunFormat().withSize(20)).text(QStringLiteral("b"));
    EXPECT_EQ(convertBoth(sized.document()),
              kArial10 + QStringLiteral("a</FONT><FONT SIZE=5 COLOR=#000000 FACE=\"Arial\">\r\n<P>"
                                        "</FONT><FONT SIZE=3 COLOR=#000000 FACE=\"Arial\">b</FONT>"));
}

TEST_F(RtfImportConversion, EmptyDocumentGivesNothing)
{
    QTextDocument document;
    EXPECT_EQ(convertBoth(document), QString());
}

TEST_F(RtfImportConversion, TextIsCopiedAsItStands)
{
    // Characters are carried over one for one, tabs and markup characters
    // included; nothing is escaped.
    ImportDocument doc;
    doc.text(QStringLiteral("a\tb <i> & caf\u00e9 \u20ac"));
    EXPECT_EQ(convertBoth(doc.document()), kArial10 + QStringLiteral("a\tb <i> & caf\u00e9 \u20ac</FONT>"));
}

TEST_F(RtfImportConversion, ColourIsWrittenRedGreenBlue)
{
    ImportDocument doc;
    doc.text(QStringLiteral("g"), RunFormat().withColor(QColor(0x00, 0x80, 0x00)))
        .text(QStringLiteral("b"), RunFormat().withColor(QColor(0x0A, 0x0B, 0xFF)));
    EXPECT_EQ(convertBoth(doc.document()),
              QStringLiteral("<FONT SIZE=3 COLOR=#008000 FACE=\"Arial\">g</FONT>"
                             "<FONT SIZE=3 COLOR=#0A0BFF FACE=\"Arial\">b</FONT>"));
}

TEST_F(RtfImportConversion, SizeOutsideEveryClassWritesEmptySize)
{
    ImportDocument doc;
    doc.text(QStringLiteral("huge"), RunFormat().withSize(300));
    EXPECT_EQ(convertBoth(doc.document()), QStringLiteral("<FONT SIZE= COLOR=#000000 FACE=\"Arial\">huge</FONT>"));
}

TEST(RtfImportSteps, ReversehexSwapsRedAndBlue)
{
    EXPECT_EQ(timpexprichedit::reversehex(QStringLiteral("0000FF")), QStringLiteral("FF0000"));
    EXPECT_EQ(timpexprichedit::reversehex(QStringLiteral("563412")), QStringLiteral("123456"));
    EXPECT_EQ(timpexprichedit::reversehex(QStringLiteral("ABC")), QStringLiteral("ABC"));
}

TEST(RtfImportSteps, StateIsResetBetweenImports)
{
    timpexprichedit converter;
    ImportDocument doc;
    doc.text(QStringLiteral("x"), RunFormat().withBold()).centre();
    converter.convert(doc.document());
    const QString first = converter.output();
    converter.clearOutput();
    converter.convert(doc.document());
    EXPECT_EQ(converter.output(), first);
    EXPECT_EQ(first, kArial10 + QStringLiteral("<CENTER><B>x</B></CENTER></FONT>"));
}

TEST(RtfImportSteps, ProgressReachesTheEnd)
{
    ImportDocument doc;
    doc.text(QString(10000, QLatin1Char('a'))).paragraph().text(QString(10000, QLatin1Char('b')));
    for (ImportWalk walk : {ImportWalk::Characters, ImportWalk::Runs}) {
        qint64 last = -1;
        qint64 total = 0;
        bool increasing = true;
        RtfImport::convert(doc.document(), {}, walk, [&](qint64 position, qint64 length) {
            increasing = increasing && position >= last;
            last = position;
            total = length;
        });
        EXPECT_TRUE(increasing);
        EXPECT_EQ(total, 20001);
        EXPECT_EQ(last, 20001);
    }
}

// Random documents: the run walk must give exactly what the character walk
// gives, whatever the formats, paragraph marks and alignment.
TEST(RtfImportWalks, RunWalkEqualsCharacterWalkOnRandomDocuments)
{
    QRandomGenerator random(20240611);
    const QStringList faces = {QStringLiteral("Arial"), QStringLiteral("Courier New"), QStringLiteral("Times")};
    const QList<QColor> colors = {Qt::black, Qt::red, QColor(0x12, 0x34, 0x56)};
    for (int round = 0; round < 60; ++round) {
        ImportDocument doc;
        const int pieces = random.bounded(1, 40);
        for (int p = 0; p < pieces; ++p) {
            RunFormat f;
            f.size = random.bounded(1, 40);
            f.color = colors[random.bounded(int(colors.size()))];
            f.face = faces[random.bounded(int(faces.size()))];
            f.bold = random.bounded(2);
            f.italic = random.bounded(2);
            f.underline = random.bounded(2);
            f.strike = random.bounded(2);
            switch (random.bounded(6)) {
            case 0:
                doc.paragraph(f);
                break;
            case 1:
                doc.centre();
                break;
            case 2:
                doc.text(QString(QChar(QChar::LineSeparator)), f);
                break;
            default: {
                QString text;
                const int n = random.bounded(1, 6);
                for (int i = 0; i < n; ++i)
                    text += QChar(u'a' + random.bounded(26));
                doc.text(text, f);
            }
            }
        }
        ImportSettings settings;
        settings.useFontType = random.bounded(2);
        if (random.bounded(3) == 0)
            settings.thresholds = {3, 20, 7, 7, 30, 10, 0};
        convertBoth(doc.document(), settings);
    }
}

struct SizeCase {
    int points;
    unsigned classes;
};

class SizeClasses : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeClasses, DefaultThresholds)
{
    EXPECT_EQ(ImportSettings().sizeClasses(GetParam().points), GetParam().classes) << GetParam().points;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SizeClasses,
                         ::testing::Values(SizeCase{0, 0}, SizeCase{1, 1u << 0}, SizeCase{5, 1u << 0},
                                           SizeCase{6, 1u << 1}, SizeCase{9, 1u << 1}, SizeCase{10, 1u << 2},
                                           SizeCase{12, 1u << 2}, SizeCase{13, 1u << 3}, SizeCase{16, 1u << 3},
                                           SizeCase{17, 1u << 4}, SizeCase{20, 1u << 4}, SizeCase{21, 1u << 5},
                                           SizeCase{25, 1u << 5}, SizeCase{26, 1u << 6}, SizeCase{30, 1u << 6},
                                           SizeCase{31, 1u << 6}, SizeCase{255, 1u << 6}, SizeCase{256, 0},
                                           SizeCase{-3, 0}));

TEST(SizeClassesUnordered, RangesAreTestedIndependently)
{
    ImportSettings settings;
    settings.thresholds = {20, 9, 12, 16, 20, 25, 30};
    // 1..20 is size 1 and 9 < 10 <= 12 is size 3: both digits are written.
    EXPECT_EQ(settings.sizeClasses(10), (1u << 0) | (1u << 2));
    ImportDocument doc;
    doc.text(QStringLiteral("x"), RunFormat().withSize(10));
    EXPECT_EQ(convertBoth(doc.document(), settings),
              QStringLiteral("<FONT SIZE=13 COLOR=#000000 FACE=\"Arial\">x</FONT>"));
    // With f5 = 30 above f6 = 20, 16 < P <= 30 is size 5 and P > 20 size 7.
    settings.thresholds = {5, 9, 12, 16, 30, 20, 30};
    EXPECT_EQ(settings.sizeClasses(18), 1u << 4);
    EXPECT_EQ(settings.sizeClasses(25), (1u << 4) | (1u << 6));
}

class RtfImportSettingsStore : public ::testing::Test {
protected:
    void SetUp() override { lumaro::test::TestSandbox::clearSettings(); }
};

TEST_F(RtfImportSettingsStore, DefaultsAndStoredValues)
{
    const auto defaults = ImportSettings::fromStore();
    ASSERT_TRUE(defaults);
    EXPECT_EQ(defaults->crTag, QStringLiteral("P"));
    EXPECT_EQ(defaults->boldTag, QStringLiteral("B"));
    EXPECT_EQ(defaults->italicTag, QStringLiteral("I"));
    EXPECT_EQ(defaults->underlineTag, QStringLiteral("U"));
    EXPECT_EQ(defaults->strikeTag, QStringLiteral("S"));
    EXPECT_EQ(defaults->thresholds, (std::array<int, 7>{5, 9, 12, 16, 20, 25, 30}));
    EXPECT_TRUE(defaults->useFontType);
    EXPECT_EQ(defaults->standardFont, QStringLiteral("arial"));

    tregini store;
    store.writebtags(QStringLiteral("STRONG"));
    store.writecrtags(QStringLiteral("BR"));
    store.writeief(2, QStringLiteral(" 11 "));
    store.writeusefonttype(false);
    const auto stored = ImportSettings::fromStore();
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->boldTag, QStringLiteral("STRONG"));
    EXPECT_EQ(stored->crTag, QStringLiteral("BR"));
    EXPECT_EQ(stored->thresholds[1], 11);
    EXPECT_FALSE(stored->useFontType);
}

TEST_F(RtfImportSettingsStore, ThresholdThatIsNoWholeNumberStopsTheImport)
{
    for (const QString &bad : {QStringLiteral("abc"), QStringLiteral("12.5"), QString()}) {
        tregini().writeief(7, bad);
        QString error;
        EXPECT_FALSE(ImportSettings::fromStore(&error)) << bad.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("'") + bad + QStringLiteral("'"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("F7"))) << error.toStdString();

        timpexprichedit converter;
        converter.document()->setPlainText(QStringLiteral("text"));
        error.clear();
        EXPECT_FALSE(converter.importer(&error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_TRUE(converter.output().isEmpty());
    }
}

} // namespace
