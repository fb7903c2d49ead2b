// The form field commands of the "Forms" tool tab, run from the real main
// window: a selection, the command, the dialog worked and accepted, and the
// page text checked byte for byte.
#include "mainwindow.h"
#include "mainwindow_fixture.h"
#include "search_modal.h"
#include "tcheckform.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tpassform.h"
#include "tradioform.h"
#include "ttextform.h"
#include "ttextformarray.h"
#include "updownedit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;

namespace {

class MainWindowFormFieldsTest : public test::MainWindowFixture {
protected:
    static void typeInto(QWidget *edit, const QString &text)
    {
        QLineEdit *line = qobject_cast<QLineEdit *>(edit);
        if (!line)
            line = edit->findChild<QLineEdit *>();
        line->selectAll();
        QTest::keyClicks(line, text);
    }
    static QString cell(QTableWidget *grid, int row, int column)
    {
        QTableWidgetItem *item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    static void setCell(QTableWidget *grid, int row, int column, const QString &text)
    {
        grid->setItem(row, column, new QTableWidgetItem(text));
    }
};

TEST_F(MainWindowFormFieldsTest, TextInputRewritesASelectedField)
{
    const QString field = QStringLiteral("City: <INPUT NAME=\"city\" TYPE=TEXT SIZE=\"20\" >");
    thtmlrichedit *ed = page(QStringLiteral("<FORM>") + field + QStringLiteral("</FORM>"), 6, int(field.size()));
    ModalDriver<TTextform> driver([](TTextform *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Text input"));
        EXPECT_EQ(d->focusWidget(), d->nameEdit());
        EXPECT_EQ(d->promptEdit()->text(), QStringLiteral("City: "));
        EXPECT_EQ(d->sizeEdit()->text(), QStringLiteral("20"));
        EXPECT_EQ(d->maxLengthEdit()->text(), QStringLiteral("0"));
        typeInto(d->maxLengthEdit(), QStringLiteral("50"));
        d->okButton()->click();
    });
    run("SpeedButton121");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(),
              QStringLiteral("<FORM>City: <INPUT NAME=\"city\" TYPE=TEXT SIZE=\"20\" MAXLENGTH=\"50\"></FORM>"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowFormFieldsTest, PasswordWithNothingSelectedInsertsAField)
{
    thtmlrichedit *ed = page(QStringLiteral("[]"), 1);
    ModalDriver<Tpassform> driver([](Tpassform *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Password"));
        EXPECT_EQ(d->sizeEdit()->text(), QStringLiteral("40"));
        typeInto(d->nameEdit(), QStringLiteral("pw"));
        typeInto(d->promptEdit(), QStringLiteral("P"));
        d->okButton()->click();
    });
    run("SpeedButton120");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("[P<INPUT NAME=\"pw\" TYPE=PASSWORD SIZE=\"40\" >]"));
}

TEST_F(MainWindowFormFieldsTest, TextArrayStartsAtOneRow)
{
    thtmlrichedit *ed = page(QString(), 0);
    ModalDriver<TTextformarray> driver([](TTextformarray *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Tekstarray"));
        EXPECT_EQ(d->widthEdit()->text(), QStringLiteral("40"));
        EXPECT_EQ(d->heightEdit()->text(), QStringLiteral("1"));
        typeInto(d->nameEdit(), QStringLiteral("note"));
        d->heightEdit()->stepBy(1);
        d->okButton()->click();
    });
    run("SpeedButton115");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<TEXTAREA NAME=\"note\" COLS=40 ROWS=2></TEXTAREA>"));
}

TEST_F(MainWindowFormFieldsTest, CheckboxReopensTickedAndIsCleared)
{
    const QString box = QStringLiteral("<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED >");
    thtmlrichedit *ed = page(box, 0, int(box.size()));
    ModalDriver<TCheckform> driver([](TCheckform *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Checkbox"));
        EXPECT_EQ(d->nameEdit()->text(), QStringLiteral("c"));
        EXPECT_EQ(d->valueEdit()->text(), QStringLiteral("1"));
        EXPECT_TRUE(d->checkedBox()->isChecked());
        d->checkedBox()->click();
        d->okButton()->click();
    });
    run("SpeedButton117");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" >"));
}

TEST_F(MainWindowFormFieldsTest, CheckboxWithoutNameRemovesTheSelection)
{
    thtmlrichedit *ed = page(QStringLiteral("a<B>b"), 1, 3);
    ModalDriver<TCheckform> driver([](TCheckform *d) { d->okButton()->click(); });
    run("SpeedButton117");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("ab"));
}

TEST_F(MainWindowFormFieldsTest, CancelLeavesThePageAlone)
{
    const QString field = QStringLiteral("<INPUT NAME=\"a\" TYPE=TEXT SIZE=\"5\" >");
    thtmlrichedit *ed = page(field, 0, int(field.size()));
    ModalDriver<TTextform> driver([](TTextform *d) {
        typeInto(d->nameEdit(), QStringLiteral("other"));
        d->cancelButton()->click();
    });
    run("SpeedButton121");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), field);
    EXPECT_FALSE(ed->isModified());
}

TEST_F(MainWindowFormFieldsTest, RadioCountFollowsTheNumberBoxAndIgnoresNonNumbers)
{
    thtmlrichedit *ed = page(QString(), 0);
    ModalDriver<Tradioform> driver([](Tradioform *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Radiobutton"));
        EXPECT_EQ(d->numberBox()->value(), 2);
        EXPECT_EQ(d->grid()->rowCount(), 2);
        EXPECT_EQ(d->selectedBox()->value(), 1);
        typeInto(d->numberBox(), QStringLiteral("abc"));
        EXPECT_EQ(d->numberBox()->value(), 2);
        EXPECT_EQ(d->grid()->rowCount(), 2);
        typeInto(d->numberBox(), QStringLiteral("7"));
        EXPECT_EQ(d->grid()->rowCount(), 7);
        d->numberBox()->stepBy(-4);
        EXPECT_EQ(d->grid()->rowCount(), 3);
        typeInto(d->nameEdit(), QStringLiteral("g"));
        for (int row = 0; row < 3; ++row) {
            setCell(d->grid(), row, 0, QString(QChar(u'A' + row)));
            setCell(d->grid(), row, 1, QString(QChar(u'a' + row)));
        }
        typeInto(d->selectedBox(), QStringLiteral("2"));
        d->okButton()->click();
    });
    run("SpeedButton116");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("A<INPUT NAME=\"g\" TYPE=RADIO VALUE=\"a\" >"
                                         "B<INPUT NAME=\"g\" TYPE=RADIO VALUE=\"b\" CHECKED>"
                                         "C<INPUT NAME=\"g\" TYPE=RADIO VALUE=\"c\" >"));
}

TEST_F(MainWindowFormFieldsTest, RadioGroupReopensWithItsButtonsAndGainsOne)
{
    const QString group = QStringLiteral("Small<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"S\" >"
                                         "Medium<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"M\" CHECKED>"
                                         "Large<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"L\" >");
    thtmlrichedit *ed = page(group, 0, int(group.size()));
    ModalDriver<Tradioform> driver([](Tradioform *d) {
        EXPECT_EQ(d->nameEdit()->text(), QStringLiteral("s"));
        EXPECT_EQ(d->numberBox()->value(), 3);
        EXPECT_EQ(d->selectedBox()->value(), 2);
        ASSERT_EQ(d->grid()->rowCount(), 3);
        EXPECT_EQ(cell(d->grid(), 1, 0), QStringLiteral("Medium"));
        EXPECT_EQ(cell(d->grid(), 2, 1), QStringLiteral("L"));
        d->numberBox()->stepBy(1);
        ASSERT_EQ(d->grid()->rowCount(), 4);
        setCell(d->grid(), 3, 0, QStringLiteral("Huge"));
        setCell(d->grid(), 3, 1, QStringLiteral("XL"));
        d->okButton()->click();
    });
    run("SpeedButton116");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), group + QStringLiteral("Huge<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"XL\" >"));
}

} // namespace
