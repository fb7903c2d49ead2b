#include "richedit.h"

#include <gtest/gtest.h>

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
