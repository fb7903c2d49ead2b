// Sending the page by mail: the whole text goes to the composer unsaved, and
// a composer that cannot be started gives "Error sending mail".
#include "fakepagehost.h"
#include "mailcontroller.h"
#include "scriptedinteraction.h"
#include "shellservice.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::FakePageHost;
using lumaro::test::TestSandbox;

namespace {

class MailTest : public ::testing::Test {
protected:
    void SetUp() override { TestSandbox::clearSettings(); }

    ScriptedInteraction ui;
    RecordingShell shell;
    FakePageHost host;
    MailController mail{host};
};

TEST_F(MailTest, WholeTextIsTheBodyAndThePageIsNotSaved)
{
    const QString path = TestSandbox::makeDir(QStringLiteral("mail")) + QStringLiteral("/p.html");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("on disk");
    f.close();
    host.addPage(QStringLiteral("<HTML>\r\n<BODY>Hi & bye</BODY>\r\n</HTML>"), path, true);
    host.activeEditor()->setSelection(8, 6); // a selection does not narrow the body
    host.activeEditor()->setModified(true);

    mail.FileSend();
    ASSERT_EQ(shell.mailBodies.size(), 1);
    EXPECT_EQ(shell.mailBodies[0], QStringLiteral("<HTML>\r\n<BODY>Hi & bye</BODY>\r\n</HTML>"));
    EXPECT_TRUE(ui.messages.isEmpty());
    EXPECT_TRUE(host.savedSlots.isEmpty());
    EXPECT_TRUE(host.activeEditor()->isModified());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("on disk"));
}

TEST_F(MailTest, EmptyPageSendsAnEmptyBody)
{
    host.addPage(QString());
    mail.FileSend();
    ASSERT_EQ(shell.mailBodies.size(), 1);
    EXPECT_TRUE(shell.mailBodies[0].isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MailTest, NoComposerGivesTheErrorMessage)
{
    shell.mailSucceeds = false;
    host.addPage(QStringLiteral("text"));
    mail.FileSend();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Error sending mail"));
    EXPECT_EQ(ui.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(ui.messages[0].icon, QMessageBox::Critical);
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("text"));
}

TEST_F(MailTest, NothingWithoutAPage)
{
    mail.FileSend();
    EXPECT_TRUE(shell.mailBodies.isEmpty());
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(MailTest, ButtonAndMenuItemBothSend)
{
    host.addPage(QStringLiteral("x"));
    for (const char *name : {"SendBtn", "FileSend"}) {
        QAction *action = host.command(QLatin1String(name));
        action->setEnabled(true); // a page command, enabled by the main window
        action->trigger();
    }
    EXPECT_EQ(shell.mailBodies, QStringList({QStringLiteral("x"), QStringLiteral("x")}));
}

TEST_F(MailTest, PageCommandsStayDisabledWithoutPages)
{
    EXPECT_FALSE(host.command(QStringLiteral("SendBtn"))->isEnabled());
    FakePageHost withPage;
    withPage.addPage(QStringLiteral("x"));
    MailController controller(withPage);
    EXPECT_TRUE(withPage.command(QStringLiteral("SendBtn"))->isEnabled());
}

} // namespace

namespace {

// The desktop's own composer program, an "xdg-email" that takes the body and
// fails as it does without a mail program: the message is shown once it
// has ended.
TEST(DesktopMailTest, AComposerThatReportsFailureGivesTheErrorMessage)
{
    TestSandbox::clearSettings();
    const QString bin = TestSandbox::makeDir(QStringLiteral("mailbin"));
    QFile tool(bin + QStringLiteral("/xdg-email"));
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.write("#!/bin/sh\necho \"$2\" > \"$(dirname \"$0\")/body.txt\"\nexit 3\n");
    tool.close();
    tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin) + ':' + path);

    ScriptedInteraction ui;
    FakePageHost host;
    MailController mail{host};
    host.addPage(QStringLiteral("the page"));
    mail.FileSend();
    const bool answered = QTest::qWaitFor([&] { return !ui.messages.isEmpty(); }, 10000);
    qputenv("PATH", path);
    ASSERT_TRUE(answered) << "the failing composer was never reported";
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Error sending mail"));
    QFile body(bin + QStringLiteral("/body.txt"));
    ASSERT_TRUE(body.open(QIODevice::ReadOnly));
    EXPECT_EQ(body.readAll(), QByteArray("the page\n"));
}

} // namespace
