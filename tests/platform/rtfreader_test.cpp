#include "rtfparser.h"
#include "rtfreader.h"

#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <functional>
#include <ostream>
#include <gtest/gtest.h>

// Readable failure messages for texts.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toUtf8().toStdString() << '"';
}

using lumaro::RtfParser;
using lumaro::RtfReader;

namespace {

const QChar kPar = QChar(QChar::ParagraphSeparator);
const QChar kLine = QChar(QChar::LineSeparator);

/// The header the page editor writes in front of every coloured page.
const QByteArray kColouringHeader =
    "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil courier new;}}"
    "{\\colortbl\\red0\\green0\\blue0;\\red128\\green0\\blue0;"
    "\\red0\\green128\\blue0;\\red128\\green128\\blue0;\\red0\\green0\\blue128;"
    "\\red128\\green0\\blue128;\\red0\\green128\\blue128;\\red192\\green192\\blue192;"
    "\\red128\\green128\\blue128;\\red255\\green0\\blue0;\\red0\\green255\\blue0;"
    "\\red255\\green255\\blue0;\\red0\\green0\\blue255;\\red255\\green0\\blue255;"
    "\\red0\\green255\\blue255;\\red255\\green255\\blue255;}"
    "\\deflang1030\\pard\\plain\\f0\\fs20\\cf0 ";

class RtfReaderTest : public ::testing::Test {
protected:
    RtfReader::Result load(const QByteArray &rtf)
    {
        m_result = RtfReader::read(rtf, &m_document);
        return m_result;
    }
    /// The document's text, paragraphs separated by U+2029.
    QString text() const { return m_document.toRawText(); }
    /// The format of the character at position.
    QTextCharFormat formatAt(int position) const
    {
        QTextCursor cursor(const_cast<QTextDocument *>(&m_document));
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    }
    QString faceAt(int position) const
    {
        const QStringList families = formatAt(position).fontFamilies().toStringList();
        return families.isEmpty() ? QString() : families.constFirst();
    }
    QColor colorAt(int position) const { return formatAt(position).foreground().color(); }
    bool hasColorAt(int position) const { return formatAt(position).hasProperty(QTextFormat::ForegroundBrush); }
    Qt::Alignment alignmentOf(int block) const
    {
        return m_document.findBlockByNumber(block).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    }

    QTextDocument m_document;
    RtfReader::Result m_result;
};

// ---------------------------------------------------------------------------
// Recognising RTF

TEST_F(RtfReaderTest, DataThatIsNotRtfIsRefusedAndLeavesTheDocumentAlone)
{
    m_document.setPlainText(QStringLiteral("kept"));
    for (const QByteArray &data : {QByteArray(), QByteArray("plain text"), QByteArray("{\\rt"),
                                   QByteArray("\\rtf1 x}"), QByteArray("{rtf1 x}")}) {
        const auto result = load(data);
        EXPECT_FALSE(result.ok) << data.constData();
        EXPECT_EQ(result.error, QStringLiteral("Not an RTF document"));
        EXPECT_EQ(text(), QStringLiteral("kept"));
    }
}

TEST_F(RtfReaderTest, NullDocumentIsRefused)
{
    EXPECT_FALSE(RtfReader::read("{\\rtf1 x}", nullptr).ok);
}

TEST_F(RtfReaderTest, LeadingBlanksAndByteOrderMarkAreAllowed)
{
    ASSERT_TRUE(load("\xEF\xBB\xBF \r\n{\\rtf1 Hi}").ok);
    EXPECT_EQ(text(), QStringLiteral("Hi"));
}

TEST_F(RtfReaderTest, ReplacesContentClearsModifiedAndKeepsNoUndoHistory)
{
    m_document.setPlainText(QStringLiteral("old text"));
    m_document.setModified(true);
    ASSERT_TRUE(m_document.isUndoRedoEnabled());
    ASSERT_TRUE(load("{\\rtf1 new}").ok);
    EXPECT_EQ(text(), QStringLiteral("new"));
    EXPECT_FALSE(m_document.isModified());
    EXPECT_TRUE(m_document.isUndoRedoEnabled());
    EXPECT_FALSE(m_document.isUndoAvailable());
    EXPECT_FALSE(m_result.truncated);
}

// ---------------------------------------------------------------------------
// Text: control symbols, escapes, special characters

struct TextCase {
    const char *name;
    QByteArray rtf;
    QString expected;
};

class RtfTextTest : public RtfReaderTest, public ::testing::WithParamInterface<TextCase> {};

TEST_P(RtfTextTest, GivesTheText)
{
    const TextCase &c = GetParam();
    ASSERT_TRUE(load(c.rtf).ok);
    EXPECT_EQ(text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfTextTest,
    ::testing::Values(
        TextCase{"plain", "{\\rtf1 Hello}", QStringLiteral("Hello")},
        TextCase{"spaceEndsControlWordOnlyOnce", "{\\rtf1\\b  x}", QStringLiteral(" x")},
        TextCase{"sourceLineBreaksAreNotText", "{\\rtf1 a\r\nb\nc\rd}", QStringLiteral("abcd")},
        TextCase{"escapedBackslashAndBraces", "{\\rtf1 a\\\\b\\{c\\}}", QStringLiteral("a\\b{c}")},
        TextCase{"par", "{\\rtf1 one\\par two}", QStringLiteral("one") + kPar + QStringLiteral("two")},
        TextCase{"backslashNewlineIsPar", "{\\rtf1 one\\\ntwo\\\r\nthree}",
                 QStringLiteral("one") + kPar + QStringLiteral("two") + kPar + QStringLiteral("three")},
        TextCase{"lastParEndsTheDocument", "{\\rtf1 one\\par }", QStringLiteral("one")},
        TextCase{"twoParsAtTheEndLeaveOneEmptyParagraph", "{\\rtf1 one\\par\\par }",
                 QStringLiteral("one") + kPar},
        TextCase{"line", "{\\rtf1 a\\line b}", QStringLiteral("a") + kLine + QStringLiteral("b")},
        TextCase{"tab", "{\\rtf1 a\\tab b}", QStringLiteral("a\tb")},
        TextCase{"rawTabIsKept", "{\\rtf1 a\tb}", QStringLiteral("a\tb")},
        TextCase{"hexEscapeIsWindows1252", "{\\rtf1 caf\\'e9 \\'80}", QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC")},
        TextCase{"hexEscapeUpperCase", "{\\rtf1 \\'C6}", QString::fromUtf8("\xC3\x86")},
        TextCase{"rawHighBytesAreWindows1252", "{\\rtf1 \xe6\xf8\xe5 \x93q\x94}",
                 QString::fromUtf8("\xC3\xA6\xC3\xB8\xC3\xA5 \xE2\x80\x9Cq\xE2\x80\x9D")},
        TextCase{"unicodeWithFallback", "{\\rtf1 \\u8364?x}", QString::fromUtf8("\xE2\x82\xAC") + QStringLiteral("x")},
        TextCase{"unicodeNegativeIsPlus65536", "{\\rtf1 \\u-4064?}", QString(QChar(0xF020))},
        TextCase{"unicodeFallbackIsHexEscape", "{\\rtf1 \\u233\\'e9x}", QString::fromUtf8("\xC3\xA9") + QStringLiteral("x")},
        TextCase{"ucZeroSkipsNothing", "{\\rtf1\\uc0\\u233 x}", QString::fromUtf8("\xC3\xA9") + QStringLiteral("x")},
        TextCase{"ucTwoSkipsTwo", "{\\rtf1\\uc2\\u233 abc}", QString::fromUtf8("\xC3\xA9") + QStringLiteral("c")},
        TextCase{"ucIsScopedToItsGroup", "{\\rtf1{\\uc0 x}\\u233?y}", QString::fromUtf8("x\xC3\xA9y")},
        TextCase{"groupEndStopsTheFallback", "{\\rtf1{\\uc3\\u233}xy}", QString::fromUtf8("\xC3\xA9xy")},
        TextCase{"surrogatePair", "{\\rtf1 \\u-10179?\\u-8704?}", QString::fromUtf8("\xF0\x9F\x98\x80")},
        TextCase{"loneHighSurrogate", "{\\rtf1 \\u-10179?x}", QString(QChar(0xFFFD)) + QStringLiteral("x")},
        TextCase{"loneLowSurrogate", "{\\rtf1 \\u-8704?x}", QString(QChar(0xFFFD)) + QStringLiteral("x")},
        TextCase{"unicodeOutOfRange", "{\\rtf1 \\u70000?x}", QString(QChar(0xFFFD)) + QStringLiteral("x")},
        TextCase{"unicodeParagraphSeparatorIsPar", "{\\rtf1 a\\u8233?b}", QStringLiteral("a") + kPar + QStringLiteral("b")},
        TextCase{"controlCharactersAreDropped", "{\\rtf1 a\\'0d\\u0?\\'01\x01" "b}", QStringLiteral("ab")},
        TextCase{"nonBreakingSpaceAndHyphen", "{\\rtf1 a\\~b\\_c\\-d}", QStringLiteral("a\u00A0b\u2011cd")},
        TextCase{"namedCharacters",
                 "{\\rtf1 \\bullet\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\emspace\\enspace}",
                 QStringLiteral("\u2022\u2014\u2013\u2018\u2019\u201C\u201D\u2003\u2002")},
        TextCase{"unknownControlWordsAreIgnored", "{\\rtf1\\viewkind4\\lang1030\\sa200 x\\foo-12 y}", QStringLiteral("xy")},
        TextCase{"ignorableDestinationIsSkipped", "{\\rtf1 a{\\*\\generator Word;}{\\*\\unknown {nested} text}b}", QStringLiteral("ab")},
        TextCase{"nonTextDestinationsAreSkipped",
                 "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                 "{\\header head}{\\footer foot}{\\pict\\wmetafile8 0102ab}x}",
                 QStringLiteral("x")},
        TextCase{"fieldShowsItsResult", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt link}}}", QStringLiteral("link")},
        TextCase{"fieldInstructionWithoutStarIsSkipped", "{\\rtf1{\\field{\\fldinst PAGE}{\\fldrslt 3}}}", QStringLiteral("3")},
        TextCase{"binaryDataIsSkippedBracesAndAll", "{\\rtf1 A\\bin3 {}\\B}", QStringLiteral("AB")},
        TextCase{"textAfterTheLastBraceIsIgnored", "{\\rtf1 a}b}c", QStringLiteral("a")},
        TextCase{"emptyDocument", "{\\rtf1}", QString()}),
    [](const auto &info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Character formats

TEST_F(RtfReaderTest, FontTableAndFontSelection)
{
    ASSERT_TRUE(load("{\\rtf1\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
                     "{\\f2\\fnil{\\*\\panose 020b0604}Caf\\'e9 Sans{\\*\\falt Other};}}"
                     "a\\f0 b\\f2 c\\plain d\\f9 e}")
                    .ok);
    EXPECT_EQ(text(), QStringLiteral("abcde"));
    EXPECT_EQ(faceAt(0), QStringLiteral("Arial")) << "the default font";
    EXPECT_EQ(faceAt(1), QStringLiteral("Times New Roman"));
    EXPECT_EQ(faceAt(2), QString::fromUtf8("Caf\xC3\xA9 Sans"));
    EXPECT_EQ(faceAt(3), QStringLiteral("Arial")) << "\\plain returns to the default font";
    EXPECT_EQ(faceAt(4), QString()) << "a font missing from the table sets no face";
}

TEST_F(RtfReaderTest, FontTableWithoutInnerGroupsAndWithoutFinalSemicolon)
{
    ASSERT_TRUE(load("{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1 Courier}\\f1 x\\f0 y}").ok);
    EXPECT_EQ(faceAt(0), QStringLiteral("Courier"));
    EXPECT_EQ(faceAt(1), QStringLiteral("Arial"));
}

TEST_F(RtfReaderTest, FontSizeIsInHalfPoints)
{
    ASSERT_TRUE(load("{\\rtf1 a\\fs20 b\\fs21 c\\fs d\\plain e}").ok);
    EXPECT_DOUBLE_EQ(formatAt(0).fontPointSize(), 12.0) << "RTF's default size";
    EXPECT_DOUBLE_EQ(formatAt(1).fontPointSize(), 10.0);
    EXPECT_DOUBLE_EQ(formatAt(2).fontPointSize(), 10.5);
    EXPECT_DOUBLE_EQ(formatAt(3).fontPointSize(), 12.0);
    EXPECT_DOUBLE_EQ(formatAt(4).fontPointSize(), 12.0);
}

TEST_F(RtfReaderTest, ColourTableAndForegroundColour)
{
    ASSERT_TRUE(load("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;\\red300\\green-4\\blue7;}"
                     "a\\cf1 b\\cf2 c\\cf0 d\\cf3 e\\cf9 f\\cf1\\plain g}")
                    .ok);
    EXPECT_FALSE(hasColorAt(0)) << "no colour given: automatic";
    EXPECT_EQ(colorAt(1), QColor(255, 0, 0));
    EXPECT_EQ(colorAt(2), QColor(0, 0, 255));
    EXPECT_FALSE(hasColorAt(3)) << "the empty first entry is the automatic colour";
    EXPECT_EQ(colorAt(4), QColor(255, 0, 7)) << "components are clamped to 0..255";
    EXPECT_FALSE(hasColorAt(5)) << "an index past the table is automatic";
    EXPECT_FALSE(hasColorAt(6)) << "\\plain resets the colour";
}

struct StyleCase {
    const char *name;
    QByteArray rtf; // the styled character is "x" at position 1, "y" at position 2
    std::function<bool(const QTextCharFormat &)> has;
    bool xHas;
    bool yHas;
};

class RtfStyleTest : public RtfReaderTest, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(RtfStyleTest, AppliesTheStyle)
{
    const StyleCase &c = GetParam();
    ASSERT_TRUE(load(c.rtf).ok);
    ASSERT_EQ(text(), QStringLiteral("axy"));
    EXPECT_FALSE(c.has(formatAt(0))) << "before";
    EXPECT_EQ(c.has(formatAt(1)), c.xHas) << "x";
    EXPECT_EQ(c.has(formatAt(2)), c.yHas) << "y";
}

const auto isBold = [](const QTextCharFormat &f) { return f.fontWeight() == QFont::Bold; };
const auto isItalic = [](const QTextCharFormat &f) { return f.fontItalic(); };
const auto isUnderlined = [](const QTextCharFormat &f) { return f.fontUnderline(); };
const auto isStruck = [](const QTextCharFormat &f) { return f.fontStrikeOut(); };

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfStyleTest,
    ::testing::Values(StyleCase{"boldOnOff", "{\\rtf1 a\\b x\\b0 y}", isBold, true, false},
                      StyleCase{"boldOnes", "{\\rtf1 a\\b1 x\\b1 y}", isBold, true, true},
                      StyleCase{"boldGroup", "{\\rtf1 a{\\b x}y}", isBold, true, false},
                      StyleCase{"italicOnOff", "{\\rtf1 a\\i x\\i0 y}", isItalic, true, false},
                      StyleCase{"underlineNone", "{\\rtf1 a\\ul x\\ulnone y}", isUnderlined, true, false},
                      StyleCase{"underlineZero", "{\\rtf1 a\\ul x\\ul0 y}", isUnderlined, true, false},
                      StyleCase{"underlineDouble", "{\\rtf1 a\\uldb x\\ulnone y}", isUnderlined, true, false},
                      StyleCase{"underlineWordsKeeps", "{\\rtf1 a\\ulw xy}", isUnderlined, true, true},
                      StyleCase{"strikeOnOff", "{\\rtf1 a\\strike x\\strike0 y}", isStruck, true, false},
                      StyleCase{"doubleStrike", "{\\rtf1 a\\striked1 x\\striked0 y}", isStruck, true, false},
                      StyleCase{"plainResetsBold", "{\\rtf1 a\\b x\\plain y}", isBold, true, false},
                      StyleCase{"plainResetsItalic", "{\\rtf1 a\\i x\\plain y}", isItalic, true, false},
                      StyleCase{"plainResetsUnderline", "{\\rtf1 a\\ul x\\plain y}", isUnderlined, true, false},
                      StyleCase{"plainResetsStrike", "{\\rtf1 a\\strike x\\plain y}", isStruck, true, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RtfReaderTest, StylesCombine)
{
    ASSERT_TRUE(load("{\\rtf1\\b\\i\\ul\\strike x}").ok);
    const QTextCharFormat f = formatAt(0);
    EXPECT_TRUE(isBold(f) && isItalic(f) && isUnderlined(f) && isStruck(f));
}

// ---------------------------------------------------------------------------
// Paragraphs

TEST_F(RtfReaderTest, ParagraphAlignment)
{
    ASSERT_TRUE(load("{\\rtf1\\pard\\qc centred\\par\\pard plain\\par\\qr right\\par\\ql left\\par"
                     "\\qj justified\\par\\pard\\qc last\\par}")
                    .ok);
    ASSERT_EQ(m_document.blockCount(), 6);
    EXPECT_EQ(alignmentOf(0), Qt::AlignHCenter);
    EXPECT_EQ(alignmentOf(1), Qt::AlignLeft);
    EXPECT_EQ(alignmentOf(2), Qt::AlignRight);
    EXPECT_EQ(alignmentOf(3), Qt::AlignLeft);
    EXPECT_EQ(alignmentOf(4), Qt::AlignJustify);
    EXPECT_EQ(alignmentOf(5), Qt::AlignHCenter) << "the last paragraph keeps its alignment";
}

TEST_F(RtfReaderTest, LastParagraphWithoutParKeepsItsAlignment)
{
    ASSERT_TRUE(load("{\\rtf1 a\\par\\qr b}").ok);
    EXPECT_EQ(alignmentOf(0), Qt::AlignLeft);
    EXPECT_EQ(alignmentOf(1), Qt::AlignRight);
}

TEST_F(RtfReaderTest, ParagraphsBecomeBlocksOfAPlainTextEditor)
{
    QPlainTextEdit edit;
    ASSERT_TRUE(RtfReader::read("{\\rtf1\\qc a\\par b\\line c}", edit.document()).ok);
    ASSERT_EQ(edit.document()->blockCount(), 2);
    EXPECT_EQ(edit.document()->firstBlock().text(), QStringLiteral("a"));
    EXPECT_EQ(edit.document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(edit.document()->lastBlock().text(), QStringLiteral("b") + kLine + QStringLiteral("c"));
}

// ---------------------------------------------------------------------------
// The coloured page document

TEST_F(RtfReaderTest, ColouredPageShowsTagsInTheirColourAndTextInBlack)
{
    ASSERT_TRUE(load(kColouringHeader + "{\\cf12 <B>}x{\\cf12 </B>}\\par a\\\\b\\{c\\}\t\xe9}").ok);
    EXPECT_EQ(text(), QStringLiteral("<B>x</B>") + kPar + QString::fromUtf8("a\\b{c}\t\xC3\xA9"));
    for (int i : {0, 1, 2, 4, 5, 6, 7})
        EXPECT_EQ(colorAt(i), QColor(0, 0, 255)) << i;
    EXPECT_EQ(colorAt(3), QColor(0, 0, 0));
    EXPECT_EQ(colorAt(9), QColor(0, 0, 0));
    for (int i = 0; i < int(text().size()); ++i) {
        if (text()[i] == kPar)
            continue;
        EXPECT_EQ(faceAt(i), QStringLiteral("courier new")) << i;
        EXPECT_DOUBLE_EQ(formatAt(i).fontPointSize(), 10.0) << i;
    }
}

TEST_F(RtfReaderTest, ColouredPageWithAttributes)
{
    ASSERT_TRUE(load(kColouringHeader + "{\\cf9\\b\\i <A HREF=x>}t{\\b\\ul </A>}}").ok);
    EXPECT_EQ(text(), QStringLiteral("<A HREF=x>t</A>"));
    EXPECT_EQ(colorAt(0), QColor(255, 0, 0));
    EXPECT_TRUE(isBold(formatAt(0)) && isItalic(formatAt(0)) && !isUnderlined(formatAt(0)));
    EXPECT_FALSE(isBold(formatAt(10)));
    EXPECT_EQ(colorAt(11), QColor(0, 0, 0));
    EXPECT_TRUE(isBold(formatAt(11)) && isUnderlined(formatAt(11)) && !isItalic(formatAt(11)));
}

TEST_F(RtfReaderTest, EmptyColouredPageCarriesTheTypingFormat)
{
    ASSERT_TRUE(load(kColouringHeader + "}").ok);
    EXPECT_TRUE(text().isEmpty());
    QTextCursor cursor(&m_document);
    EXPECT_EQ(cursor.charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("courier new")});
    EXPECT_DOUBLE_EQ(cursor.charFormat().fontPointSize(), 10.0);
}

TEST_F(RtfReaderTest, EqualNeighbouringGroupsFormOneRun)
{
    RtfParser parser("{\\rtf1{\\b a}{\\b b}{\\b\\i c}\\b d}");
    ASSERT_TRUE(parser.parse());
    EXPECT_EQ(parser.content().text, QStringLiteral("abcd"));
    ASSERT_EQ(parser.content().runs.size(), 3u);
    EXPECT_EQ(parser.content().runs[1].start, 2);
    EXPECT_EQ(parser.content().runs[2].start, 3);
    EXPECT_EQ(parser.content().styles.size(), 2u) << "the runs share their styles";
}

// ---------------------------------------------------------------------------
// Malformed input: loads what it can, never crashes or hangs

TEST_F(RtfReaderTest, MissingClosingBracesLoadWhatIsThere)
{
    ASSERT_TRUE(load("{\\rtf1 a{\\b b{\\i c").ok);
    EXPECT_EQ(text(), QStringLiteral("abc"));
    EXPECT_TRUE(m_result.truncated);
    EXPECT_TRUE(isBold(formatAt(2)) && isItalic(formatAt(2)));
}

TEST_F(RtfReaderTest, ExtraClosingBracesEndTheDocument)
{
    ASSERT_TRUE(load("{\\rtf1 a}}}b{c").ok);
    EXPECT_EQ(text(), QStringLiteral("a"));
    EXPECT_FALSE(m_result.truncated);
}

struct MalformedCase {
    const char *name;
    QByteArray rtf;
    QString expected;
};

class RtfMalformedTest : public RtfReaderTest, public ::testing::WithParamInterface<MalformedCase> {};

TEST_P(RtfMalformedTest, LoadsWhatItCan)
{
    const MalformedCase &c = GetParam();
    ASSERT_TRUE(load(c.rtf).ok);
    EXPECT_EQ(text(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfMalformedTest,
    ::testing::Values(
        MalformedCase{"backslashAtTheEnd", "{\\rtf1 a\\", QStringLiteral("a")},
        MalformedCase{"hexEscapeAtTheEnd", "{\\rtf1 a\\'", QStringLiteral("a")},
        MalformedCase{"hexEscapeWithOneDigitAtTheEnd", "{\\rtf1 a\\'4", QStringLiteral("a4")},
        MalformedCase{"hexEscapeWithBadDigits", "{\\rtf1 a\\'zzb}", QStringLiteral("azzb")},
        MalformedCase{"unicodeAtTheEnd", "{\\rtf1 a\\u", QStringLiteral("a")},
        MalformedCase{"unicodeNumberAtTheEnd", "{\\rtf1 a\\u233", QString::fromUtf8("a\xC3\xA9")},
        MalformedCase{"unicodeWithoutNumber", "{\\rtf1 a\\u b}", QStringLiteral("ab")},
        MalformedCase{"controlWordAtTheEnd", "{\\rtf1 a\\par", QStringLiteral("a")},
        MalformedCase{"minusWithoutDigits", "{\\rtf1 a\\fs-x}", QStringLiteral("a-x")},
        MalformedCase{"hugeNumbers", "{\\rtf1\\fs99999999999\\cf99999999999999999999\\uc99999999999 a\\u99999999999?b}",
                      QStringLiteral("a") + QChar(0xFFFD)},
        MalformedCase{"hugeNegativeNumbers", "{\\rtf1\\fs-99999999999\\f-99999999999 a\\u-99999999999 b}",
                      QStringLiteral("a") + QChar(0xFFFD)},
        MalformedCase{"overlongControlWord",
                      "{\\rtf1 a\\" + QByteArray(5000, 'p') + "ar b}", QStringLiteral("ab")},
        MalformedCase{"binaryLongerThanTheData", "{\\rtf1 a\\bin99999999 bc}", QStringLiteral("a")},
        MalformedCase{"negativeBinaryLength", "{\\rtf1 a\\bin-5 bc}", QStringLiteral("abc")},
        MalformedCase{"starOutsideAGroupSkipsTheRest", "{\\rtf1 a\\*\\foo b}", QStringLiteral("a")},
        MalformedCase{"unclosedFontTable", "{\\rtf1{\\fonttbl{\\f0 Arial;}", QString()},
        MalformedCase{"unclosedSkippedGroup", "{\\rtf1 a{\\*\\x b", QStringLiteral("a")},
        MalformedCase{"nulBytes", QByteArray("{\\rtf1 a\0b}", 11), QStringLiteral("ab")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(RtfReaderTest, HugeSizeIsClampedToAUsableFont)
{
    ASSERT_TRUE(load("{\\rtf1\\fs99999999999 a\\fs-99999999999 b\\fs0 c}").ok);
    EXPECT_DOUBLE_EQ(formatAt(0).fontPointSize(), 1638.0);
    EXPECT_DOUBLE_EQ(formatAt(1).fontPointSize(), 1.0);
    EXPECT_DOUBLE_EQ(formatAt(2).fontPointSize(), 1.0);
}

TEST_F(RtfReaderTest, HundredThousandNestedGroupsLoad)
{
    const int depth = 100000;
    const QByteArray rtf = "{\\rtf1 a" + QByteArray(depth, '{') + "\\b deep" + QByteArray(depth, '}') + "z}";
    ASSERT_TRUE(load(rtf).ok);
    EXPECT_EQ(text(), QStringLiteral("adeepz"));
    EXPECT_TRUE(isBold(formatAt(1)));
    EXPECT_FALSE(isBold(formatAt(5))) << "closing every group restores the outer state";
    EXPECT_FALSE(m_result.truncated);
}

TEST_F(RtfReaderTest, NestedGroupsNeverClosedLoad)
{
    const QByteArray rtf = "{\\rtf1 a" + QByteArray(100000, '{') + "b";
    ASSERT_TRUE(load(rtf).ok);
    EXPECT_EQ(text(), QStringLiteral("ab"));
    EXPECT_TRUE(m_result.truncated);
}

TEST_F(RtfReaderTest, GroupsPastTheDepthLimitShareTheDeepestState)
{
    // Groups beyond the limit keep no state of their own; closing the kept
    // group still restores the state from before it.
    const int kept = RtfParser::maxGroupDepth;
    const QByteArray rtf = "{\\rtf1" + QByteArray(kept - 1, '{') + "{\\i{\\b x}y}" + QByteArray(kept - 1, '}') + "z}";
    ASSERT_TRUE(load(rtf).ok);
    EXPECT_EQ(text(), QStringLiteral("xyz"));
    EXPECT_TRUE(isBold(formatAt(1))) << "bold set past the limit stays until the kept group closes";
    EXPECT_FALSE(isBold(formatAt(2)));
    EXPECT_FALSE(isItalic(formatAt(2)));
}

TEST_F(RtfReaderTest, BinaryGarbageNeverCrashes)
{
    QRandomGenerator random(4242);
    const QByteArray alphabet = "{}\\'*abcdefu0123456789- ;\r\n\x80\xff";
    for (int round = 0; round < 300; ++round) {
        QByteArray data = "{\\rtf1 ";
        const int length = int(random.bounded(1, 400));
        for (int i = 0; i < length; ++i) {
            data += random.bounded(2) ? char(random.bounded(256))
                                      : alphabet[int(random.bounded(int(alphabet.size())))];
        }
        const auto result = load(data);
        ASSERT_TRUE(result.ok) << round;
        ASSERT_LE(text().size(), data.size()) << round;
    }
}

TEST_F(RtfReaderTest, EveryPrefixOfADocumentLoads)
{
    const QByteArray full = kColouringHeader
        + "{\\cf12\\b <B>}caf\\'e9 \\u8364?{\\*\\x y}{\\pict\\bin2 {}}\\qc\\par\xe9\\line\\tab}";
    for (int n = 5; n <= full.size(); ++n) {
        const auto result = load(full.left(n));
        ASSERT_TRUE(result.ok) << n;
    }
    EXPECT_EQ(text(), QStringLiteral("<B>caf\u00e9 \u20ac") + kPar + QStringLiteral("\u00e9") + kLine + QStringLiteral("\t"));
}

} // namespace
