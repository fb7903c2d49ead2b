#include "../../preview/ui/previewwait.h"
#include "livepreviewcontroller.h"
#include "livepreviewpanel.h"
#include "mainwindow_fixture.h"
#include "previewsettings.h"

#include <QFile>
#include <QTest>

namespace lumaro {
namespace {

class PreviewWindowTest : public test::MainWindowFixture {
protected:
    LivePreviewPanel *panel() const { return m_window->findChild<LivePreviewPanel *>(); }
    bool engineViewMade() const
    {
        const auto widgets = m_window->findChildren<QWidget *>();
        return std::any_of(widgets.begin(), widgets.end(),
                           [](const QWidget *w) { return w->inherits("QWebEngineView"); });
    }
    QString shownText()
    {
        return test::evaluate(panel(), QStringLiteral("document.body ? document.body.innerText : ''")).toString();
    }
};

TEST_F(PreviewWindowTest, NeverMadeWhenNotShown)
{
    page(QStringLiteral("<p>typed</p>"), 3);
    QTest::keyClicks(m_window->editor(0), QStringLiteral("more"));
    QTest::qWait(LivePreviewController::kRefreshDelayMs * 2);
    EXPECT_EQ(panel(), nullptr);
    EXPECT_FALSE(engineViewMade());
    EXPECT_FALSE(m_window->command(QStringLiteral("SpeedButtonPreview"))->isChecked());
}

TEST_F(PreviewWindowTest, ToggleShowsThePageAndFollowsTheActivePage)
{
    m_window->resize(1100, 800);
    m_window->show();
    page(QStringLiteral("<p>first page</p>"), 0);
    run("SpeedButtonPreview");
    ASSERT_NE(panel(), nullptr);
    EXPECT_EQ(m_window->dockWidgetArea(panel()), Qt::RightDockWidgetArea);
    EXPECT_TRUE(m_window->command(QStringLiteral("Livepreview1"))->isChecked());
    EXPECT_TRUE(PreviewSettings::readShown());
    ASSERT_TRUE(test::waitForLoad(panel(), 0));
    EXPECT_TRUE(test::waitUntil([&] { return shownText() == u"first page"; }, test::kEngineTimeoutMs));

    ASSERT_TRUE(m_window->newPageWithText(QStringLiteral("<p>second page</p>")));
    EXPECT_TRUE(test::waitUntil([&] { return shownText() == u"second page"; }, test::kEngineTimeoutMs))
        << shownText().toStdString();
    m_window->selectPage(0);
    EXPECT_TRUE(test::waitUntil([&] { return shownText() == u"first page"; }, test::kEngineTimeoutMs))
        << shownText().toStdString();

    run("Livepreview1");
    EXPECT_TRUE(panel()->isHidden());
    EXPECT_FALSE(m_window->command(QStringLiteral("SpeedButtonPreview"))->isChecked());
    EXPECT_FALSE(PreviewSettings::readShown());
    m_window->hide();
}

TEST(PreviewHelp, ThePanelHasATopic)
{
    QFile file(qEnvironmentVariable("LUMARO_SOURCE_DATA_DIR") + QStringLiteral("/help/preview.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<h2><a name=\"livepreview\"></a>Live preview</h2>"));
}

} // namespace
} // namespace lumaro
