// The horizontal rule, marquee and list builder commands from the real main
// window: text in the page, a selection, the toolbar command, the dialog
// worked and accepted, and the page's text checked byte for byte.
#include "colorcombo.h"
#include "colorcontrolset.h"
#include "mainwindow.h"
#include "mainwindow_fixture.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "search_modal.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tlistbuilderdialog.h"
#include "tmarquee.h"
#include "tskille.h"
#include "updownedit.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;

namespace {

class MainWindowRuleListTest : public test::MainWindowFixture {
protected:
    static void typeInto(UpDownEdit *edit, const QString &text)
    {
        QLineEdit *line = edit->findChild<QLineEdit *>();
        line->selectAll();
        QTest::keyClicks(line, text);
    }

};

TEST_F(MainWindowRuleListTest, HorizontalBreakRewritesASelectedRuleAndReadsItBack)
{
    thtmlrichedit *ed = page(QStringLiteral("a<HR>b"), 1, 4);
    {
        ModalDriver<Tskille> driver([](Tskille *d) {
            EXPECT_EQ(d->alignGroup()->checkedIndex(), 0);
            EXPECT_FALSE(d->widthPercentCheck()->isChecked());
            d->alignGroup()->button(2)->click();
            d->okButton()->click();
        });
        run("SpeedButton71");
        ASSERT_TRUE(driver.seen());
    }
    EXPECT_EQ(ed->text(), QStringLiteral("a<HR ALIGN=RIGHT >b"));
    EXPECT_TRUE(ed->isModified());

    ed->setSelection(1, 17);
    ModalDriver<Tskille> again([](Tskille *d) {
        EXPECT_EQ(d->alignGroup()->checkedIndex(), 2);
        d->cancelButton()->click();
    });
    run("SpeedButton71");
    ASSERT_TRUE(again.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("a<HR ALIGN=RIGHT >b"));
}

TEST_F(MainWindowRuleListTest, HorizontalBreakWithNothingSelectedInsertsTheDefaultRule)
{
    thtmlrichedit *ed = page(QStringLiteral("<P></P>"), 3);
    ModalDriver<Tskille> driver([](Tskille *d) { d->okButton()->click(); });
    run("SpeedButton71");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<P><HR WIDTH=100% ></P>"));
}

TEST_F(MainWindowRuleListTest, MarqueeMakesSelectedTextMoveInRed)
{
    thtmlrichedit *ed = page(QStringLiteral("<P>Hello</P>"), 3, 5);
    ModalDriver<Tmarquee> driver([](Tmarquee *d) {
        EXPECT_EQ(d->textEdit()->toPlainText(), QStringLiteral("Hello"));
        emit d->foregroundSet()->combo()->activated(9);
        d->behaviorGroup()->button(1)->click();
        typeInto(d->loopEdit(), QStringLiteral("3"));
        d->okButton()->click();
    });
    run("SpeedButton70");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(),
              QStringLiteral("<P><FONT COLOR=#FF0000><MARQUEE BEHAVIOR=SLIDE LOOP=3>Hello</MARQUEE></FONT></P>"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowRuleListTest, MarqueeKeepsATwoLineSelectionsLineBreak)
{
    thtmlrichedit *ed = page(QStringLiteral("one\r\ntwo"), 0, 7);
    ModalDriver<Tmarquee> driver([](Tmarquee *d) { d->okButton()->click(); });
    run("SpeedButton70");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<MARQUEE LOOP=INFINITE>one\r\ntwo</MARQUEE>"));
}

TEST_F(MainWindowRuleListTest, ListBuilderWritesTwoTypedItems)
{
    thtmlrichedit *ed = page(QStringLiteral("<BODY>\r\n\r\n</BODY>"), 7);
    ModalDriver<Tlistbuilderdialog> driver([](Tlistbuilderdialog *d) {
        QTableWidget *grid = d->grid();
        ASSERT_EQ(grid->rowCount(), 2);
        grid->setCurrentCell(0, 0);
        grid->editItem(grid->item(0, 0));
        // Typed into the cell's editor, still open when OK is pressed.
        QTest::keyClicks(grid->findChild<QLineEdit *>(), QStringLiteral("Tea"));
        grid->item(1, 0)->setText(QStringLiteral("Cake"));
        d->listTypeGroup()->button(1)->click();
        d->orderedTypeGroup()->button(3)->click();
        d->okButton()->click();
    });
    run("SpeedButton7");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY>\r\n<OL>\r\n<LI TYPE=i>Tea\r\n<LI TYPE=i>Cake\r\n</OL>\r\n</BODY>"));
}

TEST_F(MainWindowRuleListTest, ListBuilderReadsASelectedListBack)
{
    const QString list = QStringLiteral("<UL>\r\n<LI>one\r\n<LI>two\r\n<LI>three\r\n</UL>");
    // Positions count a line break once.
    thtmlrichedit *ed = page(list + QStringLiteral("\r\nafter"), 0, int(list.size()) - 4);
    ASSERT_EQ(ed->selText(), list);
    ModalDriver<Tlistbuilderdialog> driver([](Tlistbuilderdialog *d) {
        QTableWidget *grid = d->grid();
        ASSERT_EQ(grid->rowCount(), 3);
        EXPECT_EQ(grid->item(2, 0)->text(), QStringLiteral("three"));
        grid->item(1, 0)->setText(QStringLiteral("2"));
        d->okButton()->click();
    });
    run("SpeedButton7");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<UL>\r\n<LI>one\r\n<LI>2\r\n<LI>three\r\n</UL>\r\nafter"));
}

TEST_F(MainWindowRuleListTest, ListBuilderCancelLeavesThePage)
{
    thtmlrichedit *ed = page(QStringLiteral("<UL><LI>x</UL>"), 0, 14);
    ModalDriver<Tlistbuilderdialog> driver([](Tlistbuilderdialog *d) {
        d->grid()->item(0, 0)->setText(QStringLiteral("changed"));
        d->cancelButton()->click();
    });
    run("SpeedButton7");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<UL><LI>x</UL>"));
    EXPECT_FALSE(ed->isModified());
}

} // namespace
