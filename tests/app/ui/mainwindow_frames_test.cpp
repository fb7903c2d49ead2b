// The frame and form commands run from the real main window: text in the
// page, a selection, the tool-tab command, the modal dialog worked and
// accepted, and the page's text checked byte for byte.
#include "mainwindow.h"
#include "mainwindow_fixture.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "search_modal.h"
#include "tbuttonform.h"
#include "testsandbox.h"
#include "tform_tag.h"
#include "tframeframe.h"
#include "tframetags.h"
#include "thtmlrichedit.h"
#include "tnoframe.h"
#include "tselectform.h"
#include "updownedit.h"
#include "urlpicker.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;

namespace {

/// Answers the URL Builder buttons with a fixed address.
class ScriptedPicker : public UrlPicker {
public:
    std::optional<PickedUrl> pick(QWidget *, PickerMode mode) override
    {
        modes.append(mode);
        if (url.isEmpty())
            return std::nullopt;
        PickedUrl picked;
        picked.url = url;
        return picked;
    }
    QString url;
    QList<PickerMode> modes;
};

class MainWindowFramesTest : public test::MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        // After the window, so that the scripted picker wins over any the window installs.
        setUrlPicker(&m_picker);
    }
    void TearDown() override
    {
        m_window.reset();
        setUrlPicker(nullptr);
    }

    static void typeInto(QLineEdit *edit, const QString &text)
    {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    int mustBeFilledInCount() const
    {
        int n = 0;
        for (const MessageRequest &m : m_ui.messages)
            n += m.text == QStringLiteral("Must be filled in") && m.title.isEmpty() && m.buttons == QMessageBox::Ok;
        return n;
    }

    ScriptedPicker m_picker;
};

const QString kFrameset = QStringLiteral("<FRAMESET COLS=\"150,*\">\r\n");
const QString kFrame = QStringLiteral("<FRAME NAME=\"menu\" SRC=\"menu.html\" SCROLLING=\"YES\" NORESIZE>");
const QString kEnd = QStringLiteral("\r\n</FRAMESET>");

TEST_F(MainWindowFramesTest, TheSixCommandsAreConnected)
{
    for (const char *name : {"SpeedButton110", "SpeedButton111", "SpeedButton112", "SpeedButton113",
                             "SpeedButton118", "SpeedButton119"})
        EXPECT_TRUE(m_window->command(QString::fromLatin1(name))->isEnabled()) << name;
}

// --- Frames -----------------------------------------------------------------------------

TEST_F(MainWindowFramesTest, SelectedFrameSetToNoScrolling)
{
    thtmlrichedit *ed = page(kFrameset + kFrame + kEnd, int(kFrameset.size()) - 1, int(kFrame.size()));
    ModalDriver<Tframeframe> driver([](Tframeframe *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Frame"));
        EXPECT_EQ(d->focusWidget(), d->nameEdit());
        EXPECT_EQ(d->nameEdit()->text(), QStringLiteral("menu"));
        EXPECT_EQ(d->srcEdit()->text(), QStringLiteral("menu.html"));
        EXPECT_EQ(d->scrollingGroup()->checkedIndex(), 0);
        EXPECT_TRUE(d->noResizeCheck()->isChecked());
        EXPECT_EQ(d->frameBorderEdit()->text(), QStringLiteral("-1"));
        d->scrollingGroup()->button(1)->click();
        d->okButton()->click();
    });
    run("SpeedButton111");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), kFrameset + QStringLiteral("<FRAME NAME=\"menu\" SRC=\"menu.html\" SCROLLING=\"NO\" NORESIZE >")
                  + kEnd);
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowFramesTest, NewFrameNeedsANameAndTakesItsSourceFromTheUrlBuilder)
{
    thtmlrichedit *ed = page(kFrameset + kEnd, int(kFrameset.size()) - 1);
    m_picker.url = QStringLiteral("pages/start.html");
    ModalDriver<Tframeframe> driver([this](Tframeframe *d) {
        ASSERT_TRUE(d->urlButton()->isEnabled());
        d->urlButton()->click();
        EXPECT_EQ(d->srcEdit()->text(), QStringLiteral("pages/start.html"));
        EXPECT_EQ(d->focusWidget(), d->scrollingGroup()->button(0));
        d->okButton()->click();
        EXPECT_EQ(mustBeFilledInCount(), 1);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), d->nameEdit());
        typeInto(d->nameEdit(), QStringLiteral("main"));
        d->okButton()->click();
    });
    run("SpeedButton111");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(m_picker.modes, QList<PickerMode>{PickerMode::Link});
    EXPECT_EQ(ed->text(), kFrameset + QStringLiteral("<FRAME NAME=\"main\" SRC=\"pages/start.html\" SCROLLING=\"YES\" >\r\n")
                  + kEnd);
}

TEST_F(MainWindowFramesTest, NewFrameSetOnColumnsRefusesEmptySizes)
{
    thtmlrichedit *ed = page(QStringLiteral("<BODY>\r\n</BODY>"), 7);
    ModalDriver<Tframetags> driver([this](Tframetags *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Frame"));
        EXPECT_TRUE(d->rowsButton()->isChecked());
        EXPECT_TRUE(d->rowsEdit()->isVisible());
        EXPECT_FALSE(d->colsEdit()->isVisible());
        d->colsButton()->click();
        EXPECT_FALSE(d->rowsEdit()->isVisible());
        EXPECT_TRUE(d->colsEdit()->isVisible());
        d->okButton()->click();
        EXPECT_EQ(mustBeFilledInCount(), 1);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->focusWidget(), d->colsEdit());
        typeInto(d->colsEdit(), QStringLiteral("25%,75%"));
        d->okButton()->click();
    });
    run("SpeedButton110");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY>\r\n<FRAMESET COLS=\"25%,75%\">\r\n</FRAMESET></BODY>"));
}

TEST_F(MainWindowFramesTest, SelectedFrameSetWithRowsAndColsKeepsOnlyCols)
{
    const QString start = QStringLiteral("<FRAMESET ROWS=\"50%,50%\" COLS=\"*,*\">");
    thtmlrichedit *ed = page(start + kEnd, 0, int(start.size()));
    ModalDriver<Tframetags> driver([](Tframetags *d) {
        EXPECT_TRUE(d->colsButton()->isChecked());
        EXPECT_EQ(d->rowsEdit()->text(), QStringLiteral("50%,50%"));
        EXPECT_EQ(d->colsEdit()->text(), QStringLiteral("*,*"));
        d->okButton()->click();
    });
    run("SpeedButton110");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<FRAMESET COLS=\"*,*\">") + kEnd);
}

TEST_F(MainWindowFramesTest, NoFramesWrapsASelectionWithoutADialog)
{
    thtmlrichedit *ed = page(QStringLiteral("Get a newer browser."), 0, 20);
    run("SpeedButton112");
    EXPECT_EQ(ed->text(), QStringLiteral("<NOFRAMES>Get a newer browser.</NOFRAMES>"));
}

TEST_F(MainWindowFramesTest, NoFramesDialogWritesItsLinesAndCancelWritesNothing)
{
    thtmlrichedit *ed = page(kFrameset + kEnd, int(kFrameset.size()) - 1);
    {
        ModalDriver<Tnoframe> driver([](Tnoframe *d) {
            EXPECT_EQ(d->windowTitle(), QStringLiteral("Noframe"));
            d->textEdit()->setPlainText(QStringLiteral("x"));
            d->cancelButton()->click();
        });
        run("SpeedButton112");
        ASSERT_TRUE(driver.seen());
        EXPECT_EQ(ed->text(), kFrameset + kEnd);
        EXPECT_FALSE(ed->isModified());
    }
    ModalDriver<Tnoframe> driver([](Tnoframe *d) {
        EXPECT_EQ(d->focusWidget(), d->textEdit());
        QTest::keyClicks(d->textEdit(), QStringLiteral("one"));
        QTest::keyClick(d->textEdit(), Qt::Key_Return);
        QTest::keyClicks(d->textEdit(), QStringLiteral("two"));
        QTest::keyClick(d->textEdit(), Qt::Key_Return);
        d->okButton()->click();
    });
    run("SpeedButton112");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), kFrameset + QStringLiteral("<NOFRAMES>\r\none\r\ntwo\r\n</NOFRAMES>\r\n") + kEnd);
    EXPECT_TRUE(ed->isModified());
}

// --- Forms ------------------------------------------------------------------------------

TEST_F(MainWindowFramesTest, SelectListGetsAnOptionAdded)
{
    const QString list = QStringLiteral("<SELECT NAME=\"size\" SIZE=0> \r\n<OPTION>S<OPTION>M</SELECT>");
    // The line break is one position.
    thtmlrichedit *ed = page(QStringLiteral("<FORM>") + list + QStringLiteral("</FORM>"), 6, int(list.size()) - 1);
    ModalDriver<Tselectform> driver([](Tselectform *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Select"));
        EXPECT_EQ(d->focusWidget(), d->nameEdit());
        EXPECT_EQ(d->nameEdit()->text(), QStringLiteral("size"));
        EXPECT_EQ(d->optionsEdit()->toPlainText(), QStringLiteral("S\nM"));
        d->optionsEdit()->moveCursor(QTextCursor::End);
        QTest::keyClick(d->optionsEdit(), Qt::Key_Return);
        QTest::keyClicks(d->optionsEdit(), QStringLiteral("L"));
        d->multipleCheck()->click();
        d->okButton()->click();
    });
    run("SpeedButton119");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<FORM><SELECT NAME=\"size\" SIZE=0 MULTIPLE> \r\n<OPTION>S<OPTION>M<OPTION>L"
                                         "</SELECT></FORM>"));
}

TEST_F(MainWindowFramesTest, FormTakesItsActionFromTheUrlBuilder)
{
    thtmlrichedit *ed = page(QStringLiteral("<BODY></BODY>"), 6);
    m_picker.url = QStringLiteral("http://example.org/cgi-bin/order.pl");
    ModalDriver<Tform_tag> driver([](Tform_tag *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Form"));
        EXPECT_EQ(d->focusWidget(), d->actionEdit());
        d->urlButton()->click();
        EXPECT_EQ(d->focusWidget(), d->methodGroup()->button(0));
        d->methodGroup()->button(1)->click();
        d->okButton()->click();
    });
    run("SpeedButton113");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(),
              QStringLiteral("<BODY><FORM METHOD=\"GET\" ACTION=\"http://example.org/cgi-bin/order.pl\"> </FORM></BODY>"));
}

TEST_F(MainWindowFramesTest, FormWithAnEmptyActionRemovesTheSelection)
{
    const QString form = QStringLiteral("<FORM METHOD=\"POST\" ACTION=\"a.pl\">");
    thtmlrichedit *ed = page(form + QStringLiteral("</FORM>"), 0, int(form.size()));
    ModalDriver<Tform_tag> driver([](Tform_tag *d) {
        EXPECT_EQ(d->actionEdit()->text(), QStringLiteral("a.pl"));
        d->actionEdit()->clear();
        d->okButton()->click();
    });
    run("SpeedButton113");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("</FORM>"));
}

TEST_F(MainWindowFramesTest, SelectedSubmitButtonBecomesReset)
{
    thtmlrichedit *ed = page(QStringLiteral("<INPUT TYPE=SUBMIT>"), 0, 19);
    ModalDriver<TButtonform> driver([](TButtonform *d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Button"));
        EXPECT_EQ(d->focusWidget(), d->typeGroup()->button(0));
        d->typeGroup()->button(1)->click();
        d->okButton()->click();
    });
    run("SpeedButton118");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<INPUT TYPE=RESET>"));
}

TEST_F(MainWindowFramesTest, UrlBuildersAreOffWithoutAPicker)
{
    setUrlPicker(nullptr);
    Tframeframe frame;
    Tform_tag form;
    EXPECT_FALSE(frame.urlButton()->isEnabled());
    EXPECT_FALSE(form.urlButton()->isEnabled());
}

} // namespace
