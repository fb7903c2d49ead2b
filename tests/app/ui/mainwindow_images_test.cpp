// The image commands run from the real main window: Image, Quick anchor and
// Quick image, and the anchor dialog's URL button, with scripted file
// dialogs and a scripted link builder.
#include "mainwindow.h"
#include "mainwindow_fixture.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "scriptedpicker.h"
#include "search_modal.h"
#include "tagcontroller.h"
#include "tanchordialog.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "timagebuild.h"
#include "turlbil.h"
#include "urlpicker.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::ModalDriver;

namespace {

class MainWindowImagesTest : public test::MainWindowFixture {};

TEST_F(MainWindowImagesTest, TheLinkBuilderIsThePickerWhileTheWindowLives)
{
    ASSERT_NE(urlPicker(), nullptr);
    EXPECT_NE(dynamic_cast<Turlbil *>(urlPicker()), nullptr);
    for (const char *name : {"SpeedButton8", "SpeedButton10", "SpeedButton11"})
        EXPECT_TRUE(m_window->command(QString::fromLatin1(name))->isEnabled()) << name;
    m_window.reset();
    EXPECT_EQ(urlPicker(), nullptr);
}

TEST_F(MainWindowImagesTest, ImageRewritesTheSelectedTagWithItsAlignment)
{
    const QString tag = QStringLiteral("<IMG SRC=\"a.gif\" WIDTH=10 HEIGHT=20 BORDER=0 >");
    thtmlrichedit *ed = page(QStringLiteral("x") + tag + QStringLiteral("y"), 1, int(tag.size()));
    ModalDriver<Timagebuild> driver([](Timagebuild *d) {
        EXPECT_EQ(d->imageEdit()->text(), QStringLiteral("a.gif"));
        d->alignGroup()->button(4)->click();
        d->okButton()->click();
    });
    run("SpeedButton8");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("x<IMG SRC=\"a.gif\" WIDTH=10 HEIGHT=20 ALIGN=LEFT BORDER=0 >y"));
    EXPECT_TRUE(ed->isModified());
}

TEST_F(MainWindowImagesTest, ReEditingAnImageKeepsItsMap)
{
    const QString text = QStringLiteral(
        "<MAP NAME=\"m\">\r\n<!--  -->\r\n<!-- a.gif -->\r\n<AREA SHAPE=\"RECT\" COORDS=\"0,0,5,5\" HREF=\"x.html\">\r\n"
        "<!--  -->\r\n</MAP>\r\n<IMG SRC=\"a.gif\" USEMAP=\"#m\"BORDER=0 >");
    thtmlrichedit *ed = page(text, 0, int(text.size()) - 6);  // six line breaks, one position each
    ModalDriver<Timagebuild> driver([](Timagebuild *d) {
        EXPECT_TRUE(d->useMapCheck()->isChecked());
        d->okButton()->click();
    });
    run("SpeedButton8");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), text);
}

TEST_F(MainWindowImagesTest, ImageCancelLeavesThePage)
{
    thtmlrichedit *ed = page(QStringLiteral("ab"), 1);
    ModalDriver<Timagebuild> driver([](Timagebuild *d) { d->cancelButton()->click(); });
    // The user shortcut name runs the same command.
    m_window->findChild<TagController *>()->runByShortcutName(QStringLiteral("\"image\""));
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("ab"));
    EXPECT_FALSE(ed->isModified());
}

TEST_F(MainWindowImagesTest, AnchorUrlButtonFillsTheAddress)
{
    test::ScriptedPicker picker;
    picker.answers << PickedUrl{QStringLiteral("http://example.com/")};
    thtmlrichedit *ed = page(QStringLiteral("go"), 0, 2);
    ModalDriver<Tanchordialog> driver([](Tanchordialog *d) {
        ASSERT_TRUE(d->urlButton()->isEnabled());
        d->urlButton()->click();
        EXPECT_EQ(d->focusWidget(), d->nameEdit());
        d->okButton()->click();
    });
    run("SpeedButton3");
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(ed->text(), QStringLiteral("<A HREF=\"http://example.com/\">go</A>"));
    EXPECT_EQ(picker.modes, QList<PickerMode>{PickerMode::Link});
}

TEST_F(MainWindowImagesTest, QuickAnchorWithoutSelectionLeavesTheCaretInsideTheLink)
{
    thtmlrichedit *ed = page(QStringLiteral("[]"), 1);
    m_ui.openAnswers << QStringList{QStringLiteral("/somewhere/pages/Index.HTML")};
    run("SpeedButton10");
    EXPECT_EQ(ed->text(), QStringLiteral("[<A HREF=\"Index.HTML\"></A>]"));
    EXPECT_EQ(ed->caretPosition(), 1 + int(QStringLiteral("<A HREF=\"Index.HTML\">").size()));
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(m_ui.fileRequests[0].selectedFilter,
              QStringLiteral("HTML files *.html *.htm (*.html *.htm)"));
}

TEST_F(MainWindowImagesTest, QuickAnchorWrapsTheSelection)
{
    thtmlrichedit *ed = page(QStringLiteral("see here"), 4, 4);
    m_ui.openAnswers << QStringList{QStringLiteral("/p/a.html")};
    run("SpeedButton10");
    EXPECT_EQ(ed->text(), QStringLiteral("see <A HREF=\"a.html\">here</A>"));
}

TEST_F(MainWindowImagesTest, QuickImageWritesTheSizeItRead)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("quickimage"));
    QFile gif(dir + QStringLiteral("/PIC.GIF"));
    ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
    gif.write(QByteArray("GIF89a\x64\x00\x32\x00\x00\x00\x00", 13));
    gif.close();
    thtmlrichedit *ed = page(QString(), 0);
    m_ui.openAnswers << QStringList{gif.fileName()} << QStringList{dir + QStringLiteral("/photo.jpeg")};
    run("SpeedButton11");
    EXPECT_EQ(ed->text(), QStringLiteral("<IMG SRC=\"PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0>"));
    // A size that cannot be read is left out.
    run("SpeedButton11");
    EXPECT_EQ(ed->text(), QStringLiteral("<IMG SRC=\"PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0><IMG SRC=\"photo.jpeg\" BORDER=0>"));
}

} // namespace
