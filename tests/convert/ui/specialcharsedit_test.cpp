#include "convertfixture.h"
#include "convsave.h"
#include "specialcharsedit.h"
#include "textfile.h"
#include "thtmlrichedit.h"

#include <QTextBlock>
#include <QTextDocument>

using namespace lumaro;
using lumaro::test::ConvertFixture;

namespace {

class SpecialCharsOnPage : public ConvertFixture {
protected:
    void SetUp() override
    {
        ConvertFixture::SetUp();
        m_editor.resize(400, 300);
    }
    void load(const QString &text)
    {
        m_editor.loadcoloredText(text);
        m_editor.setModified(false);
    }
    thtmlrichedit m_editor;
};

TEST_F(SpecialCharsOnPage, CafeCremeBothWays)
{
    load(QStringLiteral("caf\u00e9 cr\u00e8me"));
    ASSERT_TRUE(SpecialCharsEdit::chartiltags(m_editor));
    EXPECT_EQ(m_editor.text(), QStringLiteral("caf&eacute; cr&egrave;me"));
    EXPECT_TRUE(m_editor.isModified());
    ASSERT_TRUE(SpecialCharsEdit::tagstilchar(m_editor));
    EXPECT_EQ(m_editor.text(), QStringLiteral("caf\u00e9 cr\u00e8me"));
}

TEST_F(SpecialCharsOnPage, LinesAndCaseAreKept)
{
    load(QStringLiteral("\u00c6ble\r\n\u00e6ble\r\n&AElig; &aelig; &amp;"));
    ASSERT_TRUE(SpecialCharsEdit::chartiltags(m_editor));
    EXPECT_EQ(m_editor.text(), QStringLiteral("&AElig;ble\r\n&aelig;ble\r\n&AElig; &aelig; &amp;"));
    ASSERT_TRUE(SpecialCharsEdit::tagstilchar(m_editor));
    EXPECT_EQ(m_editor.text(), QStringLiteral("\u00c6ble\r\n\u00e6ble\r\n\u00c6 \u00e6 &amp;"));
}

TEST_F(SpecialCharsOnPage, CaretGoesBackToItsOldPositionNotAdjusted)
{
    load(QStringLiteral("\u00e9t\u00e9"));
    m_editor.setCaretPosition(3); // the old end
    ASSERT_TRUE(SpecialCharsEdit::chartiltags(m_editor));
    EXPECT_EQ(m_editor.text(), QStringLiteral("&eacute;t&eacute;"));
    EXPECT_EQ(m_editor.caretPosition(), 3);
    EXPECT_EQ(m_editor.selLength(), 0);

    // Back to characters the text is shorter than the old caret: the caret
    // stops at the end.
    m_editor.setCaretPosition(m_editor.textLength());
    ASSERT_TRUE(SpecialCharsEdit::tagstilchar(m_editor));
    EXPECT_EQ(m_editor.caretPosition(), 3);
}

TEST_F(SpecialCharsOnPage, CaretOfASelectionIsItsStart)
{
    load(QStringLiteral("ab\u00e9cd"));
    m_editor.setSelection(3, 2);
    ASSERT_TRUE(SpecialCharsEdit::chartiltags(m_editor));
    EXPECT_EQ(m_editor.caretPosition(), 3);
}

TEST_F(SpecialCharsOnPage, ReplacementTakesTheFormatOfWhatItReplaces)
{
    load(QStringLiteral("<A TITLE=\"\u00e9\">x\u00e9"));
    CharAttributes red = m_editor.defaultAttributes();
    red.color = Qt::red;
    m_editor.setSelection(0, 13); // the tag, with its letter
    m_editor.setSelectionAttributes(red);
    ASSERT_TRUE(SpecialCharsEdit::chartiltags(m_editor));
    ASSERT_EQ(m_editor.text(), QStringLiteral("<A TITLE=\"&eacute;\">x&eacute;"));
    for (int i = 0; i < 20; ++i) {
        m_editor.setSelection(i, 1);
        EXPECT_EQ(m_editor.selectionAttributes().color, QColor(Qt::red)) << i;
    }
    for (int i = 21; i < 29; ++i) {
        m_editor.setSelection(i, 1);
        EXPECT_NE(m_editor.selectionAttributes().color, QColor(Qt::red)) << i;
    }
}

TEST_F(SpecialCharsOnPage, ConversionIsOneUndoStep)
{
    load(QStringLiteral("\u00e9\u00e8\u00ea"));
    ASSERT_TRUE(SpecialCharsEdit::chartiltags(m_editor));
    EXPECT_EQ(m_editor.text(), QStringLiteral("&eacute;&egrave;&ecirc;"));
    m_editor.document()->undo();
    EXPECT_EQ(m_editor.text(), QStringLiteral("\u00e9\u00e8\u00ea"));
}

TEST_F(SpecialCharsOnPage, NothingToReplaceLeavesThePageUnmodified)
{
    load(QStringLiteral("plain <B>text</B>"));
    ASSERT_TRUE(SpecialCharsEdit::chartiltags(m_editor));
    ASSERT_TRUE(SpecialCharsEdit::tagstilchar(m_editor));
    EXPECT_FALSE(m_editor.isModified());
}

TEST_F(SpecialCharsOnPage, MissingOrShortTableChangesNothing)
{
    load(QStringLiteral("caf\u00e9"));
    removeTable();
    QString error;
    EXPECT_FALSE(SpecialCharsEdit::chartiltags(m_editor, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("spectags.dat")));
    EXPECT_EQ(m_editor.text(), QStringLiteral("caf\u00e9"));
    EXPECT_FALSE(m_editor.isModified());

    writeTable(SpecialChars::toBytes(SpecialChars::standardPairs()).left(5000));
    error.clear();
    EXPECT_FALSE(SpecialCharsEdit::chartiltags(m_editor, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("too short")));
    EXPECT_EQ(m_editor.text(), QStringLiteral("caf\u00e9"));
}

TEST_F(SpecialCharsOnPage, InsertEntityReplacesTheSelection)
{
    load(QStringLiteral("a XX b"));
    m_editor.setSelection(2, 2);
    SpecialCharsEdit::insertEntity(m_editor, QStringLiteral("&amp;"));
    EXPECT_EQ(m_editor.text(), QStringLiteral("a &amp; b"));
    EXPECT_EQ(m_editor.caretPosition(), 7);
    SpecialCharsEdit::insertEntity(m_editor, QStringLiteral("&quot;"));
    EXPECT_EQ(m_editor.text(), QStringLiteral("a &amp;&quot; b"));
}

class ConvsaveOnPage : public SpecialCharsOnPage {
protected:
    void SetUp() override
    {
        SpecialCharsOnPage::SetUp();
        tregini().writeconvsave(true);
        m_file = QDir(lumaro::test::TestSandbox::makeDir(QStringLiteral("pages"))).filePath(QStringLiteral("page.html"));
    }
    // The page's save as the page code runs it.
    bool save(QString *error)
    {
        if (!convsaveBeforeSave(m_editor, error))
            return false;
        const bool written = TextFile::write(m_file, m_editor.text(), m_editor.encoding(), error);
        convsaveAfterSave(m_editor, written, error);
        return written;
    }
    QString m_file;
};

TEST_F(ConvsaveOnPage, SaveWritesEntitiesAndThePageKeepsCharacters)
{
    load(QStringLiteral("<P>\u00e6 og \u00f8</P>"));
    m_editor.setCaretPosition(4);
    m_editor.replaceSel(QStringLiteral("\u00e5"));
    ASSERT_TRUE(m_editor.isModified());
    QString error;
    ASSERT_TRUE(save(&error)) << error.toStdString();
    EXPECT_EQ(readBytes(m_file), QByteArray("<P>&aelig;&aring; og &oslash;</P>"));
    EXPECT_EQ(m_editor.text(), QStringLiteral("<P>\u00e6\u00e5 og \u00f8</P>"));
    EXPECT_FALSE(m_editor.isModified());
    EXPECT_EQ(m_editor.caretPosition(), 5);
}

TEST_F(ConvsaveOnPage, SaveConversionsAreOneUndoStep)
{
    load(QStringLiteral("\u00e6"));
    m_editor.setCaretPosition(1);
    m_editor.replaceSel(QStringLiteral("x"));
    QString error;
    ASSERT_TRUE(save(&error)) << error.toStdString();
    // The first undo takes back the save's conversions (no visible change),
    // the second the user's typing.
    m_editor.document()->undo();
    EXPECT_EQ(m_editor.text(), QStringLiteral("\u00e6x"));
    m_editor.document()->undo();
    EXPECT_EQ(m_editor.text(), QStringLiteral("\u00e6"));
}

TEST_F(ConvsaveOnPage, SaveWithoutTheTableDoesNotHappen)
{
    load(QStringLiteral("\u00e6"));
    writeBytes(m_file, "old contents");
    removeTable();
    QString error;
    EXPECT_FALSE(save(&error));
    EXPECT_TRUE(error.contains(QStringLiteral("spectags.dat"))) << error.toStdString();
    EXPECT_EQ(readBytes(m_file), QByteArray("old contents"));
    EXPECT_EQ(m_editor.text(), QStringLiteral("\u00e6"));
}

TEST_F(ConvsaveOnPage, FailedWriteStillShowsCharacters)
{
    load(QStringLiteral("\u00e6"));
    m_editor.setModified(true);
    m_file = QDir(m_installDir).filePath(QStringLiteral("no such dir/page.html"));
    QString error;
    EXPECT_FALSE(save(&error));
    EXPECT_EQ(m_editor.text(), QStringLiteral("\u00e6"));
    EXPECT_TRUE(m_editor.isModified());
}

TEST_F(ConvsaveOnPage, SettingOffSavesCharacters)
{
    tregini().writeconvsave(false);
    load(QStringLiteral("\u00e6"));
    removeTable(); // not needed when the setting is off
    QString error;
    ASSERT_TRUE(save(&error)) << error.toStdString();
    EXPECT_EQ(readBytes(m_file), QByteArray("\xc3\xa6"));
    EXPECT_EQ(m_editor.text(), QStringLiteral("\u00e6"));
}

TEST_F(ConvsaveOnPage, LoadTurnsEntitiesIntoCharacters)
{
    m_editor.loadcoloredText(QStringLiteral("caf&eacute; &amp; &AElig;"));
    QString error;
    ASSERT_TRUE(convsaveAfterLoad(m_editor, &error)) << error.toStdString();
    EXPECT_EQ(m_editor.text(), QStringLiteral("caf\u00e9 &amp; \u00c6"));
    EXPECT_FALSE(m_editor.isModified());
    EXPECT_FALSE(m_editor.document()->isUndoAvailable());
}

TEST_F(ConvsaveOnPage, LoadWithoutTheTableKeepsTheFileText)
{
    m_editor.loadcoloredText(QStringLiteral("caf&eacute;"));
    removeTable();
    QString error;
    EXPECT_FALSE(convsaveAfterLoad(m_editor, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(m_editor.text(), QStringLiteral("caf&eacute;"));
}

TEST_F(ConvsaveOnPage, LoadWithSettingOffChangesNothing)
{
    tregini().writeconvsave(false);
    m_editor.loadcoloredText(QStringLiteral("caf&eacute;"));
    EXPECT_TRUE(convsaveAfterLoad(m_editor));
    EXPECT_EQ(m_editor.text(), QStringLiteral("caf&eacute;"));
}

} // namespace
