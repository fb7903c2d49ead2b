// The tag commands driven through a stand-in main window with real page
// editors: select text, run the command, work the dialog, check the page.
#include "fakepagehost.h"
#include "helpservice.h"
#include "modaldialog.h"
#include "radiogroup.h"
#include "tagcontroller.h"
#include "tanchordialog.h"
#include "tbold.h"
#include "tcenterdialog.h"
#include "testsandbox.h"
#include "tfontstdialog.h"
#include "thtmlrichedit.h"
#include "titalic.h"
#include "tjumptodialog.h"
#include "tjumptoheredialog.h"
#include "ttablebuilderdialog.h"
#include "ttablecaptiondialog.h"
#include "ttabledatadialog.h"
#include "ttabledialog.h"
#include "ttablerowdialog.h"
#include "tunderlinieret.h"
#include "updownedit.h"
#include "wraptag.h"

#include <QAction>
#include <QHash>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::FakePageHost;
using lumaro::test::WhenModal;

namespace {

class TagControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        lumaro::test::TestSandbox::clearSettings();
        controller = std::make_unique<TagController>(host);
    }

    /// Opens a page with text and selects length characters from start.
    thtmlrichedit *page(const QString &text, int start = 0, int length = 0)
    {
        host.addPage(text);
        thtmlrichedit *e = host.activeEditor();
        e->setSelection(start, length);
        return e;
    }

    void run(const QString &command) { host.command(command)->trigger(); }

    FakePageHost host;
    std::unique_ptr<TagController> controller;
};

TEST_F(TagControllerTest, ConnectsAndEnablesEveryCommand)
{
    QStringList names;
    for (const WrapTag::Command &c : WrapTag::commands())
        names << c.component;
    names << QStringLiteral("SpeedButton73") << QStringLiteral("SpeedButton74") << QStringLiteral("SpeedButton75")
          << QStringLiteral("SpeedButton76") << QStringLiteral("SpeedButton6") << QStringLiteral("SpeedButton3")
          << QStringLiteral("SpeedButton4") << QStringLiteral("SpeedButton5");
    names += TagController::anchorMenuNames() + TagController::jumpToMenuNames()
        + TagController::jumpToHereMenuNames();
    for (const QString &name : names) {
        ASSERT_TRUE(host.commands.contains(name)) << name.toStdString();
        EXPECT_TRUE(host.commands[name]->isEnabled()) << name.toStdString();
    }
    // A command of another subsystem is left alone.
    EXPECT_FALSE(host.command(QStringLiteral("SpeedButton1"))->isEnabled());
}

TEST_F(TagControllerTest, CommandsWithoutPageDoNothing)
{
    for (const QString &name : host.commands.keys())
        host.commands[name]->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TagControllerTest, EveryWrapCommandWrapsTheSelectionWithoutDialog)
{
    thtmlrichedit *e = page(QStringLiteral("say hello now"));
    for (const WrapTag::Command &c : WrapTag::commands()) {
        e->loadPlainText(QStringLiteral("say hello\r\nthere now"));
        e->setSelection(4, 11);
        run(c.component);
        EXPECT_EQ(e->text(), QStringLiteral("say <%1>hello\r\nthere</%1> now").arg(c.tagName))
            << c.component.toStdString();
        EXPECT_TRUE(e->isModified());
    }
}

TEST_F(TagControllerTest, BoldWithoutSelectionAsksForText)
{
    thtmlrichedit *e = page(QStringLiteral("ab"), 1, 0);
    WhenModal<TBold> driver([](TBold *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Bold"));
        EXPECT_TRUE(d->okButton()->isDefault());
        d->textEdit()->setText(QStringLiteral("strong words"));
        d->okButton()->click();
    });
    run(QStringLiteral("SpeedButton48"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral("a<B>strong words</B>b"));
}

TEST_F(TagControllerTest, EveryWrapCommandWithoutSelectionAsksForText)
{
    const QHash<QString, QString> titles = {{QStringLiteral("B"), QStringLiteral("Bold")},
                                            {QStringLiteral("I"), QStringLiteral("Italic")},
                                            {QStringLiteral("U"), QStringLiteral("Underline")},
                                            {QStringLiteral("CENTER"), QStringLiteral("Center")}};
    thtmlrichedit *e = page(QString());
    for (const WrapTag::Command &c : WrapTag::commands()) {
        e->loadPlainText(QStringLiteral("[]"));
        e->setSelection(1, 0);
        const QString title = titles.value(c.tagName, c.tagName);
        WhenModal<TextTagDialog> driver([&title](TextTagDialog *d) {
            EXPECT_EQ(d->windowTitle(), title);
            EXPECT_TRUE(d->textEdit()->text().isEmpty());
            d->textEdit()->setText(QStringLiteral("x"));
            d->accept();
        });
        run(c.component);
        EXPECT_TRUE(driver.ran()) << c.component.toStdString();
        EXPECT_EQ(e->text(), QStringLiteral("[<%1>x</%1>]").arg(c.tagName)) << c.component.toStdString();
    }
}

TEST_F(TagControllerTest, PhraseDialogIsSharedAndEmptiedOnEachUse)
{
    thtmlrichedit *e = page(QString());
    {
        WhenModal<Tfontstdialog> driver([](Tfontstdialog *d) {
            EXPECT_EQ(d->startTag(), QStringLiteral("<CODE>"));
            EXPECT_EQ(d->endTag(), QStringLiteral("</CODE>"));
            d->textEdit()->setText(QStringLiteral("int x;"));
            d->accept();
        });
        run(QStringLiteral("SpeedButton88"));
        EXPECT_TRUE(driver.ran());
    }
    Tfontstdialog *first = controller->phraseDialog();
    {
        WhenModal<Tfontstdialog> driver([first](Tfontstdialog *d) {
            EXPECT_EQ(d, first);
            EXPECT_EQ(d->windowTitle(), QStringLiteral("VAR"));
            EXPECT_TRUE(d->textEdit()->text().isEmpty());
            d->textEdit()->setText(QStringLiteral("n"));
            d->accept();
        });
        run(QStringLiteral("SpeedButton94"));
        EXPECT_TRUE(driver.ran());
    }
    EXPECT_EQ(e->text(), QStringLiteral("<CODE>int x;</CODE><VAR>n</VAR>"));
}

TEST_F(TagControllerTest, CancelLeavesPageUntouched)
{
    thtmlrichedit *e = page(QStringLiteral("keep"), 2, 0);
    WhenModal<TUnderlinieret> driver([](TUnderlinieret *d) {
        d->textEdit()->setText(QStringLiteral("lost"));
        d->cancelButton()->click();
    });
    run(QStringLiteral("SpeedButton69"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral("keep"));
    EXPECT_FALSE(e->isModified());
}

TEST_F(TagControllerTest, TableDialogRewritesSelectedStartTag)
{
    const QString text = QStringLiteral("x<TABLE BORDER=3 ALIGN=CENTER>\r\n<TR><TD>1</TD></TR>\r\n</TABLE>");
    thtmlrichedit *e = page(text, 1, 29);
    WhenModal<Ttabledialog> driver([](Ttabledialog *d) {
        EXPECT_EQ(d->alignGroup()->checkedIndex(), 1);
        EXPECT_TRUE(d->borderCheck()->isChecked());
        EXPECT_EQ(d->thicknessEdit()->text(), QStringLiteral("3"));
        d->alignGroup()->button(2)->click();
        d->valignGroup()->button(0)->click();
        d->okButton()->click();
    });
    run(QStringLiteral("SpeedButton73"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral("x<TABLE ALIGN=RIGHT BORDER=3 VALIGN=TOP>\r\n<TR><TD>1</TD></TR>\r\n</TABLE>"));
}

TEST_F(TagControllerTest, TableDialogWithNothingSelectedInsertsElement)
{
    thtmlrichedit *e = page(QStringLiteral("ab"), 1, 0);
    WhenModal<Ttabledialog> driver([](Ttabledialog *d) {
        d->borderCheck()->click();
        EXPECT_FALSE(d->thicknessEdit()->isEnabled());
        d->okButton()->click();
    });
    run(QStringLiteral("SpeedButton73"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral("a<TABLE ALIGN=LEFT>\r\n\r\n</TABLE>b"));
}

TEST_F(TagControllerTest, RowCellAndCaptionDialogs)
{
    thtmlrichedit *e = page(QString());
    {
        WhenModal<Ttablerowdialog> driver([](Ttablerowdialog *d) { d->accept(); });
        run(QStringLiteral("SpeedButton74"));
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(e->text(), QStringLiteral("<TR ALIGN=LEFT>\r\n\r\n</TR>"));
    }
    {
        e->loadPlainText(QStringLiteral("<TD ALIGN=RIGHT WIDTH=40>Price</TD>"));
        e->selectAllText();
        WhenModal<Ttabledatadialog> driver([](Ttabledatadialog *d) {
            EXPECT_EQ(d->contentEdit()->text(), QStringLiteral("Price"));
            d->contentEdit()->setText(QStringLiteral("Cost"));
            d->accept();
        });
        run(QStringLiteral("SpeedButton75"));
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(e->text(), QStringLiteral("<TD ALIGN=RIGHT WIDTH=40>Cost</TD>"));
    }
    {
        e->loadPlainText(QString());
        WhenModal<Ttablecaptiondialog> driver([](Ttablecaptiondialog *d) {
            d->contentEdit()->setText(QStringLiteral("Sales"));
            d->accept();
        });
        run(QStringLiteral("SpeedButton76"));
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(e->text(), QStringLiteral("<CAPTION ALIGN=LEFT VALIGN=TOP>Sales</CAPTION>\r\n"));
    }
}

TEST_F(TagControllerTest, TableBuilderWritesNewTable)
{
    thtmlrichedit *e = page(QString());
    WhenModal<Ttablebuilderdialog> driver([](Ttablebuilderdialog *d) {
        d->grid()->item(0, 0)->setText(QStringLiteral("Name"));
        d->grid()->item(1, 1)->setText(QStringLiteral("42"));
        d->setCurrentCell(2, 1);
        d->textAlignGroup()->button(2)->click();
        d->captionEdit()->setText(QStringLiteral("Prices"));
        d->okButton()->click();
    });
    run(QStringLiteral("SpeedButton6"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral(
        "<TABLE BORDER=1 ALIGN=CENTER>\r\n"
        "<CAPTION VALIGN=TOP ALIGN=CENTER>Prices</CAPTION>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT WIDTH=150>Name</TD>\r\n<TD ALIGN=RIGHT WIDTH=150></TD>\r\n</TR>\r\n"
        "<TR>\r\n<TD ALIGN=LEFT WIDTH=150></TD>\r\n<TD ALIGN=RIGHT WIDTH=150>42</TD>\r\n</TR>\r\n"
        "</TABLE>"));
}

TEST_F(TagControllerTest, TableBuilderReadsSelectedTableBack)
{
    const QString table = QStringLiteral(
        "<TABLE BORDER=2 ALIGN=LEFT>\r\n"
        "<TR>\r\n<TD ALIGN=CENTER BGCOLOR=#000080 WIDTH=60>a</TD>\r\n<TD ALIGN=LEFT BGCOLOR=#000080 WIDTH=70>b</TD>\r\n</TR>\r\n"
        "</TABLE>");
    thtmlrichedit *e = page(table);
    e->selectAllText();
    WhenModal<Ttablebuilderdialog> driver([](Ttablebuilderdialog *d) {
        EXPECT_EQ(d->grid()->item(0, 0)->text(), QStringLiteral("a"));
        EXPECT_EQ(d->grid()->columnWidth(1), 70);
        EXPECT_TRUE(d->colorCheck()->isChecked());
        EXPECT_FALSE(d->captionCheck()->isChecked());
        d->insertRowButton()->click();
        d->okButton()->click();
    });
    run(QStringLiteral("SpeedButton6"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral(
        "<TABLE BORDER=2 ALIGN=LEFT>\r\n"
        "<TR>\r\n<TD ALIGN=CENTER BGCOLOR=#000080 WIDTH=60>a</TD>\r\n<TD ALIGN=LEFT BGCOLOR=#000080 WIDTH=70>b</TD>\r\n</TR>\r\n"
        "<TR>\r\n<TD ALIGN=CENTER WIDTH=60></TD>\r\n<TD ALIGN=LEFT WIDTH=70></TD>\r\n</TR>\r\n"
        "<TR>\r\n<TD ALIGN=CENTER WIDTH=60></TD>\r\n<TD ALIGN=LEFT WIDTH=70></TD>\r\n</TR>\r\n"
        "</TABLE>"));
}

TEST_F(TagControllerTest, AnchorRoundTripThroughDialog)
{
    thtmlrichedit *e = page(QStringLiteral("<A HREF=\"page.html#top\">Back</A>"));
    e->selectAllText();
    WhenModal<Tanchordialog> driver([](Tanchordialog *d) {
        EXPECT_EQ(d->addressEdit()->text(), QStringLiteral("page.html"));
        EXPECT_EQ(d->nameEdit()->text(), QStringLiteral("top"));
        EXPECT_EQ(d->textEdit()->text(), QStringLiteral("Back"));
        EXPECT_FALSE(d->urlButton()->isEnabled());
        d->accept();
    });
    run(QStringLiteral("Anchor1"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral("<A HREF=\"page.html#top\">Back</A>"));
}

TEST_F(TagControllerTest, AnchorOnPlainText)
{
    thtmlrichedit *e = page(QStringLiteral("go Back now"), 3, 4);
    WhenModal<Tanchordialog> driver([](Tanchordialog *d) {
        EXPECT_TRUE(d->addressEdit()->text().isEmpty());
        EXPECT_EQ(d->textEdit()->text(), QStringLiteral("Back"));
        d->addressEdit()->setText(QStringLiteral("index.html"));
        d->accept();
    });
    run(QStringLiteral("SpeedButton3"));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral("go <A HREF=\"index.html\">Back</A> now"));
}

TEST_F(TagControllerTest, JumpToAndJumpToHere)
{
    thtmlrichedit *e = page(QStringLiteral("<A NAME=\"here\">Start</A>"));
    e->selectAllText();
    {
        WhenModal<Tjumptoheredialog> driver([](Tjumptoheredialog *d) {
            EXPECT_EQ(d->nameEdit()->text(), QStringLiteral("here"));
            EXPECT_EQ(d->textEdit()->text(), QStringLiteral("Start"));
            d->nameEdit()->setText(QStringLiteral("there"));
            d->accept();
        });
        run(QStringLiteral("Jumptohere1"));
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(e->text(), QStringLiteral("<A NAME=\"there\">Start</A>"));
    }
    e->loadPlainText(QStringLiteral("<a href=\"#x\">y</a>"));
    e->selectAllText();
    {
        WhenModal<Tjumptodialog> driver([](Tjumptodialog *d) {
            EXPECT_TRUE(d->nameEdit()->text().isEmpty());
            EXPECT_EQ(d->textEdit()->text(), QStringLiteral("<a href=\"#x\">y</a>"));
            d->nameEdit()->setText(QStringLiteral("x"));
            d->textEdit()->setText(QStringLiteral("y"));
            d->accept();
        });
        run(QStringLiteral("SpeedButton4"));
        EXPECT_TRUE(driver.ran());
        EXPECT_EQ(e->text(), QStringLiteral("<A HREF=\"#x\">y</A>"));
    }
}

TEST_F(TagControllerTest, SharedActionRunsCommandOnce)
{
    // A host that registers the toolbar button's action also as the menu item.
    FakePageHost shared;
    auto *action = shared.command(QStringLiteral("SpeedButton3"));
    shared.commands.insert(QStringLiteral("Anchor1"), action);
    TagController c(shared);
    shared.addPage(QStringLiteral("t"));
    shared.activeEditor()->selectAllText();
    int shown = 0;
    WhenModal<Tanchordialog> driver([&shown](Tanchordialog *d) {
        ++shown;
        d->accept();
    });
    action->trigger();
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(shared.activeEditor()->text(), QStringLiteral("<A HREF=\"\">t</A>"));
}

TEST_F(TagControllerTest, ShortcutNamesRunDialogs)
{
    thtmlrichedit *e = page(QString());
    WhenModal<Ttablerowdialog> driver([](Ttablerowdialog *d) { d->accept(); });
    EXPECT_TRUE(controller->runByShortcutName(QStringLiteral("\"tablerow\"")));
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(e->text(), QStringLiteral("<TR ALIGN=LEFT>\r\n\r\n</TR>"));
    EXPECT_FALSE(controller->runByShortcutName(QStringLiteral("\"body\"")));
    EXPECT_FALSE(controller->runByShortcutName(QStringLiteral("table")));
}

} // namespace
