// The tag commands run from the real main window as a user runs them: text
// in the page, a selection, the toolbar command, the modal dialog worked and
// accepted, and the page's text checked byte for byte.
#include "mainwindow.h"
#include "mainwindow_fixture.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "search_modal.h"
#include "tbold.h"
#include "testsandbox.h"
#include "tfontstdialog.h"
#include "thtmlrichedit.h"
#include "ttablebuilderdialog.h"
#include "ttabledialog.h"
#include "updownedit.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;

namespace {

class MainWindowTagsTest : public test::MainWindowFixture {
protected:
    /// Types text into a line edit the way the keyboard does, replacing what
    /// it held.
    static void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    static void typeInto(UpDownEdit *edit, const QString &text)
    {
        typeInto(edit->findChild<QLineEdit *>(), text);
    }

    /// Edits a cell of the builder's grid in place (0-based grid row/column).
    static void typeCell(QTableWidget *grid, int row, int column, const QString &text)
    {
        grid->setCurrentCell(row, column);
        if (QTableWidgetItem *item = grid->item(row, column))
            item->setText(text);
        else
            grid->setItem(row, column, new QTableWidgetItem(text));
    }
    static QString cell(QTableWidget *grid, int row, int column)
    {
        QTableWidgetItem *item = grid->item(row, column);
        return item ? item->text() : QString();
    }

};

// --- Table dialog -----------------------------------------------------------------------

TEST_F(MainWindowTagsTest, TableDialogWithNothingSelectedWritesAWholeTable)
{
    thtmlrichedit *ed = page(QStringLiteral("<BODY>\r\n\r\n</BODY>"), 7);
    ModalDriver<Ttabledialog> driver([](Ttabledialog *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Table"));
        // The defaults a fresh tag gets.
        EXPECT_EQ(d->alignGroup()->checkedIndex(), 0);
        EXPECT_EQ(d->valignGroup()->checkedIndex(), 1);
        EXPECT_TRUE(d->borderCheck()->isChecked());
        EXPECT_EQ(d->thicknessEdit()->text(), QStringLiteral("2"));
        d->alignGroup()->button(2)->click();
        d->valignGroup()->button(2)->click();
        typeInto(d->thicknessEdit(), QStringLiteral("5"));
        d->okButton()->click();
    });
    run("SpeedButton73");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY>\r\n<TABLE ALIGN=RIGHT BORDER=5 VALIGN=BOTTOM>\r\n\r\n</TABLE>\r\n</BODY>"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowTagsTest, TableDialogOkWithoutChangesWritesTheDefaultTable)
{
    thtmlrichedit *ed = page(QStringLiteral("[]"), 1);
    ModalDriver<Ttabledialog> driver([](Ttabledialog *d) { d->okButton()->click(); });
    run("SpeedButton73");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("[<TABLE ALIGN=LEFT BORDER=2>\r\n\r\n</TABLE>]"));
}

TEST_F(MainWindowTagsTest, TableDialogRewritesASelectedStartTagOnly)
{
    const QString rest = QStringLiteral("\r\n<TR><TD>x</TD></TR>\r\n</TABLE>");
    const QString start = QStringLiteral("<TABLE BORDER=3 ALIGN=CENTER>");
    thtmlrichedit *ed = page(start + rest, 0, int(start.size()));
    ModalDriver<Ttabledialog> driver([](Ttabledialog *d) {
        // The selected tag is shown.
        EXPECT_EQ(d->alignGroup()->checkedIndex(), 1);
        EXPECT_EQ(d->valignGroup()->checkedIndex(), 1);
        EXPECT_TRUE(d->borderCheck()->isChecked());
        EXPECT_TRUE(d->thicknessEdit()->isEnabled());
        EXPECT_EQ(d->thicknessEdit()->text(), QStringLiteral("3"));
        d->valignGroup()->button(0)->click();
        d->okButton()->click();
    });
    run("SpeedButton73");
    ASSERT_TRUE(driver.seen());
    // Only the start tag is replaced: the rows and the end tag stay.
    EXPECT_EQ(ed->text(), QStringLiteral("<TABLE ALIGN=CENTER BORDER=3 VALIGN=TOP>") + rest);
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowTagsTest, TableDialogClearingTheBorderDropsIt)
{
    const QString start = QStringLiteral("<TABLE BORDER=3 ALIGN=CENTER>");
    thtmlrichedit *ed = page(QStringLiteral("a") + start + QStringLiteral("b"), 1, int(start.size()));
    ModalDriver<Ttabledialog> driver([](Ttabledialog *d) {
        d->borderCheck()->click();
        EXPECT_FALSE(d->thicknessEdit()->isEnabled());
        EXPECT_FALSE(d->thicknessLabel()->isEnabled());
        d->okButton()->click();
    });
    run("SpeedButton73");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("a<TABLE ALIGN=CENTER>b"));
}

TEST_F(MainWindowTagsTest, TableDialogCancelLeavesThePageAlone)
{
    const QString text = QStringLiteral("<TABLE BORDER=3 ALIGN=CENTER>\r\n</TABLE>");
    thtmlrichedit *ed = page(text, 0, 29);
    ModalDriver<Ttabledialog> driver([](Ttabledialog *d) {
        d->alignGroup()->button(2)->click();
        d->cancelButton()->click();
    });
    run("SpeedButton73");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), text);
    EXPECT_FALSE(ed->isModified());
    EXPECT_EQ(ed->selText(), QStringLiteral("<TABLE BORDER=3 ALIGN=CENTER>"));
}

// --- Table builder ------------------------------------------------------------------------

TEST_F(MainWindowTagsTest, TableBuilderInsertsANewTableAtTheCaret)
{
    thtmlrichedit *ed = page(QStringLiteral("<BODY>\r\n\r\n</BODY>"), 7);
    ModalDriver<Ttablebuilderdialog> driver([](Ttablebuilderdialog *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Table - builder"));
        QTableWidget *grid = d->grid();
        ASSERT_EQ(grid->rowCount(), 2);
        ASSERT_EQ(grid->columnCount(), 2);
        typeCell(grid, 0, 0, QStringLiteral("Name"));
        typeCell(grid, 0, 1, QStringLiteral("Price"));
        typeCell(grid, 1, 0, QStringLiteral("Tea"));
        typeCell(grid, 1, 1, QStringLiteral("3"));
        // The second column: narrower and right-aligned.
        grid->setCurrentCell(0, 1);
        EXPECT_EQ(d->widthEdit()->text(), QStringLiteral("150"));
        typeInto(d->widthEdit(), QStringLiteral("80"));
        EXPECT_EQ(grid->columnWidth(1), 80);
        d->textAlignGroup()->button(2)->click();
        typeInto(d->captionEdit(), QStringLiteral("Prices"));
        d->okButton()->click();
    });
    run("SpeedButton6");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY>\r\n"
                                         "<TABLE BORDER=1 ALIGN=CENTER>\r\n"
                                         "<CAPTION VALIGN=TOP ALIGN=CENTER>Prices</CAPTION>\r\n"
                                         "<TR>\r\n"
                                         "<TD ALIGN=LEFT WIDTH=150>Name</TD>\r\n"
                                         "<TD ALIGN=RIGHT WIDTH=80>Price</TD>\r\n"
                                         "</TR>\r\n"
                                         "<TR>\r\n"
                                         "<TD ALIGN=LEFT WIDTH=150>Tea</TD>\r\n"
                                         "<TD ALIGN=RIGHT WIDTH=80>3</TD>\r\n"
                                         "</TR>\r\n"
                                         "</TABLE>\r\n"
                                         "</BODY>"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowTagsTest, TableBuilderOkWithoutChangesWritesTheEmptyTwoByTwoTable)
{
    thtmlrichedit *ed = page(QString(), 0);
    ModalDriver<Ttablebuilderdialog> driver([](Ttablebuilderdialog *d) { d->okButton()->click(); });
    run("SpeedButton6");
    ASSERT_TRUE(driver.seen());
    const QString row = QStringLiteral("<TR>\r\n"
                                       "<TD ALIGN=LEFT WIDTH=150></TD>\r\n"
                                       "<TD ALIGN=LEFT WIDTH=150></TD>\r\n"
                                       "</TR>\r\n");
    EXPECT_EQ(ed->text(), QStringLiteral("<TABLE BORDER=1 ALIGN=CENTER>\r\n"
                                         "<CAPTION VALIGN=TOP ALIGN=CENTER></CAPTION>\r\n")
                              + row + row + QStringLiteral("</TABLE>"));
}

TEST_F(MainWindowTagsTest, TableBuilderReadsASelectedTableBackAndRewritesIt)
{
    const QString table = QStringLiteral("<TABLE BORDER=4 ALIGN=RIGHT>\r\n"
                                         "<CAPTION VALIGN=BOTTOM ALIGN=CENTER>Old</CAPTION>\r\n"
                                         "<TR>\r\n"
                                         "<TD ALIGN=CENTER BGCOLOR=#000080 WIDTH=60>A</TD>\r\n"
                                         "<TD ALIGN=RIGHT BGCOLOR=#000080 WIDTH=90>B</TD>\r\n"
                                         "</TR>\r\n"
                                         "<TR>\r\n"
                                         "<TD ALIGN=CENTER BGCOLOR=#FF0000 WIDTH=60>C</TD>\r\n"
                                         "<TD ALIGN=RIGHT BGCOLOR=#FF0000 WIDTH=90>D</TD>\r\n"
                                         "</TR>\r\n"
                                         "</TABLE>");
    const QString before = QStringLiteral("<P>before</P>\r\n");
    const QString after = QStringLiteral("\r\n<P>after</P>");
    // Positions count a line break once.
    const int start = int(before.size()) - 1;
    const int length = int(table.size()) - int(table.count(QStringLiteral("\r\n")));
    thtmlrichedit *ed = page(before + table + after, start, length);
    ASSERT_EQ(ed->selText(), table);

    ModalDriver<Ttablebuilderdialog> driver([](Ttablebuilderdialog *d) {
        QTableWidget *grid = d->grid();
        ASSERT_EQ(grid->rowCount(), 2);
        ASSERT_EQ(grid->columnCount(), 2);
        EXPECT_EQ(cell(grid, 0, 0), QStringLiteral("A"));
        EXPECT_EQ(cell(grid, 0, 1), QStringLiteral("B"));
        EXPECT_EQ(cell(grid, 1, 0), QStringLiteral("C"));
        EXPECT_EQ(cell(grid, 1, 1), QStringLiteral("D"));
        EXPECT_EQ(grid->columnWidth(0), 60);
        EXPECT_EQ(grid->columnWidth(1), 90);
        EXPECT_EQ(d->thicknessEdit()->text(), QStringLiteral("4"));
        EXPECT_EQ(d->tableAlignGroup()->checkedIndex(), 2);
        EXPECT_TRUE(d->captionCheck()->isChecked());
        EXPECT_FALSE(d->valignTopCheck()->isChecked());
        EXPECT_EQ(d->captionEdit()->text(), QStringLiteral("Old"));
        EXPECT_TRUE(d->colorCheck()->isChecked());
        // Clicking a cell shows its column and row.
        grid->setCurrentCell(1, 1);
        EXPECT_EQ(d->widthEdit()->text(), QStringLiteral("90"));
        EXPECT_EQ(d->textAlignGroup()->checkedIndex(), 2);
        grid->setCurrentCell(0, 0);
        EXPECT_EQ(d->textAlignGroup()->checkedIndex(), 1);

        typeCell(grid, 1, 1, QStringLiteral("E"));
        typeInto(d->captionEdit(), QStringLiteral("New"));
        d->tableAlignGroup()->button(0)->click();
        d->okButton()->click();
    });
    run("SpeedButton6");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), before
                              + QStringLiteral("<TABLE BORDER=4 ALIGN=LEFT>\r\n"
                                               "<CAPTION VALIGN=BOTTOM ALIGN=CENTER>New</CAPTION>\r\n"
                                               "<TR>\r\n"
                                               "<TD ALIGN=CENTER BGCOLOR=#000080 WIDTH=60>A</TD>\r\n"
                                               "<TD ALIGN=RIGHT BGCOLOR=#000080 WIDTH=90>B</TD>\r\n"
                                               "</TR>\r\n"
                                               "<TR>\r\n"
                                               "<TD ALIGN=CENTER BGCOLOR=#FF0000 WIDTH=60>C</TD>\r\n"
                                               "<TD ALIGN=RIGHT BGCOLOR=#FF0000 WIDTH=90>E</TD>\r\n"
                                               "</TR>\r\n"
                                               "</TABLE>")
                              + after);
}

TEST_F(MainWindowTagsTest, TableBuilderCancelLeavesTheSelectedTable)
{
    const QString text = QStringLiteral("<TABLE BORDER=1 ALIGN=CENTER>\r\n<TR>\r\n<TD ALIGN=LEFT WIDTH=150>x</TD>\r\n"
                                        "</TR>\r\n</TABLE>");
    thtmlrichedit *ed = page(text, 0, int(text.size()) - 4);
    ModalDriver<Ttablebuilderdialog> driver([](Ttablebuilderdialog *d) {
        typeCell(d->grid(), 0, 0, QStringLiteral("changed"));
        d->cancelButton()->click();
    });
    run("SpeedButton6");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), text);
    EXPECT_FALSE(ed->isModified());
}

// --- Wrap command -------------------------------------------------------------------------

TEST_F(MainWindowTagsTest, BoldWrapsTheSelectionWithoutADialog)
{
    thtmlrichedit *ed = page(QStringLiteral("say hello\r\nthere now"), 4, 11);
    ModalDriver<QDialog> unexpected([](QDialog *d) { ADD_FAILURE() << d->windowTitle().toStdString(); });
    run("SpeedButton48");
    QCoreApplication::processEvents();
    EXPECT_FALSE(unexpected.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("say <B>hello\r\nthere</B> now"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowTagsTest, BoldWithoutSelectionAsksForTheTextAndInsertsItAtTheCaret)
{
    thtmlrichedit *ed = page(QStringLiteral("<P></P>"), 3);
    ModalDriver<TBold> driver([](TBold *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Bold"));
        EXPECT_TRUE(d->textEdit()->text().isEmpty());
        typeInto(d->textEdit(), QStringLiteral("strong words"));
        d->okButton()->click();
    });
    run("SpeedButton48");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<P><B>strong words</B></P>"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowTagsTest, BoldDialogCancelInsertsNothing)
{
    thtmlrichedit *ed = page(QStringLiteral("<P></P>"), 3);
    ModalDriver<TBold> driver([](TBold *d) {
        typeInto(d->textEdit(), QStringLiteral("gone"));
        d->cancelButton()->click();
    });
    run("SpeedButton48");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<P></P>"));
    EXPECT_FALSE(ed->isModified());
}

TEST_F(MainWindowTagsTest, PhraseCommandsShareOneDialogThatForgetsTheLastText)
{
    thtmlrichedit *ed = page(QStringLiteral("[]"), 1);
    Tfontstdialog *first = nullptr;
    {
        ModalDriver<Tfontstdialog> driver([&first](Tfontstdialog *d) {
            first = d;
            EXPECT_EQ(d->name(), QStringLiteral("STRONG"));
            typeInto(d->textEdit(), QStringLiteral("loud"));
            d->okButton()->click();
        });
        run("SpeedButton79");
        ASSERT_TRUE(driver.seen());
    }
    EXPECT_EQ(ed->text(), QStringLiteral("[<STRONG>loud</STRONG>]"));
    ModalDriver<Tfontstdialog> driver([first](Tfontstdialog *d) {
        EXPECT_EQ(d, first);
        EXPECT_EQ(d->name(), QStringLiteral("EM"));
        EXPECT_TRUE(d->textEdit()->text().isEmpty());
        typeInto(d->textEdit(), QStringLiteral("soft"));
        d->okButton()->click();
    });
    run("SpeedButton83");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("[<STRONG>loud</STRONG><EM>soft</EM>]"));
}

} // namespace
