// The font, base font, body and heading commands run from the real main
// window: text in the page, a selection, the toolbar command, the dialog
// worked and accepted, and the page's text checked byte for byte.
#include "colorcombo.h"
#include "colorcontrolset.h"
#include "crlftextedit.h"
#include "mainwindow.h"
#include "mainwindow_fixture.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "search_modal.h"
#include "tbasefontdialog.h"
#include "tbodydialog.h"
#include "testsandbox.h"
#include "tfonttagdialog.h"
#include "theadingdialog.h"
#include "thtmlrichedit.h"
#include "updownedit.h"
#include "urlpicker.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;

namespace {

/// Answers the body's "URL" button as the link builder would.
class ScriptedPicker : public UrlPicker {
public:
    std::optional<PickedUrl> pick(QWidget *, PickerMode mode) override
    {
        modes << mode;
        return answer;
    }
    std::optional<PickedUrl> answer;
    QList<PickerMode> modes;
};

class MainWindowFontPageTest : public test::MainWindowFixture {
protected:
    void TearDown() override { setUrlPicker(nullptr); }
};

TEST_F(MainWindowFontPageTest, FontWrapsTheSelectionInSizeAndColour)
{
    thtmlrichedit *ed = page(QStringLiteral("say hello now"), 4, 5);
    ModalDriver<Tfonttagdialog> driver([](Tfonttagdialog *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Font"));
        EXPECT_EQ(d->textEdit()->text(), QStringLiteral("hello"));
        EXPECT_EQ(d->sizeGroup()->checkedIndex(), 2);
        d->sizeGroup()->button(4)->click();
        emit d->textColor()->combo()->activated(9);
        d->okButton()->click();
    });
    run("SpeedButton78");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("say <FONT COLOR=#FF0000 SIZE=5>hello</FONT> now"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowFontPageTest, FontKeepsATwoLineSelectionAndBuildsAFaceList)
{
    thtmlrichedit *ed = page(QStringLiteral("a one\r\ntwo b"), 2, 7);
    m_ui.fontAnswers.enqueue(QFont(QStringLiteral("Arial")));
    m_ui.fontAnswers.enqueue(std::nullopt);
    m_ui.fontAnswers.enqueue(QFont(QStringLiteral("Courier New")));
    ModalDriver<Tfonttagdialog> driver([](Tfonttagdialog *d) {
        for (int i = 0; i < 3; ++i)
            d->selectFontButton()->click();
        EXPECT_EQ(d->facesEdit()->text(), QStringLiteral("Arial,Courier New"));
        EXPECT_EQ(d->focusWidget(), d->facesEdit());
        d->okButton()->click();
    });
    run("SpeedButton78");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("a <FONT SIZE=3 FACE=\"Arial,Courier New\">one\r\ntwo</FONT> b"));
}

TEST_F(MainWindowFontPageTest, FontRewritesASelectedElementAndKeepsWhatFollows)
{
    const QString selected = QStringLiteral("<FONT SIZE=2 COLOR=#000080>old</FONT> rest");
    thtmlrichedit *ed = page(QStringLiteral("[") + selected + QStringLiteral("]"), 1, int(selected.size()));
    ModalDriver<Tfonttagdialog> driver([](Tfonttagdialog *d) {
        EXPECT_EQ(d->sizeGroup()->checkedIndex(), 1);
        EXPECT_EQ(d->textColor()->combo()->currentIndex(), 4);
        d->textEdit()->selectAll();
        QTest::keyClicks(d->textEdit(), QStringLiteral("new"));
        d->okButton()->click();
    });
    run("SpeedButton78");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("[<FONT COLOR=#000080 SIZE=2>new</FONT> rest]"));
}

TEST_F(MainWindowFontPageTest, BaseFontWithNothingSelectedWritesSizeThree)
{
    thtmlrichedit *ed = page(QStringLiteral("<BODY>\r\n</BODY>"), 6);
    ModalDriver<Tbasefontdialog> driver([](Tbasefontdialog *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Base Font"));
        EXPECT_EQ(d->textEdit(), nullptr);
        EXPECT_TRUE(d->okButton()->isDefault());
        d->okButton()->click();
    });
    run("SpeedButton77");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY><BASEFONT SIZE=3>\r\n</BODY>"));
}

TEST_F(MainWindowFontPageTest, BodyWithNothingSelectedWritesTheWholeElement)
{
    thtmlrichedit *ed = page(QString(), 0);
    ModalDriver<Tbodydialog> driver([](Tbodydialog *d) {
        EXPECT_TRUE(d->urlButton()->isEnabled()) << "the link builder is the picker";
        EXPECT_EQ(d->topmedit()->text(), QStringLiteral("0"));
        d->okButton()->click();
    });
    run("SpeedButton1");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY>\r\n\r\n\r\n</BODY>"));
}

TEST_F(MainWindowFontPageTest, BodyRewritesTheSelectedStartTagWithAPickedBackground)
{
    ScriptedPicker picker;
    picker.answer = PickedUrl{QStringLiteral("images/bg.gif"), 40, 40, {}};
    setUrlPicker(&picker);
    const QString start = QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=#000000>");
    const QString rest = QStringLiteral("\r\n<P>x</P>\r\n</BODY>");
    thtmlrichedit *ed = page(start + rest, 0, int(start.size()));
    ModalDriver<Tbodydialog> driver([](Tbodydialog *d) {
        EXPECT_EQ(d->backColors()->combo()->currentText(), QStringLiteral("White"));
        EXPECT_EQ(d->textColors()->combo()->currentText(), QStringLiteral("Black"));
        ASSERT_TRUE(d->urlButton()->isEnabled());
        d->urlButton()->click();
        EXPECT_EQ(d->backgroundEdit()->text(), QStringLiteral("images/bg.gif"));
        EXPECT_EQ(d->focusWidget(), d->watermarkCheck());
        d->watermarkCheck()->click();
        d->topmedit()->stepBy(5);
        d->okButton()->click();
    });
    run("SpeedButton1");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(picker.modes, QList<PickerMode>{PickerMode::Image});
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY BACKGROUND=\"images/bg.gif\" BGPROPERTIES=FIXED BGCOLOR=#FFFFFF "
                                         "TEXT=#000000 TOPMARGIN=5>")
                              + rest);
}

TEST_F(MainWindowFontPageTest, HeadingMakesTheSelectionACentredHeading)
{
    thtmlrichedit *ed = page(QStringLiteral("Intro\r\nText"), 0, 5);
    ModalDriver<Theadingdialog> driver([](Theadingdialog *d) {
        EXPECT_EQ(d->levelGroup()->checkedIndex(), 0);
        EXPECT_FALSE(d->checkcenter()->isChecked());
        EXPECT_EQ(d->textEdit()->text(), QStringLiteral("Intro"));
        d->levelGroup()->button(1)->click();
        d->checkcenter()->click();
        d->okButton()->click();
    });
    run("SpeedButtonheading");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<H2 ALIGN=CENTER>Intro</H2>\r\nText"));
}

TEST_F(MainWindowFontPageTest, CancelLeavesThePageUntouched)
{
    thtmlrichedit *ed = page(QStringLiteral("<H2 ALIGN=CENTER>Intro</H2>"), 0, 27);
    for (const char *command : {"SpeedButton78", "SpeedButton77", "SpeedButton1", "SpeedButtonheading"}) {
        ModalDriver<TagDialog> driver([](TagDialog *d) { d->cancelButton()->click(); });
        run(command);
        EXPECT_TRUE(driver.seen()) << command;
    }
    EXPECT_EQ(ed->text(), QStringLiteral("<H2 ALIGN=CENTER>Intro</H2>"));
    EXPECT_FALSE(ed->isModified());
}

} // namespace
