#include "../../preview/ui/previewwait.h"
#include "livepreviewcontroller.h"
#include "livepreviewpanel.h"
#include "mainwindow_fixture.h"
#include "enginestartcheck.h"
#include "previewsettings.h"

#include <QFile>
#include <QPushButton>
#include <QTest>

#include <unistd.h>

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

/// The environment of a user's start: without the switches the test runs
/// set to turn the engine's sandbox off.
class WithoutSandboxSwitch {
public:
    WithoutSandboxSwitch()
        : m_disable(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"))
        , m_flags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"))
    {
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    }
    ~WithoutSandboxSwitch()
    {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", m_disable);
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", m_flags);
    }

private:
    QByteArray m_disable;
    QByteArray m_flags;
};

TEST_F(PreviewWindowTest, AsRootThePanelSaysWhyAndTheEditorGoesOn)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the root user is refused";
    const WithoutSandboxSwitch userStart;
    m_window->resize(1100, 800);
    m_window->show();
    thtmlrichedit *ed = page(QStringLiteral("<p>page</p>"), 11);
    QTest::keyClicks(ed, QStringLiteral(" typed"));
    run("Livepreview1");
    ASSERT_NE(panel(), nullptr);
    QTest::qWait(LivePreviewController::kRefreshDelayMs * 2);
    // Still here: the engine was never started.
    EXPECT_EQ(panel()->failureLine(), EngineStartCheck::rootLine());
    EXPECT_FALSE(panel()->retryButton()->isVisible());
    EXPECT_EQ(panel()->surface(), nullptr);
    EXPECT_FALSE(engineViewMade());
    EXPECT_TRUE(m_window->command(QStringLiteral("Livepreview1"))->isChecked());
    QTest::keyClicks(ed, QStringLiteral(" more"));
    EXPECT_EQ(ed->text(), "<p>page</p> typed more");
    EXPECT_TRUE(ed->isModified());

    // Hidden and shown again, it says the same.
    run("Livepreview1");
    run("Livepreview1");
    EXPECT_EQ(panel()->failureLine(), EngineStartCheck::rootLine());
    m_window->hide();
}

TEST(PreviewWindowStart, AsRootAPanelStoredShownDoesNotEndTheStart)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the root user is refused";
    test::TestSandbox::clearSettings();
    PreviewSettings::writeShown(true);
    const WithoutSandboxSwitch userStart;
    ScriptedInteraction ui;
    TMainwindow window;
    window.FormShow();
    window.show();
    QTest::qWait(LivePreviewController::kRefreshDelayMs * 2);
    auto *shownPanel = window.findChild<LivePreviewPanel *>();
    ASSERT_NE(shownPanel, nullptr);
    EXPECT_EQ(shownPanel->failureLine(), EngineStartCheck::rootLine());
    QTest::keyClicks(window.editor(0), QStringLiteral("x"));
    EXPECT_TRUE(window.editor(0)->isModified());
    window.hide();
}

TEST(PreviewHelp, ThePanelHasATopic)
{
    QFile file(qEnvironmentVariable("LUMARO_SOURCE_DATA_DIR") + QStringLiteral("/help/preview.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("<h2><a name=\"livepreview\"></a>Live preview</h2>"));
}

} // namespace
} // namespace lumaro
