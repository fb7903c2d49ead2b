// The rule, marquee and list builder dialogs offscreen: the controls' rules
// (the width toggle, the list type's columns and numbering buttons, dragged
// rows), the multi-line marquee text, and the shortcut entry points.
#include "colorcombo.h"
#include "colorcontrolset.h"
#include "fakepagehost.h"
#include "modaldialog.h"
#include "radiogroup.h"
#include "rulelistcontroller.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tlistbuilderdialog.h"
#include "tmarquee.h"
#include "tskille.h"
#include "updownedit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

class RuleListDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { lumaro::test::TestSandbox::clearSettings(); }
    ScriptedInteraction scripted;
};

TEST_F(RuleListDialogsTest, RuleShowsTheSelectedTagAndTheWidthToggleSetsTheWidth)
{
    Tskille d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("HR"));
    EXPECT_EQ(d.helpContext(), 1020);
    EXPECT_TRUE(d.okButton()->isDefault());
    d.setTagText(QStringLiteral("<HR ALIGN=RIGHT WIDTH=40% SIZE=3>"));
    d.show();
    EXPECT_EQ(d.alignGroup()->checkedIndex(), 2);
    EXPECT_EQ(d.widthEdit()->text(), QStringLiteral("40"));
    EXPECT_TRUE(d.widthPercentCheck()->isChecked());
    EXPECT_EQ(d.heightEdit()->text(), QStringLiteral("3"));

    d.widthPercentCheck()->click();
    EXPECT_EQ(d.widthEdit()->text(), QStringLiteral("0"));
    d.widthPercentCheck()->click();
    EXPECT_EQ(d.widthEdit()->text(), QStringLiteral("100"));
    d.noShadeCheck()->click();
    d.okButton()->click();
    EXPECT_EQ(d.tagText(), QStringLiteral("<HR ALIGN=RIGHT WIDTH=100% NOSHADE SIZE=3 >"));
}

TEST_F(RuleListDialogsTest, NumberBoxesStepWithinTheirRangeAndFromZeroForText)
{
    Tskille d;
    d.show();
    d.heightEdit()->setText(QStringLiteral("abc"));
    d.heightEdit()->stepBy(1);
    EXPECT_EQ(d.heightEdit()->text(), QStringLiteral("0"));
    d.widthEdit()->stepBy(5);
    EXPECT_EQ(d.widthEdit()->text(), QStringLiteral("100"));
}

TEST_F(RuleListDialogsTest, MarqueeTextKeepsItsLineBreaksAndColoursComeFromTheCombos)
{
    Tmarquee d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Marquee"));
    EXPECT_EQ(d.helpContext(), 1100);
    EXPECT_TRUE(d.okButton()->isDefault());
    d.setTagText(QStringLiteral("first line\r\nsecond line"));
    d.show();
    // The first single-line control has the focus, so Enter accepts.
    EXPECT_EQ(d.focusWidget(), d.foregroundSet()->tabWidgets().first());
    EXPECT_EQ(d.textEdit()->blockCount(), 2);
    EXPECT_EQ(d.behaviorGroup()->checkedIndex(), 3);
    EXPECT_EQ(d.alignGroup()->checkedIndex(), 3);
    EXPECT_EQ(d.directionGroup()->checkedIndex(), 0);
    emit d.foregroundSet()->combo()->activated(1);
    emit d.backgroundSet()->combo()->activated(15);
    d.directionGroup()->button(1)->click();
    d.widthEdit()->setText(QStringLiteral("50"));
    d.widthPercentCheck()->click();
    d.okButton()->click();
    EXPECT_EQ(d.tagText(), QStringLiteral("<FONT COLOR=#800000><MARQUEE BGCOLOR=#FFFFFF DIRECTION=RIGHT LOOP=INFINITE "
                                          "WIDTH=50%>first line\r\nsecond line</MARQUEE></FONT>"));
}

TEST_F(RuleListDialogsTest, ListTypeSetsColumnsAndNumberingButtons)
{
    Tlistbuilderdialog d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("List - builder"));
    EXPECT_EQ(d.helpContext(), 2030);
    EXPECT_TRUE(d.okButton()->isDefault());
    d.fjernlist(QStringLiteral("<DL><DT>tea<DD>a drink</DL>"));
    d.show();
    QTableWidget *grid = d.grid();
    EXPECT_EQ(d.listTypeGroup()->checkedIndex(), 2);
    ASSERT_EQ(grid->columnCount(), 2);
    EXPECT_EQ(grid->columnWidth(0), 75);
    EXPECT_EQ(grid->columnWidth(1), 345);
    EXPECT_EQ(grid->verticalHeader()->width(), 23);
    EXPECT_FALSE(d.orderedTypeGroup()->isEnabled());
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("a drink"));

    d.listTypeGroup()->button(1)->click();
    EXPECT_TRUE(d.orderedTypeGroup()->isEnabled());
    ASSERT_EQ(grid->columnCount(), 1);
    EXPECT_EQ(grid->columnWidth(0), 421);
    d.orderedTypeGroup()->button(2)->click();
    EXPECT_EQ(d.value().build(), QStringLiteral("<OL>\r\n<LI TYPE=A>tea\r\n</OL>"));

    d.listTypeGroup()->button(0)->click();
    EXPECT_FALSE(d.orderedTypeGroup()->isEnabled());
    // The hidden definitions come back with the definition list.
    d.listTypeGroup()->button(2)->click();
    EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("a drink"));
    EXPECT_EQ(d.value().build(), QStringLiteral("<DL>\r\n<DT>tea<DD>a drink\r\n</DL>"));
}

TEST_F(RuleListDialogsTest, RowsAreWrittenInTheOrderShown)
{
    Tlistbuilderdialog d;
    d.fjernlist(QStringLiteral("<UL><LI>a<LI>b<LI>c</UL>"));
    d.show();
    QTableWidget *grid = d.grid();
    ASSERT_EQ(grid->rowCount(), 3);
    // Dragging the third row's header to the top.
    grid->verticalHeader()->moveSection(2, 0);
    EXPECT_EQ(d.value().build(), QStringLiteral("<UL>\r\n<LI>c\r\n<LI>a\r\n<LI>b\r\n</UL>"));
    EXPECT_EQ(grid->item(0, 0)->text(), QStringLiteral("c"));

    d.removeRowButton()->click();
    d.removeRowButton()->click();
    EXPECT_EQ(grid->rowCount(), 1);
    d.removeRowButton()->click();  // the last item row stays
    EXPECT_EQ(grid->rowCount(), 1);
    d.insertRowButton()->click();
    grid->item(1, 0)->setText(QStringLiteral("new"));
    EXPECT_EQ(d.value().build(), QStringLiteral("<UL>\r\n<LI>c\r\n<LI>new\r\n</UL>"));
}

TEST_F(RuleListDialogsTest, ShortcutNamesRunTheCommands)
{
    test::FakePageHost host;
    for (const char *name : {"SpeedButton70", "SpeedButton71", "SpeedButton7"})
        host.command(QString::fromLatin1(name))->setEnabled(false);
    RuleListController controller(host);
    for (const char *name : {"SpeedButton70", "SpeedButton71", "SpeedButton7"})
        EXPECT_TRUE(host.command(QString::fromLatin1(name))->isEnabled()) << name;
    host.addPage(QStringLiteral("[]"));
    host.activeEditor()->setSelection(1, 0);
    {
        test::WhenModal<Tskille> rule([](Tskille *d) { d->okButton()->click(); });
        EXPECT_TRUE(controller.runByShortcutName(QStringLiteral("\"horbreak\"")));
        EXPECT_TRUE(rule.ran());
    }
    {
        test::WhenModal<Tmarquee> marquee([](Tmarquee *d) { d->cancelButton()->click(); });
        EXPECT_TRUE(controller.runByShortcutName(QStringLiteral("\"marque\"")));
        EXPECT_TRUE(marquee.ran());
    }
    {
        test::WhenModal<Tlistbuilderdialog> list([](Tlistbuilderdialog *d) { d->cancelButton()->click(); });
        EXPECT_TRUE(controller.runByShortcutName(QStringLiteral("\"listbuilder\"")));
        EXPECT_TRUE(list.ran());
    }
    EXPECT_FALSE(controller.runByShortcutName(QStringLiteral("\"table\"")));
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("[<HR WIDTH=100% >]"));
}

} // namespace
