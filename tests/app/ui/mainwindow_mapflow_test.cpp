// The image map built from the image dialog in the real main window: a GIF
// picked, "Use Map", the map builder drawn on and named, and the page then
// holding the map markup in front of the image tag that uses it (USEMAP is
// written directly before the next attribute, as the image dialog writes it).
#include "../../dialogs/ui/modaldialog.h"
#include "../../imagemap/ui/mapbuilder_fixture.h"
#include "mainwindow.h"
#include "scriptedinteraction.h"
#include "scriptedpicker.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "timagebuild.h"
#include "tmapurl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace lumaro;
using namespace lumaro::test;

namespace {

class MainWindowMapFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        m_window = std::make_unique<TMainwindow>();
        m_window->FormShow();
        m_picker = std::make_unique<ScriptedPicker>(); // after the window: it replaces the link builder
    }
    void TearDown() override
    {
        m_picker.reset();
        m_window.reset();
    }

    ScriptedInteraction m_ui;
    std::unique_ptr<TMainwindow> m_window;
    std::unique_ptr<ScriptedPicker> m_picker;
};

TEST_F(MainWindowMapFlowTest, AMapDrawnFromTheImageDialogLandsInFrontOfItsImage)
{
    thtmlrichedit *ed = m_window->editor(m_window->activePage());
    ed->loadPlainText(QStringLiteral("[]"));
    ed->setSelection(1, 0);
    m_picker->answers.enqueue(PickedUrl{QStringLiteral("a.gif"), 120, 90, smallPicture(120, 90)});
    m_picker->answers.enqueue(PickedUrl{QStringLiteral("x.html")});

    bool builderSeen = false;
    WhenModal<Timagebuild> image([&](Timagebuild *d) {
        EXPECT_FALSE(d->mapBuilderButton()->isEnabled());
        d->imageUrlButton()->click();
        EXPECT_EQ(d->widthEdit()->text(), QStringLiteral("120"));
        d->useMapCheck()->click();
        ASSERT_TRUE(d->mapBuilderButton()->isEnabled());
        WhenModal<Tmapbuild> builder([&](Tmapbuild *b) {
            builderSeen = true;
            b->rectangleTool()->trigger();
            drag(b->canvas(), {10, 10}, {50, 60});
            b->selectionTool()->trigger();
            click(b->canvas(), {12, 12});
            WhenModal<Tmapurl> url([](Tmapurl *u) {
                u->urlButton()->click();
                u->okButton()->click();
            });
            b->propertiesButton()->click();
            EXPECT_TRUE(url.ran());
            b->mapNameEdit()->setText(QStringLiteral("m"));
            b->okButton()->click();
        });
        d->mapBuilderButton()->click();
        d->okButton()->click();
    });
    m_window->command(QStringLiteral("SpeedButton8"))->trigger();
    ASSERT_TRUE(image.ran());
    ASSERT_TRUE(builderSeen);
    EXPECT_EQ(ed->text().toStdString(), QStringLiteral("[<MAP NAME=\"m\">\r\n<!--  -->\r\n<!-- a.gif -->\r\n"
                                         "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\r\n<!--  -->\r\n"
                                         "</MAP>\r\n<IMG SRC=\"a.gif\" WIDTH=120 HEIGHT=90 USEMAP=\"#m\"BORDER=0 >]").toStdString());
}

} // namespace
