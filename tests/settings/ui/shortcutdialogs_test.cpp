// The new-shortcut dialog, its hot-key field and the dialog picker, driven
// through their widgets.
#include "hotkeyedit.h"
#include "../../dialogs/ui/modaldialog.h"
#include "scriptedinteraction.h"
#include "shortcutlist.h"
#include "tscpick.h"
#include "tshortcutdialog.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::WhenModal;

namespace {

struct PressCase {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    quint16 stored;
};

class HotKeyField : public ::testing::TestWithParam<PressCase> {};

TEST_P(HotKeyField, KeepsOneCombinationWithCtrlOrAlt)
{
    const PressCase &c = GetParam();
    HotKeyEdit edit;
    edit.show();
    // An earlier combination is replaced, never extended.
    QTest::keyClick(&edit, Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(edit.key(), 0x4051);
    QTest::keyClick(&edit, c.key, c.modifiers);
    EXPECT_EQ(edit.key(), c.stored);
    EXPECT_EQ(edit.keySequence().count(), c.stored ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Presses, HotKeyField,
                         ::testing::Values(PressCase{Qt::Key_B, Qt::ControlModifier, 0x4042},
                                           PressCase{Qt::Key_F5, Qt::AltModifier, 0x8074},
                                           PressCase{Qt::Key_B, Qt::ControlModifier | Qt::AltModifier, 0xC042},
                                           PressCase{Qt::Key_B, Qt::NoModifier, 0},
                                           PressCase{Qt::Key_B, Qt::ShiftModifier, 0},
                                           PressCase{Qt::Key_F5, Qt::NoModifier, 0},
                                           PressCase{Qt::Key_Eacute, Qt::ControlModifier, 0}));

TEST(HotKeyFieldFocus, TabMovesOnAndCtrlTabIsAKey)
{
    Tshortcutdialog d;
    d.show();
    d.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
    d.keyEdit()->setFocus();
    QTest::keyClick(d.keyEdit(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(d.keyEdit()->key(), 0x4009);
    EXPECT_TRUE(d.keyEdit()->hasFocus());
    QTest::keyClick(d.keyEdit(), Qt::Key_Tab);
    EXPECT_TRUE(d.tagEdit()->hasFocus());
    EXPECT_EQ(d.keyEdit()->key(), 0x4009);
}

class ShortcutDialogTest : public ::testing::Test {
protected:
    ScriptedInteraction m_ui;
};

TEST_F(ShortcutDialogTest, OkNeedsKeyAndTagAndAFreeKey)
{
    const ShortcutList list({{"1", 0x4049, "<I>", true}});
    Tshortcutdialog d;
    d.setList(&list);
    d.show();
    EXPECT_EQ(d.windowTitle(), "New shortcut");
    EXPECT_TRUE(d.okButton()->isDefault());
    EXPECT_TRUE(d.endingCheck()->isChecked()) << "new mode starts with the ending tag";

    d.okButton()->click();
    EXPECT_EQ(m_ui.lastMessage(), "skal udfyldes");
    EXPECT_TRUE(d.isVisible());

    QTest::keyClick(d.keyEdit(), Qt::Key_I, Qt::ControlModifier);
    d.okButton()->click();
    EXPECT_EQ(m_ui.messages.size(), 2);
    EXPECT_EQ(m_ui.lastMessage(), "skal udfyldes");

    QTest::keyClicks(d.tagEdit(), "<EM>");
    d.okButton()->click();
    EXPECT_EQ(m_ui.lastMessage(), "This key is already in use");
    EXPECT_TRUE(d.isVisible());

    QTest::keyClick(d.keyEdit(), Qt::Key_E, Qt::ControlModifier);
    d.okButton()->click();
    EXPECT_EQ(m_ui.messages.size(), 3);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.value(), (ShortcutRecord{"", 0x4045, "<EM>", true}));
}

TEST_F(ShortcutDialogTest, EditModeShowsTheShortcutAndItsOwnKeyIsFree)
{
    const ShortcutList list({{"1", 0x4049, "<I>", false}});
    Tshortcutdialog d;
    d.setEditExisting(true);
    d.setValue(list.records()[0]);
    d.setList(&list, 0);
    d.show();
    EXPECT_EQ(d.keyEdit()->key(), 0x4049);
    EXPECT_EQ(d.tagEdit()->text(), "<I>");
    EXPECT_FALSE(d.endingCheck()->isChecked());
    d.okButton()->click();
    EXPECT_TRUE(m_ui.messages.isEmpty());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST_F(ShortcutDialogTest, TagEditTakesWindows1252Only)
{
    Tshortcutdialog d;
    d.show();
    // Typed or pasted, a character outside the code page is refused.
    d.tagEdit()->insert(QStringLiteral("<P"));
    d.tagEdit()->insert(QStringLiteral("\u0100"));
    d.tagEdit()->insert(QStringLiteral("\u00E6>"));
    EXPECT_EQ(d.tagEdit()->text(), QStringLiteral("<P\u00E6>"));
    EXPECT_EQ(d.tagEdit()->maxLength(), 255);
}

TEST_F(ShortcutDialogTest, PickerFillsTheTagAndNewModeDoesNotClearAgain)
{
    Tshortcutdialog d;
    d.show();
    QTest::keyClick(d.keyEdit(), Qt::Key_G, Qt::AltModifier);
    d.endingCheck()->setChecked(false);
    QTest::keyClicks(d.tagEdit(), "<B>");
    WhenModal<Tscpick> pick([](Tscpick *p) {
        // "<B>" names no dialog: the body button is down.
        EXPECT_TRUE(p->button("\"body\"")->isChecked());
        EXPECT_EQ(p->chosen(), "\"body\"");
        EXPECT_TRUE(p->okButton()->isDefault());
        p->button("\"table\"")->click();
        p->okButton()->click();
    });
    d.selectButton()->click();
    ASSERT_TRUE(pick.ran());
    EXPECT_EQ(d.tagEdit()->text(), "\"table\"");
    EXPECT_EQ(d.keyEdit()->key(), 0x8047);
    EXPECT_FALSE(d.endingCheck()->isChecked());

    // Shown with a dialog name, the picker presses its button; Cancel keeps the tag.
    WhenModal<Tscpick> again([](Tscpick *p) {
        EXPECT_TRUE(p->button("\"table\"")->isChecked());
        EXPECT_FALSE(p->button("\"body\"")->isChecked());
        p->button("\"image\"")->click();
        p->cancelButton()->click();
    });
    d.selectButton()->click();
    ASSERT_TRUE(again.ran());
    EXPECT_EQ(d.tagEdit()->text(), "\"table\"");
}

} // namespace
