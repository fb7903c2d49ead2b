// Preview in the chosen and in the default browser: the page is saved
// first, then the browser gets the right command line or URL.
#include "fakepagehost.h"
#include "previewcontroller.h"
#include "scriptedinteraction.h"
#include "shellservice.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QAction>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::FakePageHost;
using lumaro::test::TestSandbox;

namespace {

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

/// Remembers what the page file held at the moment the browser was asked for.
class SnoopingShell : public RecordingShell {
public:
    QString watched;
    QByteArray fileAtStart;
    bool startProgram(const QString &commandLine) override
    {
        fileAtStart = readBytes(watched);
        return RecordingShell::startProgram(commandLine);
    }
    bool openUrl(const QUrl &url) override
    {
        fileAtStart = readBytes(watched);
        return RecordingShell::openUrl(url);
    }
};

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        dir = TestSandbox::makeDir(QStringLiteral("preview"));
    }

    /// A modified page whose file on disk still holds the old text.
    QString modifiedPage(const QString &name)
    {
        const QString path = dir + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
        f.close();
        host.addPage(QStringLiteral("old"), path, true);
        host.activeEditor()->selectAllText();
        host.activeEditor()->replaceSelection(QStringLiteral("<P>new</P>"));
        EXPECT_TRUE(host.activeEditor()->isModified());
        shell.watched = path;
        return path;
    }

    QString dir;
    ScriptedInteraction ui;
    SnoopingShell shell;
    FakePageHost host;
    PreviewController preview{host};
};

TEST_F(PreviewTest, ChosenBrowserGetsTheSavedFile)
{
    tregini().writebrowser(QStringLiteral("/usr/bin/firefox --new-window"));
    const QString path = modifiedPage(QStringLiteral("index.html"));
    preview.SpeedButton114Click();
    ASSERT_EQ(shell.startedPrograms.size(), 1);
    EXPECT_EQ(shell.startedPrograms[0], QStringLiteral("/usr/bin/firefox --new-window ") + path);
    EXPECT_EQ(shell.fileAtStart, QByteArray("<P>new</P>")) << "saved before the browser starts";
    EXPECT_FALSE(host.activeEditor()->isModified());
    EXPECT_TRUE(shell.openedUrls.isEmpty());
}

TEST_F(PreviewTest, DefaultBrowserGetsALocalFileUrl)
{
    const QString path = modifiedPage(QStringLiteral("my page #1.html"));
    preview.SpeedButton72Click();
    ASSERT_EQ(shell.openedUrls.size(), 1);
    const QUrl url = shell.openedUrls[0];
    EXPECT_TRUE(url.isLocalFile());
    EXPECT_EQ(url.toLocalFile(), path);
    EXPECT_EQ(url, QUrl::fromLocalFile(path));
    EXPECT_EQ(shell.fileAtStart, QByteArray("<P>new</P>"));
    EXPECT_TRUE(shell.startedPrograms.isEmpty());
}

TEST_F(PreviewTest, EmptyBrowserSettingStartsNothingAndSaysNothing)
{
    modifiedPage(QStringLiteral("a.html"));
    preview.SpeedButton114Click();
    EXPECT_TRUE(shell.startedPrograms.isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_FALSE(host.activeEditor()->isModified()) << "the page is still saved";
}

TEST_F(PreviewTest, BrowserThatCannotStartIsNotReported)
{
    tregini().writebrowser(QStringLiteral("/no/such/browser"));
    shell.startSucceeds = false;
    shell.openSucceeds = false;
    modifiedPage(QStringLiteral("a.html"));
    preview.SpeedButton114Click();
    preview.SpeedButton72Click();
    EXPECT_EQ(shell.startedPrograms.size(), 1);
    EXPECT_EQ(shell.openedUrls.size(), 1);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(PreviewTest, UntitledPageStillPreviewsUnderItsName)
{
    tregini().writebrowser(QStringLiteral("browser"));
    host.addPage(QStringLiteral("text"));
    preview.SpeedButton114Click();
    ASSERT_EQ(shell.startedPrograms.size(), 1);
    EXPECT_EQ(shell.startedPrograms[0], QStringLiteral("browser \"Untitled 1\""));
}

TEST_F(PreviewTest, NothingWithoutAPage)
{
    tregini().writebrowser(QStringLiteral("browser"));
    preview.SpeedButton114Click();
    preview.SpeedButton72Click();
    EXPECT_TRUE(shell.startedPrograms.isEmpty());
    EXPECT_TRUE(shell.openedUrls.isEmpty());
}

TEST_F(PreviewTest, CommandsAreConnected)
{
    tregini().writebrowser(QStringLiteral("browser"));
    host.addPage(QStringLiteral("x"), dir + QStringLiteral("/x.html"), true);
    QAction *chosen = host.command(QStringLiteral("SpeedButton114"));
    EXPECT_TRUE(chosen->isEnabled());
    chosen->trigger();
    host.command(QStringLiteral("SpeedButton72"))->setEnabled(true); // the main window's page commands
    host.command(QStringLiteral("SpeedButton72"))->trigger();
    EXPECT_EQ(shell.startedPrograms.size(), 1);
    EXPECT_EQ(shell.openedUrls.size(), 1);
}

// The command line must give the browser the file as one argument.
struct CommandLineCase {
    const char *name;
    const char *browser;
    const char *file;
    const char *expected;
};

class BrowserCommandLine : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(BrowserCommandLine, SplitsIntoBrowserArgumentsAndOneFile)
{
    const CommandLineCase c = GetParam();
    const QString line = PreviewController::browserCommandLine(QString::fromUtf8(c.browser),
                                                               QString::fromUtf8(c.file));
    EXPECT_EQ(line, QString::fromUtf8(c.expected));
    const QStringList parts = QProcess::splitCommand(line);
    ASSERT_FALSE(parts.isEmpty());
    EXPECT_EQ(parts.last(), QString::fromUtf8(c.file));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrowserCommandLine,
    ::testing::Values(
        CommandLineCase{"Plain", "firefox", "/home/u/a.html", "firefox /home/u/a.html"},
        CommandLineCase{"BrowserArguments", "chromium --incognito", "/w/a.htm",
                        "chromium --incognito /w/a.htm"},
        CommandLineCase{"BlankInPath", "firefox", "/home/u/My Pages/a.html",
                        "firefox \"/home/u/My Pages/a.html\""},
        CommandLineCase{"QuoteInPath", "firefox", "/w/say \"hi\".html",
                        "firefox \"/w/say \"\"\"hi\"\"\".html\""},
        CommandLineCase{"BackslashKept", "wine iexplore", "C:\\Web\\a.htm", "wine iexplore C:\\Web\\a.htm"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BrowserCommandLineRule, EmptyOrBlankBrowserGivesNothingToStart)
{
    EXPECT_TRUE(PreviewController::browserCommandLine(QString(), QStringLiteral("/a.html")).isEmpty());
    EXPECT_TRUE(PreviewController::browserCommandLine(QStringLiteral("  "), QStringLiteral("/a.html")).isEmpty());
}

} // namespace
