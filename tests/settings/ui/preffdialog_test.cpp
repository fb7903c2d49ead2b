// The preferences dialog on its own: the colour tab's live settings and
// sample pane, the shortcut grid's New, Delete and Modify, and Browse.
#include "../../dialogs/ui/modaldialog.h"
#include "colorgrid.h"
#include "hotkeyedit.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tpreffdialog.h"
#include "tregini.h"
#include "tshortcutdialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::WhenModal;

namespace {

class PreffDialogTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }

    static QString cell(QTableWidget *grid, int row, int column)
    {
        QTableWidgetItem *item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    /// Colour and style of the sample pane's character at position.
    static QTextCharFormat formatAt(thtmlrichedit *ed, int position)
    {
        return ed->shownFormat(position);
    }

    ScriptedInteraction m_ui;
    tregini m_settings;
};

TEST_F(PreffDialogTest, CaptionsTabsAndControlsAsFilled)
{
    Tpreffdialog d;
    d.setValue({true, true, false, 7, "/usr/bin/b", false, false});
    d.show();
    EXPECT_EQ(d.windowTitle(), "Prefferences");
    ASSERT_EQ(d.tabs()->count(), 4);
    EXPECT_EQ(d.tabs()->tabText(0) + d.tabs()->tabText(1) + d.tabs()->tabText(2) + d.tabs()->tabText(3),
              "EditorPreviewShortcutsColor");
    EXPECT_EQ(d.tabs()->currentIndex(), 0);
    EXPECT_TRUE(d.okButton()->isDefault());
    EXPECT_TRUE(d.wordwrapCheck()->isChecked());
    EXPECT_TRUE(d.convsaveCheck()->isChecked());
    EXPECT_FALSE(d.minutesEdit()->isEnabled()) << "autosave off";
    EXPECT_FALSE(d.minutesLabel()->isEnabled());
    d.autosaveCheck()->click();
    EXPECT_TRUE(d.minutesEdit()->isEnabled());
    EXPECT_EQ(d.minutesEdit()->minimum(), 1);
    EXPECT_EQ(d.minutesEdit()->maximum(), 35791);
    EXPECT_EQ(d.value(), (Preferences{true, true, true, 7, "/usr/bin/b", false, false}));
    EXPECT_EQ(d.grid()->rowCount(), 1) << "one empty row";
    EXPECT_EQ(d.grid()->horizontalHeaderItem(0)->text(), "Scortcut");
    EXPECT_EQ(d.classList()->item(4)->text(), "Alle andre tags");
}

TEST_F(PreffDialogTest, ClassBoxesAlwaysShowTheSelectedClass)
{
    m_settings.writefontattrindex("image", 6);
    m_settings.writefontattrindex("anchor", 1);
    m_settings.writecolorindex("image", 3);
    Tpreffdialog d;
    d.show();
    EXPECT_FALSE(d.useAttributesCheck()->isChecked());
    EXPECT_TRUE(d.boldCheck()->isChecked()) << "anchor: bold";
    d.classList()->setCurrentRow(2);
    EXPECT_FALSE(d.boldCheck()->isChecked());
    EXPECT_TRUE(d.italicCheck()->isChecked());
    EXPECT_TRUE(d.underlinedCheck()->isChecked());
    EXPECT_EQ(d.colorGrid()->currentIndex(), 3);
    d.boldCheck()->click();
    EXPECT_EQ(m_settings.readfontattrindex("image"), 7);
    EXPECT_EQ(m_settings.readfontattrindex("anchor"), 1);
    d.italicCheck()->click();
    EXPECT_EQ(m_settings.readfontattrindex("image"), 5);
}

TEST_F(PreffDialogTest, SampleFollowsEveryChangeAndIsResetFirst)
{
    const QString install = test::TestSandbox::makeDir("sample");
    QFile page(install + "/Color.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<A HREF=\"x\">a</A> <B>b</B>");
    page.close();
    tregini::setOverride("dir", "installdir", install);

    Tpreffdialog d;
    d.show();
    thtmlrichedit *sample = d.samplePane();
    EXPECT_EQ(sample->text(), "<A HREF=\"x\">a</A> <B>b</B>");
    d.tabs()->setCurrentIndex(3);
    d.useColorCheck()->click();
    EXPECT_TRUE(m_settings.readusecolor());
    EXPECT_EQ(formatAt(sample, 0).foreground().color(), QColor(0, 0, 255));
    d.colorGrid()->swatch(9)->click();
    EXPECT_EQ(m_settings.readcolorindex("anchor"), 9);
    EXPECT_EQ(formatAt(sample, 0).foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(formatAt(sample, 19).foreground().color(), QColor(0, 0, 255)) << "<B> is of all other tags";
    d.useAttributesCheck()->click();
    d.boldCheck()->click();
    EXPECT_EQ(formatAt(sample, 0).fontWeight(), QFont::Bold);
    // Switched off, the sample loses its colours and styles.
    d.useColorCheck()->click();
    EXPECT_FALSE(m_settings.readusecolor());
    EXPECT_NE(formatAt(sample, 0).foreground().color(), QColor(255, 0, 0));
    EXPECT_NE(formatAt(sample, 0).fontWeight(), QFont::Bold);
    EXPECT_FALSE(sample->isModified());
}

TEST_F(PreffDialogTest, MissingSamplePageGivesAnEmptyPane)
{
    tregini::setOverride("dir", "installdir", test::TestSandbox::makeDir("nosample"));
    Tpreffdialog d;
    d.show();
    EXPECT_TRUE(d.samplePane()->text().isEmpty());
}

TEST_F(PreffDialogTest, NewDeleteAndModifyWorkOnTheDialogsList)
{
    Tpreffdialog d;
    d.setShortcuts(ShortcutList({{"1", 0x4049, "<I>", false}, {"2", 0x8049, "<I>", true}}));
    d.show();
    EXPECT_EQ(cell(d.grid(), 1, 0), "Alt+I");
    EXPECT_EQ(cell(d.grid(), 1, 2), "True");

    WhenModal<Tshortcutdialog> add([](Tshortcutdialog *s) {
        EXPECT_FALSE(s->editExisting());
        QTest::keyClick(s->keyEdit(), Qt::Key_B, Qt::ControlModifier);
        QTest::keyClicks(s->tagEdit(), "<B>");
        s->okButton()->click();
    });
    d.newButton()->click();
    ASSERT_TRUE(add.ran());
    ASSERT_EQ(d.grid()->rowCount(), 3);
    EXPECT_EQ(cell(d.grid(), 2, 0) + cell(d.grid(), 2, 1) + cell(d.grid(), 2, 2), "Ctrl+B<B>True");
    EXPECT_EQ(d.shortcuts().records()[2].number, "3");

    // Modify edits the selected row, the second of the two "<I>" rows.
    d.grid()->selectRow(1);
    WhenModal<Tshortcutdialog> edit([](Tshortcutdialog *s) {
        EXPECT_TRUE(s->editExisting());
        EXPECT_EQ(s->keyEdit()->key(), 0x8049);
        s->tagEdit()->setText("<EM>");
        s->okButton()->click();
    });
    d.modifyButton()->click();
    ASSERT_TRUE(edit.ran());
    EXPECT_EQ(d.shortcuts().records()[0].tag, "<I>");
    EXPECT_EQ(d.shortcuts().records()[1], (ShortcutRecord{"2", 0x8049, "<EM>", true}));

    // Delete asks first; No keeps the row.
    d.grid()->selectRow(0);
    m_ui.messageAnswers << QMessageBox::No << QMessageBox::Yes;
    d.deleteButton()->click();
    EXPECT_EQ(m_ui.lastMessage(), "vil du slette sc");
    EXPECT_EQ(m_ui.messages.last().buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(d.shortcuts().size(), 3);
    d.deleteButton()->click();
    EXPECT_EQ(d.shortcuts().size(), 2);
    EXPECT_EQ(d.shortcuts().records()[0].number, "1");
    EXPECT_EQ(cell(d.grid(), 0, 1), "<EM>");
}

TEST_F(PreffDialogTest, BrowseQuotesAPathWithABlank)
{
    Tpreffdialog d;
    d.show();
    d.tabs()->setCurrentIndex(1);
    m_ui.openAnswers.enqueue({"/opt/My Browser/run"});
    d.browseButton()->click();
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(m_ui.fileRequests[0].filter, "All files (*)");
    EXPECT_EQ(d.browserEdit()->text(), "\"/opt/My Browser/run\"");
    // Cancelled: the edit keeps its text.
    d.browseButton()->click();
    EXPECT_EQ(d.browserEdit()->text(), "\"/opt/My Browser/run\"");
}

TEST_F(PreffDialogTest, SelectFontWritesAtOnce)
{
    Tpreffdialog d;
    d.show();
    QFont chosen(QStringLiteral("DejaVu Sans"));
    chosen.setPointSize(14);
    m_ui.fontAnswers.enqueue(chosen);
    d.selectFontButton()->click();
    EXPECT_EQ(m_settings.readfontname(), "DejaVu Sans");
    EXPECT_EQ(m_settings.readfontsize(), 14);
}

} // namespace
