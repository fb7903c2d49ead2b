#include "editortesthelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

using namespace lumaro;
using namespace lumaro::test;

class ClipboardTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        editor.resize(400, 300);
        editor.show();
    }
    thtmlrichedit editor;
};

TEST_F(ClipboardTest, PastedTextArrivesColouredAndTheClipboardKeepsTheColouredCopy)
{
    colouring(true);
    load(editor, QStringLiteral("ab"));
    editor.setCaretPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("<I>x</I>\r\ny"));
    editor.editpaste();
    EXPECT_EQ(editor.text(), QStringLiteral("a<I>x</I>\r\nyb"));
    EXPECT_TRUE(allColored(editor, 1, 4, kBlue));
    EXPECT_TRUE(allPlain(editor, 4, 5));
    EXPECT_TRUE(allColored(editor, 5, 9, kBlue));
    EXPECT_TRUE(allPlain(editor, 10, 12));
    EXPECT_EQ(editor.caretPosition(), 11);
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("<I>x</I>\ny"));
    EXPECT_TRUE(data->hasHtml());
    EXPECT_TRUE(data->html().contains(QStringLiteral("#0000ff"))) << data->html().toStdString();
}

TEST_F(ClipboardTest, CtrlVPastesColouredToo)
{
    colouring(true);
    QGuiApplication::clipboard()->setText(QStringLiteral("<B>"));
    editor.setFocus();
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(editor.text(), QStringLiteral("<B>"));
    EXPECT_TRUE(allColored(editor, 0, 3, kBlue));
}

TEST_F(ClipboardTest, PasteWithoutTextDoesNothing)
{
    load(editor, QStringLiteral("ab"));
    QGuiApplication::clipboard()->clear();
    editor.editpaste();
    EXPECT_EQ(editor.text(), QStringLiteral("ab"));
    EXPECT_FALSE(editor.isModified());
}

TEST_F(ClipboardTest, CutAndCopyFollowTheSelection)
{
    load(editor, QStringLiteral("<B>x"));
    QSignalSpy spy(&editor, &thtmlrichedit::cutCopyAvailable);
    editor.kancutogcopy();
    ASSERT_FALSE(spy.isEmpty());
    EXPECT_FALSE(spy.last().first().toBool());
    editor.setSelection(0, 3);
    editor.kancutogcopy();
    EXPECT_TRUE(spy.last().first().toBool());
    editor.editcopy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("<B>"));
    editor.editcut();
    EXPECT_EQ(editor.text(), QStringLiteral("x"));
    EXPECT_FALSE(spy.last().first().toBool());
}

TEST_F(ClipboardTest, MouseMoveReportsCutCopyAndPasteStates)
{
    load(editor, QStringLiteral("text"));
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    QSignalSpy cutCopy(&editor, &thtmlrichedit::cutCopyAvailable);
    QSignalSpy paste(&editor, &thtmlrichedit::pasteAvailable);
    editor.setSelection(0, 2);
    QTest::mouseMove(editor.viewport(), QPoint(50, 20));
    editor.richedit0MouseMove();
    ASSERT_FALSE(paste.isEmpty());
    EXPECT_TRUE(paste.last().first().toBool());
    EXPECT_TRUE(cutCopy.last().first().toBool());
    QGuiApplication::clipboard()->clear();
    editor.richedit0MouseMove();
    EXPECT_FALSE(paste.last().first().toBool());
}
