#include "editortesthelpers.h"

#include <QSignalSpy>
#include <QTest>

using namespace lumaro;
using namespace lumaro::test;

class TypingTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        thtmlrichedit::typingMarks() = {};
        editor.resize(400, 300);
        editor.show();
        editor.setFocus();
    }
    void type(const QString &keys)
    {
        for (const QChar c : keys)
            QTest::keyClick(&editor, c.toLatin1());
    }
    thtmlrichedit editor;
};

TEST_F(TypingTest, TagIsColouredWhenItsClosingBracketIsTypedAndTextAfterItIsPlain)
{
    colouring(true);
    type(QStringLiteral("<B>x"));
    EXPECT_EQ(editor.text(), QStringLiteral("<B>x"));
    EXPECT_TRUE(allColored(editor, 0, 3, kBlue));
    EXPECT_TRUE(allPlain(editor, 3, 4));
}

TEST_F(TypingTest, OpeningBracketTypedBeforeATagColoursTheThreeCharacters)
{
    colouring(true);
    load(editor, QStringLiteral("B> rest"));
    editor.setCaretPosition(0);
    type(QStringLiteral("<"));
    EXPECT_EQ(editor.text(), QStringLiteral("<B> rest"));
    EXPECT_TRUE(allColored(editor, 0, 3, kBlue));
    EXPECT_TRUE(allPlain(editor, 3, 8));
}

TEST_F(TypingTest, ClosingBracketAfterAnOpenTagTakesTheTagFormat)
{
    colouring(true);
    load(editor, QStringLiteral("a <B"));
    editor.setCaretPosition(4);
    type(QStringLiteral(">"));
    EXPECT_EQ(editor.text(), QStringLiteral("a <B>"));
    EXPECT_TRUE(allPlain(editor, 0, 2));
    EXPECT_TRUE(allColored(editor, 2, 5, kBlue));
}

TEST_F(TypingTest, TagOpenedOnThePreviousLineIsColouredBackToItsStart)
{
    colouring(true);
    load(editor, QStringLiteral("<A\r\nHREF=x"));
    editor.setCaretPosition(editor.textLength());
    type(QStringLiteral(">"));
    EXPECT_TRUE(allColored(editor, 0, 2, kBlue));
    EXPECT_TRUE(allColored(editor, 3, 10, kBlue));
}

TEST_F(TypingTest, NothingIsColouredWhileColouringIsOff)
{
    colouring(false, true);
    type(QStringLiteral("<B>x"));
    EXPECT_TRUE(allPlain(editor, 0, 4));
    EXPECT_FALSE(boldAt(editor, 0));
}

// A typed tag shows what the page would show when loaded: "</ADDRESS" is
// classified without an exception, so it takes the anchor colour and style.
TEST_F(TypingTest, AddressEndTagShowsAsOnLoad)
{
    colouring(true, true);
    tregini store;
    store.writecolorindex(QStringLiteral("anchor"), 9);
    store.writefontattrindex(QStringLiteral("anchor"), 1);
    store.writecolorindex(QStringLiteral("all"), 2);
    type(QStringLiteral("</ADDRESS>"));
    EXPECT_TRUE(allColored(editor, 0, 10, kRed));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(boldAt(editor, i)) << i;
    type(QStringLiteral("<B>"));
    EXPECT_TRUE(allColored(editor, 10, 13, kGreen));
    EXPECT_FALSE(boldAt(editor, 11));
}

TEST_F(TypingTest, ClickingAfterATagGivesThePlainTypingFormat)
{
    colouring(true);
    load(editor, QStringLiteral("<B>x"));
    // Caret just after the tag; the typing format there is the tag's.
    editor.setCaretPosition(3);
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, editor.cursorRect().center() + QPoint(1, 0));
    ASSERT_EQ(editor.caretPosition(), 3);
    type(QStringLiteral("y"));
    EXPECT_EQ(editor.text(), QStringLiteral("<B>yx"));
    EXPECT_TRUE(allPlain(editor, 3, 4));
}

TEST_F(TypingTest, CursorKeyOntoATagEndGivesThePlainTypingFormat)
{
    colouring(true);
    load(editor, QStringLiteral("<B>x"));
    editor.setCaretPosition(4);
    QTest::keyClick(&editor, Qt::Key_Left);
    type(QStringLiteral("y"));
    EXPECT_EQ(editor.text(), QStringLiteral("<B>yx"));
    EXPECT_TRUE(allPlain(editor, 3, 4));
}

TEST_F(TypingTest, KeyboardSelectionOfATagKeepsItsColour)
{
    colouring(true);
    load(editor, QStringLiteral("<I><B>x"));
    editor.setCaretPosition(3);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(&editor, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(editor.selText(), QStringLiteral("<B>"));
    EXPECT_TRUE(allColored(editor, 0, 6, kBlue));
}

TEST_F(TypingTest, ShiftEnterPutsABreakTagBeforeTheNewLine)
{
    load(editor, QStringLiteral("abcd"));
    editor.setCaretPosition(2);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(editor.text(), QStringLiteral("ab<BR>\r\ncd"));
    EXPECT_EQ(editor.lineCount(), 2);
    EXPECT_EQ(editor.caretPosition(), editor.lineIndex(1));
}

TEST_F(TypingTest, CtrlEnterPutsABreakTagInsteadOfTheNewLine)
{
    load(editor, QStringLiteral("ab\r\ncd"));
    editor.setCaretPosition(2);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(editor.text(), QStringLiteral("ab<BR>\r\ncd"));
    EXPECT_EQ(editor.caretPosition(), 6);
}

TEST_F(TypingTest, AltEnterInsertsALineBreakAndAParagraphTag)
{
    load(editor, QStringLiteral("abcd"));
    editor.setCaretPosition(2);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::AltModifier);
    EXPECT_EQ(editor.text(), QStringLiteral("ab\r\n<P>cd"));
    EXPECT_EQ(editor.caretPosition(), 6);
}

TEST_F(TypingTest, ShiftAltEnterInsertsAParagraphTag)
{
    load(editor, QStringLiteral("abcd"));
    editor.setCaretPosition(2);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(editor.text(), QStringLiteral("ab<P>cd"));
}

TEST_F(TypingTest, PlainEnterAndOtherCombinationsOnlyBreakTheLine)
{
    load(editor, QStringLiteral("abcd"));
    editor.setCaretPosition(2);
    QTest::keyClick(&editor, Qt::Key_Return);
    EXPECT_EQ(editor.text(), QStringLiteral("ab\r\ncd"));
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(editor.text(), QStringLiteral("ab\r\n\r\ncd"));
}

TEST_F(TypingTest, EnterTagsAreColouredLikeInsertedText)
{
    colouring(true);
    load(editor, QStringLiteral("ab"));
    editor.setCaretPosition(2);
    QTest::keyClick(&editor, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(allColored(editor, 2, 6, kBlue));
}

TEST_F(TypingTest, StatusBarPositionStartsAtOneOneAndFollowsKeysAndClicks)
{
    EXPECT_EQ(editor.skrivcursorpos(), QStringLiteral("   1: 1"));
    QSignalSpy spy(&editor, &thtmlrichedit::cursorPositionTextChanged);
    load(editor, QStringLiteral("first\r\nsecond line"));
    editor.setCaretPosition(0);
    QTest::keyClick(&editor, Qt::Key_Down);
    QTest::keyClick(&editor, Qt::Key_End);
    EXPECT_EQ(editor.skrivcursorpos(), QStringLiteral("   2: 12"));
    ASSERT_FALSE(spy.isEmpty());
    EXPECT_EQ(spy.last().first().toString(), QStringLiteral("   2: 12"));
    editor.setCaretPosition(3);
    QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, editor.cursorRect().center() + QPoint(1, 0));
    EXPECT_EQ(spy.last().first().toString(), QStringLiteral("   1: 4"));
    EXPECT_EQ(editor.cursorpos(), QPoint(3, 0));
}

TEST_F(TypingTest, BreakRoutinesTouchNothingWithoutTheLineBreakJustTyped)
{
    load(editor, QStringLiteral("abcd"));
    editor.setCaretPosition(2);
    editor.brvedreturn();
    editor.brudenreturn();
    EXPECT_EQ(editor.text(), QStringLiteral("abcd"));
}

TEST_F(TypingTest, ClosingBracketTypedOverASelectionReplacesIt)
{
    colouring(true);
    load(editor, QStringLiteral("<Bxy"));
    editor.setSelection(2, 2);
    type(QStringLiteral(">"));
    EXPECT_EQ(editor.text(), QStringLiteral("<B>"));
    EXPECT_TRUE(allColored(editor, 0, 2, kBlue));
}

TEST_F(TypingTest, ShortcutKeysDoNotCountAsTypedCharacters)
{
    colouring(true);
    load(editor, QStringLiteral("<I><B>x"));
    thtmlrichedit::typingMarks().attrResetPending = true;
    editor.setSelection(3, 3);
    QTest::keyClick(&editor, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(allColored(editor, 0, 6, kBlue));
}
