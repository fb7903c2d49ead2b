// The help text as the viewer shows it, the about box and the splash screen.
#include "aboutbox.h"
#include "helpservice.h"
#include "helpviewer.h"
#include "mainwindow.h"
#include "scriptedinteraction.h"
#include "installdir.h"
#include "aboutmark.h"
#include "splashscreen.h"
#include "testsandbox.h"
#include "tregini.h"

#include <QDir>
#include <QFile>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QTextBrowser>
#include <QRegularExpression>
#include <QSettings>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

class HelpTextTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }
};

TEST_F(HelpTextTest, AssemblyInsertsTheFragmentsAndAnIndexOfAllTopics)
{
    const QString main = "<html><body>\n<h1><a name=\"ctx500\"></a>Lumaro</h1>\n<!-- topics -->\n"
                         "<h2><a name=\"index\"></a>Index</h2>\n<!-- index -->\n</body></html>";
    const QStringList fragments{"<h2><a name=\"ctx1470\"></a>Search</h2><p>s</p>",
                                "<h2><a name=\"ctx2020\"></a>Table &amp; builder</h2>"};
    const QString text = HelpViewerService::assemble(main, fragments);
    EXPECT_EQ(text,
              "<html><body>\n<h1><a name=\"ctx500\"></a>Lumaro</h1>\n"
              "<h2><a name=\"ctx1470\"></a>Search</h2><p>s</p>\n"
              "<h2><a name=\"ctx2020\"></a>Table &amp; builder</h2>\n"
              "<h2><a name=\"index\"></a>Index</h2>\n"
              "<ul>\n"
              "<li><a href=\"#ctx500\">Lumaro</a></li>\n"
              "<li><a href=\"#ctx1470\">Search</a></li>\n"
              "<li><a href=\"#ctx2020\">Table &amp; builder</a></li>\n"
              "</ul>\n</body></html>");
}

TEST_F(HelpTextTest, FragmentsGoBeforeTheEndWhenThereIsNoMark)
{
    const QString text = HelpViewerService::assemble("<html><body><p>x</p></body></html>", {"<p>y</p>"});
    EXPECT_EQ(text, "<html><body><p>x</p><p>y</p></body></html>");
}

TEST_F(HelpTextTest, TheShippedHelpHasTheMainAndFileCommandTopics)
{
    const QString text = HelpViewerService::document();
    QStringList anchors;
    for (const auto &topic : HelpViewerService::topics(text))
        anchors.append(topic.first);
    for (const char *anchor : {"ctx500", "ctx510", "ctx520", "ctx530", "ctx540", "ctx550"})
        EXPECT_TRUE(anchors.contains(anchor)) << anchor;
    EXPECT_TRUE(text.contains("<a name=\"index\"></a>"));
    EXPECT_FALSE(text.contains("<!-- index -->"));
    // Every topic, also those of the subsystems' fragments, is in the index.
    for (const QString &anchor : anchors)
        EXPECT_TRUE(text.contains("<li><a href=\"#" + anchor + "\">")) << anchor.toStdString();
    EXPECT_EQ(anchors.size(), QSet<QString>(anchors.begin(), anchors.end()).size()) << "no topic twice";
}

TEST_F(HelpTextTest, FragmentsOfTheInstallationAreShown)
{
    const QString install = test::TestSandbox::makeDir("install");
    QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    store.setValue("dir/installdir", install);
    store.sync();
    QDir().mkpath(install + "/help");
    {
        QFile main(install + "/lumaro-help.html");
        ASSERT_TRUE(main.open(QIODevice::WriteOnly));
        main.write("<html><body><!-- topics --><!-- index --></body></html>");
        QFile b(install + "/help/b.html");
        ASSERT_TRUE(b.open(QIODevice::WriteOnly));
        b.write("<h2><a name=\"ctx2\"></a>B topic</h2>");
        QFile a(install + "/help/a.html");
        ASSERT_TRUE(a.open(QIODevice::WriteOnly));
        a.write("<h2><a name=\"ctx1\"></a>\xc3\x86 topic</h2>");
    }
    const QString text = HelpViewerService::document();
    EXPECT_TRUE(text.startsWith("<html><body><h2><a name=\"ctx1\"></a>\u00c6 topic</h2>\n"
                                "<h2><a name=\"ctx2\"></a>B topic</h2><ul>"));
}

TEST_F(HelpTextTest, AMissingHelpFileSaysSo)
{
    const QString install = test::TestSandbox::makeDir("empty-install");
    tregini::setOverride("dir", "installdir", install);
    EXPECT_TRUE(HelpViewerService::document().contains("was not found"));
}

TEST_F(HelpTextTest, TheViewerShowsTheTopicAndTheIndex)
{
    HelpViewerService viewer;
    viewer.showTopic(500);
    QTextBrowser *browser = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == "Lumaro Help")
            browser = top->findChild<QTextBrowser *>("HelpBrowser");
    ASSERT_NE(browser, nullptr);
    const QString text = browser->toPlainText();
    EXPECT_TRUE(text.contains("Lumaro is an editor for hand-written HTML pages"));
    EXPECT_TRUE(text.contains("Do you want to save changes to"));
    // The index lists the topics by title.
    EXPECT_TRUE(text.contains("Save as"));
    viewer.showIndex();
    EXPECT_EQ(browser->toPlainText(), text) << "one document, scrolled to another place";
    browser->window()->close();
}

TEST(ProductMarkTest, AboutBoxAndSplashShowTheProductName)
{
    TAboutBox box;
    EXPECT_EQ(box.windowTitle(), "About Lumaro");
    const auto *text = box.findChild<QLabel *>("AboutText");
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->text().startsWith("Lumaro Version "));
    const auto *mark = box.findChild<QLabel *>("ProductName");
    ASSERT_NE(mark, nullptr);
    EXPECT_FALSE(mark->pixmap().isNull());

    Tsplashscreen splash;
    EXPECT_EQ(splash.pixmap().deviceIndependentSize().toSize(), QSize(420, 220));

    // The rendering is not a blank panel: the name is drawn in white.
    const QImage image = ProductMark::render(QSize(420, 220)).toImage();
    int white = 0;
    for (int y = 40; y < 130; ++y)
        for (int x = 0; x < 420; ++x)
            white += image.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(white, 500);
}

// Exit while the help viewer is open: the viewer closes with the main
// window, and it never counts as a window that keeps the program running.
TEST(HelpViewerExitTest, ClosingTheMainWindowClosesTheHelpViewer)
{
    test::TestSandbox::clearSettings();
    ScriptedInteraction ui;
    // The test process keeps running whatever the windows do.
    const bool quitOnClose = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    {
        TMainwindow window({QStringLiteral("none.txt")});
        window.show();
        window.command(QStringLiteral("Indeks1"))->trigger();
        QDialog *viewer = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->windowTitle() == QStringLiteral("Lumaro Help") && w->isVisible())
                viewer = qobject_cast<QDialog *>(w);
        ASSERT_NE(viewer, nullptr);
        EXPECT_FALSE(viewer->testAttribute(Qt::WA_QuitOnClose));
        const QPointer<QDialog> guard(viewer);
        window.command(QStringLiteral("FileExit"))->trigger();
        EXPECT_FALSE(window.isVisible());
        QApplication::processEvents();
        EXPECT_TRUE(guard.isNull() || !guard->isVisible());
    }
    QApplication::setQuitOnLastWindowClosed(quitOnClose);
}

} // namespace
