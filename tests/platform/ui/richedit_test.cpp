#include "richedit.h"

#include <QMimeData>
#include <QTextDocument>
#include <gtest/gtest.h>

#include <memory>

using namespace lumaro;

TEST(RichEdit, LineBreaksCountOnePositionAndReadBackAsCrLf)
{
    RichEdit e;
    e.replaceSel("ab\r\ncd\ref\ngh");
    EXPECT_EQ(e.textLength(), 11);
    EXPECT_EQ(e.text(), "ab\r\ncd\r\nef\r\ngh");
    EXPECT_EQ(e.caretPosition(), 11);
    EXPECT_EQ(e.lineCount(), 4);
    EXPECT_EQ(e.lineFromChar(3), 1);
    EXPECT_EQ(e.lineIndex(2), 6);
    EXPECT_EQ(e.lineIndex(9), -1);
    EXPECT_EQ(e.lineLength(7), 2);
    e.setSelection(1, 3);
    EXPECT_EQ(e.selText(), "b\r\nc");
    EXPECT_EQ(e.selStart(), 1);
    EXPECT_EQ(e.selLength(), 3);
}

TEST(RichEdit, ReplaceSelectionLeavesTheCaretAfterTheText)
{
    RichEdit e;
    e.loadPlainText("hello world");
    e.setSelection(6, 5);
    e.replaceSel("there");
    EXPECT_EQ(e.text(), "hello there");
    EXPECT_EQ(e.caretPosition(), 11);
    EXPECT_TRUE(e.isModified());
    e.setModified(false);
    EXPECT_FALSE(e.isModified());
}

TEST(RichEdit, NonBreakingSpacesSurvive)
{
    RichEdit e;
    e.loadPlainText(QString::fromUtf8("a\xc2\xa0" "b"));
    EXPECT_EQ(e.text(), QString::fromUtf8("a\xc2\xa0" "b"));
}

TEST(RichEdit, FindTextWithWholeWordAndCaseOptions)
{
    RichEdit e;
    e.loadPlainText("<TABLE><TD>table TD_x td\r\nTd");
    EXPECT_EQ(e.findText("TD", 0, -1, false, true), 8);
    EXPECT_EQ(e.findText("td", 0, -1, false, true), 22);
    EXPECT_EQ(e.findText("td", 0, -1, false, false), 8);
    // "<" and ">" are word breaks, "_" is part of a word.
    EXPECT_EQ(e.findText("TD", 9, -1, true, false), 22);
    EXPECT_EQ(e.findText("TABLE", 0, -1, true, true), 1);
    EXPECT_EQ(e.findText("Td", 0, -1, true, true), 25);
    EXPECT_EQ(e.findText("Td", 0, 20, true, true), -1);
    EXPECT_EQ(e.findText("", 0, -1, false, false), -1);
}

TEST(RichEdit, SelectionAttributes)
{
    RichEdit e;
    e.loadPlainText("abc");
    e.setSelection(0, 2);
    CharAttributes a;
    a.color = Qt::red;
    a.bold = true;
    a.underline = true;
    e.setSelectionAttributes(a);
    e.setSelection(0, 1);
    const CharAttributes got = e.selectionAttributes();
    EXPECT_EQ(got.color, QColor(Qt::red));
    EXPECT_TRUE(got.bold);
    EXPECT_TRUE(got.underline);
    EXPECT_FALSE(got.italic);
}

namespace {

enum class Entry { Load, Replace, PageText, Paste };

struct SeparatorCase {
    const char *name;
    const char *text; ///< UTF-8 as given to the control
    Entry entry;
    const char *expected; ///< text() afterwards
    int lines;
};

class RichEditSeparators : public ::testing::TestWithParam<SeparatorCase> {};

/// The control with its clipboard hand-over open to the test.
class ClipboardEdit : public RichEdit {
public:
    using RichEdit::createMimeDataFromSelection;
    using RichEdit::insertFromMimeData;
};

} // namespace

TEST_P(RichEditSeparators, AreKeptAsCharactersOfTheirLine)
{
    const SeparatorCase &c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    ClipboardEdit e;
    switch (c.entry) {
    case Entry::Load:
        e.loadPlainText(text);
        break;
    case Entry::Replace:
        e.replaceSel(text);
        break;
    case Entry::PageText:
        e.setPageText(RichEdit::toDocumentText(text));
        break;
    case Entry::Paste: {
        QMimeData data;
        data.setText(text);
        e.insertFromMimeData(&data);
        break;
    }
    }
    const QString expected = QString::fromUtf8(c.expected);
    EXPECT_EQ(e.text(), expected);
    EXPECT_EQ(e.lineCount(), c.lines);
    EXPECT_EQ(e.document()->blockCount(), c.lines);
    EXPECT_EQ(e.pageText(), QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    // One position each, found where they are.
    const qsizetype ls = e.pageText().indexOf(QChar::LineSeparator);
    if (ls >= 0)
        EXPECT_EQ(e.findText(QString(QChar::LineSeparator), 0, -1, false, true), ls);
    // Selected and copied, they leave as themselves.
    e.selectAllText();
    EXPECT_EQ(e.selText(), expected);
    std::unique_ptr<QMimeData> copy(e.createMimeDataFromSelection());
    EXPECT_EQ(copy->text(), QString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

const SeparatorCase kSeparatorCases[] = {
    {"LineSeparatorLoaded", "<P>a\xe2\x80\xa8" "b</P>", Entry::Load, "<P>a\xe2\x80\xa8" "b</P>", 1},
    {"ParagraphSeparatorLoaded", "<P>a\xe2\x80\xa9" "b</P>", Entry::Load, "<P>a\xe2\x80\xa9" "b</P>", 1},
    {"BothWithLineBreaks", "x\xe2\x80\xa8\r\n\xe2\x80\xa9y\r\nz", Entry::Load, "x\xe2\x80\xa8\r\n\xe2\x80\xa9y\r\nz", 3},
    {"Replaced", "var s = \"\xe2\x80\xa8\xe2\x80\xa9\";", Entry::Replace, "var s = \"\xe2\x80\xa8\xe2\x80\xa9\";", 1},
    {"PageText", "a\xe2\x80\xa9\nb", Entry::PageText, "a\xe2\x80\xa9\r\nb", 2},
    {"Pasted", "{\"k\": \"\xe2\x80\xa8\"}\n", Entry::Paste, "{\"k\": \"\xe2\x80\xa8\"}\r\n", 2},
    {"EntityFormStays", "<P>a&#x2028;b&#8233;</P>", Entry::Load, "<P>a&#x2028;b&#8233;</P>", 1},
};

INSTANTIATE_TEST_SUITE_P(Entries, RichEditSeparators, ::testing::ValuesIn(kSeparatorCases),
                         [](const auto &info) { return std::string(info.param.name); });
