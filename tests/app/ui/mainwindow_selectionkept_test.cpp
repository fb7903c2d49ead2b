// Hand-written tags through the real main window: the user selects a tag,
// presses its button and OK without a change, and gets back all that was
// selected. Then the keyboard: every tag dialog is accepted from the keys.
#include "fontdialogbase.h"
#include "mainwindow.h"
#include "mainwindow_fixture.h"
#include "radiogroup.h"
#include "search_modal.h"
#include "tagdialog.h"
#include "thtmlrichedit.h"
#include "tlistbuilderdialog.h"
#include "tmarquee.h"
#include "ttablebuilderdialog.h"
#include "tnoframe.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;

namespace {

struct KeptCase {
    const char *label;
    const char *command;
    const char *selected;  ///< the whole page, selected
    const char *written;   ///< the page after OK without a change
};

const KeptCase kKeptCases[] = {
    // Flags written with a value.
    {"FrameNoresizeWithValue", "SpeedButton111", "<FRAME NAME=\"a\" SRC=\"b.html\" NORESIZE=\"NORESIZE\">",
     "<FRAME NAME=\"a\" SRC=\"b.html\" NORESIZE >"},
    {"CheckboxCheckedWithValue", "SpeedButton117", "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED=\"CHECKED\">",
     "<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED >"},
    {"SelectMultipleWithValue", "SpeedButton119", "<SELECT NAME=\"s\" SIZE=2 MULTIPLE=MULTIPLE> \r\n<OPTION>a</SELECT>",
     "<SELECT NAME=\"s\" SIZE=2 MULTIPLE> \r\n<OPTION>a</SELECT>"},
    // Attributes right after a closing quote.
    {"FrameSourceAfterAQuote", "SpeedButton111", "<FRAME NAME=\"a\"SRC=\"b.html\">",
     "<FRAME NAME=\"a\" SRC=\"b.html\" >"},
    {"TextSizeAfterAQuote", "SpeedButton121", "Q<INPUT TYPE=TEXT NAME=\"q\"SIZE=\"20\">",
     "Q<INPUT NAME=\"q\" TYPE=TEXT SIZE=\"20\" >"},
    // Non-breaking spaces in the options box.
    {"SelectNoBreakSpace", "SpeedButton119", "<SELECT NAME=\"s\" SIZE=0> \r\n<OPTION>a\xc2\xa0" "b</SELECT>",
     "<SELECT NAME=\"s\" SIZE=0> \r\n<OPTION>a\xc2\xa0" "b</SELECT>"},
    // Prompts that begin with markup.
    {"TextPromptWithMarkup", "SpeedButton121", "<B>Name:</B> <INPUT NAME=\"n\" TYPE=TEXT SIZE=\"40\" >",
     "<B>Name:</B> <INPUT NAME=\"n\" TYPE=TEXT SIZE=\"40\" >"},
    {"PasswordPromptWithMarkup", "SpeedButton120", "<I>Word</I><INPUT NAME=\"p\" TYPE=PASSWORD SIZE=\"12\" >",
     "<I>Word</I><INPUT NAME=\"p\" TYPE=PASSWORD SIZE=\"12\" >"},
    {"TextAreaPromptWithMarkup", "SpeedButton115", "<B>Note</B><TEXTAREA NAME=\"n\" COLS=60 ROWS=4></TEXTAREA>",
     "<B>Note</B><TEXTAREA NAME=\"n\" COLS=60 ROWS=4></TEXTAREA>"},
    {"CheckboxPromptWithMarkup", "SpeedButton117", "<B>Ok?</B> <INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" >",
     "<B>Ok?</B> <INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" >"},
    // The chosen radio button is CHECKED, read from either mark.
    {"RadioCheckedKept", "SpeedButton116",
     "A<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" >B<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" CHECKED>",
     "A<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" >B<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" CHECKED>"},
    {"RadioSelectedBecomesChecked", "SpeedButton116",
     "A<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" SELECTED>B<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" >",
     "A<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"a\" CHECKED>B<INPUT NAME=\"r\" TYPE=RADIO VALUE=\"b\" >"},
    // The image with its map after it, and a map left open.
    {"MapAfterItsImage", "SpeedButton8",
     "<IMG SRC=\"a.gif\" USEMAP=\"#m\" BORDER=0 >\r\n<MAP NAME=\"m\">\r\n"
     "<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"x.html\">\r\n</MAP>\r\n",
     "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"x.html\">\r\n</MAP>\r\n"
     "<IMG SRC=\"a.gif\" USEMAP=\"#m\"BORDER=0 >"},
    {"UnclosedMapGivesNoLink", "SpeedButton8",
     "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"x.html\">\r\n<IMG SRC=\"a.gif\" BORDER=0 >",
     "<IMG SRC=\"a.gif\" BORDER=0 >"},
    // Marquee colours keep their quotes; a FONT wrapper keeps its attributes.
    {"MarqueeQuotedBackground", "SpeedButton70", "<MARQUEE BGCOLOR=\"#FF0000\">x</MARQUEE>",
     "<MARQUEE BGCOLOR=\"#FF0000\" LOOP=INFINITE>x</MARQUEE>"},
    {"MarqueeQuotedForeground", "SpeedButton70", "<FONT COLOR=\"#FF0000\"><MARQUEE>x</MARQUEE></FONT>",
     "<FONT COLOR=\"#FF0000\"><MARQUEE LOOP=INFINITE>x</MARQUEE></FONT>"},
    {"MarqueeWrapperWithSize", "SpeedButton70", "<FONT COLOR=#FF0000 SIZE=5><MARQUEE>Hi</MARQUEE></FONT>",
     "<FONT COLOR=#FF0000 SIZE=5><MARQUEE LOOP=INFINITE>Hi</MARQUEE></FONT>"},
    // List start-tag attributes.
    {"ListClassKept", "SpeedButton7", "<UL CLASS=\"nav\"><LI>a</UL>", "<UL CLASS=\"nav\">\r\n<LI>a\r\n</UL>"},
};

class MainWindowSelectionKept : public test::MainWindowFixture,
                                public ::testing::WithParamInterface<KeptCase> {};

TEST_P(MainWindowSelectionKept, OkWithoutAChange)
{
    const KeptCase &c = GetParam();
    const QString text = QString::fromUtf8(c.selected);
    thtmlrichedit *ed = page(text, 0, int(text.size()));
    ModalDriver<TagDialog> driver([](TagDialog *d) { d->okButton()->click(); });
    run(c.command);
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QString::fromUtf8(c.written));
}

INSTANTIATE_TEST_SUITE_P(Table, MainWindowSelectionKept, ::testing::ValuesIn(kKeptCases),
                         [](const auto &info) { return std::string(info.param.label); });

// --- The keyboard -----------------------------------------------------------------------

using MainWindowDialogKeys = test::MainWindowFixture;

/// Presses a key on whatever has the focus in the modal dialog, as the
/// keyboard does once the dialog is the active window.
void pressInDialog(QDialog *d, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    d->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(d));
    QWidget *target = d->focusWidget();
    QTest::keyClick(target ? target : d, key, modifiers);
}

TEST_F(MainWindowDialogKeys, EnterAcceptsTheListBuilderAndTheMarquee)
{
    thtmlrichedit *ed = page(QString(), 0);
    ModalDriver<Tlistbuilderdialog> list([](Tlistbuilderdialog *d) {
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        EXPECT_EQ(d->focusWidget(), d->grid()) << "the grid, no cell editor";
        pressInDialog(d, Qt::Key_Return);
    });
    run("SpeedButton7");
    ASSERT_TRUE(list.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<UL>\r\n<LI>\r\n<LI>\r\n</UL>"));

    ed = page(QStringLiteral("Hello"), 0, 5);
    ModalDriver<Tmarquee> marquee([](Tmarquee *d) {
        EXPECT_NE(d->focusWidget(), d->textEdit());
        pressInDialog(d, Qt::Key_Return);
    });
    run("SpeedButton70");
    ASSERT_TRUE(marquee.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<MARQUEE LOOP=INFINITE>Hello</MARQUEE>"));
}

TEST_F(MainWindowDialogKeys, EnterAcceptsTheTableBuilder)
{
    thtmlrichedit *ed = page(QString(), 0);
    ModalDriver<Ttablebuilderdialog> table([](Ttablebuilderdialog *d) {
        pressInDialog(d, Qt::Key_Return);
        EXPECT_FALSE(d->isVisible());
    });
    run("SpeedButton6");
    ASSERT_TRUE(table.seen());
    EXPECT_TRUE(ed->text().startsWith(QStringLiteral("<TABLE"))) << ed->text().toStdString();
}

TEST_F(MainWindowDialogKeys, CtrlEnterAcceptsFromACellEditorAndAMultiLineBox)
{
    thtmlrichedit *ed = page(QString(), 0);
    ModalDriver<Tlistbuilderdialog> list([](Tlistbuilderdialog *d) {
        // A typed key opens the cell editor.
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(d));
        QTest::keyClick(d->grid(), Qt::Key_O);
        QWidget *editor = d->focusWidget();
        ASSERT_TRUE(editor && editor != d->grid() && d->grid()->isAncestorOf(editor)) << "a cell editor";
        QTest::keyClicks(editor, "ne");
        pressInDialog(d, Qt::Key_Return, Qt::ControlModifier);
    });
    run("SpeedButton7");
    ASSERT_TRUE(list.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<UL>\r\n<LI>one\r\n<LI>\r\n</UL>"));

    ed = page(QString(), 0);
    ModalDriver<Tnoframe> noframe([](Tnoframe *d) {
        EXPECT_EQ(d->focusWidget(), d->textEdit());
        QTest::keyClicks(d->textEdit(), "a");
        pressInDialog(d, Qt::Key_Return);
        d->textEdit()->insertPlainText(QString::fromUtf8("b\xc2\xa0" "c"));
        pressInDialog(d, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    });
    run("SpeedButton112");
    ASSERT_TRUE(noframe.seen());
    EXPECT_EQ(ed->text(), QString::fromUtf8("<NOFRAMES>\r\na\r\nb\xc2\xa0" "c\r\n</NOFRAMES>\r\n"));
}

TEST_F(MainWindowDialogKeys, TabEntersARadioGroupOnItsCheckedButton)
{
    thtmlrichedit *ed = page(QStringLiteral("<FONT SIZE=5>x</FONT>"), 0, 21);
    ModalDriver<FontDialogBase> font([](FontDialogBase *d) {
        RadioGroup *sizes = d->sizeGroup();
        ASSERT_EQ(sizes->checkedIndex(), 4);
        // Tab along the dialog until the focus enters the size group.
        QWidget *entered = nullptr;
        for (int i = 0; i < 20 && !entered; ++i) {
            pressInDialog(d, Qt::Key_Tab);
            if (sizes->isAncestorOf(d->focusWidget()))
                entered = d->focusWidget();
        }
        EXPECT_EQ(entered, sizes->button(4));
        // Arrows move inside the group; the next Tab leaves it.
        pressInDialog(d, Qt::Key_Down);
        EXPECT_EQ(sizes->checkedIndex(), 5);
        pressInDialog(d, Qt::Key_Tab);
        EXPECT_FALSE(sizes->isAncestorOf(d->focusWidget()));
        d->okButton()->click();
    });
    run("SpeedButton78");
    ASSERT_TRUE(font.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<FONT SIZE=6>x</FONT>"));
}

} // namespace
