#include "convertfixture.h"
#include "fakepagehost.h"
#include "thtmlrichedit.h"
#include "specialcharpalette.h"

#include <QImage>
#include <QToolButton>

using namespace lumaro;
using lumaro::test::ConvertFixture;
using lumaro::test::FakePageHost;

namespace {

class SpecialCharsPalette : public ConvertFixture {
protected:
    FakePageHost m_host;
};

TEST_F(SpecialCharsPalette, LayoutOfTheButtons)
{
    Tspeccharform palette(m_host, m_host.hostWindow());
    EXPECT_EQ(palette.charToTagsButton()->toolTip(), QStringLiteral("Character -> Tags"));
    EXPECT_EQ(palette.tagsToCharButton()->toolTip(), QStringLiteral("Tags -> Character"));
    const QList<QToolButton *> &letters = palette.letterButtons();
    ASSERT_EQ(letters.size(), 55);
    for (int i = 0; i < 55; ++i) {
        EXPECT_EQ(letters[i]->size(), QSize(25, 25)) << i;
        EXPECT_EQ(letters[i]->x(), i < 28 ? 0 : 25) << i;
        EXPECT_GE(letters[i]->y(), palette.charToTagsButton()->geometry().bottom()) << i;
        EXPECT_FALSE(letters[i]->icon().isNull()) << i;
    }
    // Rows line up: row 1 holds æ and Æ, row 28 only ÿ.
    EXPECT_EQ(letters[0]->y(), letters[28]->y());
    EXPECT_EQ(letters[0]->toolTip(), QStringLiteral("&aelig;"));
    EXPECT_EQ(letters[28]->toolTip(), QStringLiteral("&AElig;"));
    EXPECT_EQ(letters[27]->toolTip(), QStringLiteral("&yuml;"));
    EXPECT_EQ(letters[54]->toolTip(), QStringLiteral("&Yacute;"));
    EXPECT_EQ(letters[26]->y(), letters[54]->y());
    EXPECT_LE(palette.height(), 900);
}

TEST_F(SpecialCharsPalette, LetterPictureShowsTheLetter)
{
    const QImage picture = Tspeccharform::letterIcon(QStringLiteral("\u00c6")).pixmap(19, 19).toImage();
    int dark = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            dark += qAlpha(picture.pixel(x, y)) > 128 ? 1 : 0;
    EXPECT_GT(dark, 10);
    EXPECT_NE(Tspeccharform::letterIcon(QStringLiteral("\u00c6")).pixmap(19, 19).toImage(),
              Tspeccharform::letterIcon(QStringLiteral("\u00e6")).pixmap(19, 19).toImage());
}

TEST_F(SpecialCharsPalette, LetterReplacesTheSelectionWithoutColouring)
{
    tregini().writeusecolor(true);
    const int slot = m_host.addPage(QStringLiteral("caf? or <B>"));
    thtmlrichedit *editor = m_host.editor(slot);
    editor->setSelection(3, 1);
    Tspeccharform palette(m_host, m_host.hostWindow());
    palette.letterButtons()[9]->click(); // é
    EXPECT_EQ(editor->text(), QStringLiteral("caf&eacute; or <B>"));
    EXPECT_EQ(editor->caretPosition(), 11);
    palette.letterButtons()[28]->click(); // Æ at the caret
    EXPECT_EQ(editor->text(), QStringLiteral("caf&eacute;&AElig; or <B>"));
    editor->setSelection(3, 1);
    EXPECT_EQ(editor->selectionAttributes().color, editor->defaultAttributes().color);
}

TEST_F(SpecialCharsPalette, ConversionButtonsWorkOnTheActivePage)
{
    m_host.addPage(QStringLiteral("first \u00e9"));
    const int second = m_host.addPage(QStringLiteral("caf\u00e9 cr\u00e8me"));
    Tspeccharform palette(m_host, m_host.hostWindow());
    palette.charToTagsButton()->click();
    EXPECT_EQ(m_host.editor(second)->text(), QStringLiteral("caf&eacute; cr&egrave;me"));
    EXPECT_EQ(m_host.editor(0)->text(), QStringLiteral("first \u00e9"));
    palette.tagsToCharButton()->click();
    EXPECT_EQ(m_host.editor(second)->text(), QStringLiteral("caf\u00e9 cr\u00e8me"));
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(SpecialCharsPalette, MissingTableIsReported)
{
    const int slot = m_host.addPage(QStringLiteral("caf\u00e9"));
    removeTable();
    Tspeccharform palette(m_host, m_host.hostWindow());
    palette.charToTagsButton()->click();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].title, QStringLiteral("Lumaro"));
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("spectags.dat")));
    EXPECT_EQ(m_host.editor(slot)->text(), QStringLiteral("caf\u00e9"));
}

TEST_F(SpecialCharsPalette, NoPageNoChange)
{
    Tspeccharform palette(m_host, m_host.hostWindow());
    palette.letterButtons()[0]->click();
    palette.charToTagsButton()->click();
    palette.tagsToCharButton()->click();
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

} // namespace
