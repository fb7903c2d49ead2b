// Project > "Upload" in the real main window, against a real OpenSSH
// server: greyed without upload settings, the first-contact question
// answered through the interaction layer, the site sent; the second time
// nothing is asked and only a page changed on the server is sent again.
#include "installdir.h"
#include "mainwindow.h"
#include "projectfile.h"
#include "scriptedinteraction.h"
#include "sitefiles.h"
#include "sshserver.h"
#include "testsandbox.h"
#include "tinifil.h"
#include "uploadcontroller.h"
#include "uploadsettings.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

// Only the test's own (empty) ~/.ssh is read while it runs.
class OwnHome {
public:
    explicit OwnHome(const QString &home) : m_old(qgetenv("HOME")) { qputenv("HOME", home.toUtf8()); }
    ~OwnHome() { qputenv("HOME", m_old); }

private:
    QByteArray m_old;
};

} // namespace

TEST(MainWindowUploadTest, UploadAsksAboutANewServerThenSendsOnlyWhatChanged)
{
    if (!test::SshServer::available())
        GTEST_SKIP() << "OpenSSH's sshd is not installed";
    test::TestSandbox::clearSettings();
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("window-upload"));
    const OwnHome home(dir + QStringLiteral("/home"));
    test::SshServer server(dir + QStringLiteral("/server"));
    ASSERT_TRUE(server.start()) << server.error().toStdString();

    const QString root = dir + QStringLiteral("/windowsite");
    test::writeSiteFile(root + QStringLiteral("/index.html"), "<P>home</P>\r\n");
    test::writeSiteFile(root + QStringLiteral("/img/a.gif"), QByteArray("GIF89a\0\0", 8));
    const QString project = dir + QStringLiteral("/site.lmp");
    QString error;
    ASSERT_TRUE(ProjectFile::write(project, ProjectFile::image(project, {{root + QStringLiteral("/index.html"), false}}),
                                   &error));
    const QString options = dir + QStringLiteral("/site.lmo");
    tinifil ini(options);
    ini.writeuseroot(true);
    ini.writeroot(root);

    ScriptedInteraction ui;
    TMainwindow window({project});
    window.FormShow();
    QAction *upload = window.command(UploadController::commandName());
    ASSERT_NE(upload, nullptr);
    EXPECT_EQ(upload->text(), QStringLiteral("Upload"));
    EXPECT_FALSE(upload->isEnabled()) << "no upload settings yet";

    UploadSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = server.port();
    settings.folder = dir + QStringLiteral("/remote");
    settings.login = UploadSettings::Login::Key;
    settings.keyFile = server.clientKey();
    ASSERT_TRUE(settings.write(options));
    window.command(QStringLiteral("Project1"))->menu<QMenu *>()->aboutToShow();
    ASSERT_TRUE(upload->isEnabled());

    ui.messageAnswers.enqueue(QMessageBox::Yes);
    upload->trigger();
    ASSERT_EQ(ui.messages.size(), 1) << ui.lastMessage().toStdString();
    const MessageRequest &question = ui.messages.first();
    EXPECT_EQ(question.defaultButton, QMessageBox::No);
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_TRUE(question.text.contains(server.knownHostsName()));
    EXPECT_TRUE(question.text.contains(QStringLiteral("ssh-ed25519")));
    const HostKey key{QStringLiteral("ssh-ed25519"), server.knownHostsLine().section(u' ', 2, 2).toLatin1()};
    EXPECT_TRUE(question.text.contains(key.fingerprint())) << question.text.toStdString();

    const QString published = InstallDir::file(QStringLiteral("published files")) + QStringLiteral("/windowsite");
    EXPECT_EQ(test::treeOf(dir + QStringLiteral("/remote")), test::treeOf(published));
    EXPECT_EQ(test::treeOf(dir + QStringLiteral("/remote")).size(), 2);

    // Trusted now: no question; the page changed on the server is put back.
    test::writeSiteFile(dir + QStringLiteral("/remote/index.html"), "<P>changed on the server</P>");
    upload->trigger();
    EXPECT_EQ(ui.messages.size(), 1) << ui.lastMessage().toStdString();
    EXPECT_EQ(test::treeOf(dir + QStringLiteral("/remote")), test::treeOf(published));
}

TEST(MainWindowUploadTest, UploadIsGreyedWithoutAProject)
{
    test::TestSandbox::clearSettings();
    ScriptedInteraction ui;
    TMainwindow window;
    window.FormShow();
    QAction *upload = window.command(UploadController::commandName());
    ASSERT_NE(upload, nullptr);
    EXPECT_FALSE(upload->isEnabled());
    window.command(QStringLiteral("nytproject1"))->trigger();
    EXPECT_FALSE(upload->isEnabled()) << "an unsaved project has no settings";
}

TEST(MainWindowUploadTest, APasswordIsAskedOnceKeptInMemoryAndAskedAgainWhenRefused)
{
    if (!test::SshServer::available())
        GTEST_SKIP() << "OpenSSH's sshd is not installed";
    test::TestSandbox::clearSettings();
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("window-password"));
    const OwnHome home(dir + QStringLiteral("/home"));
    test::SshServer server(dir + QStringLiteral("/server"));
    ASSERT_TRUE(server.start()) << server.error().toStdString();
    const QString root = dir + QStringLiteral("/passwordsite");
    test::writeSiteFile(root + QStringLiteral("/index.html"), "<P>home</P>\r\n");
    const QString project = dir + QStringLiteral("/site.lmp");
    QString error;
    ASSERT_TRUE(ProjectFile::write(project, ProjectFile::image(project, {}), &error));
    const QString options = dir + QStringLiteral("/site.lmo");
    tinifil ini(options);
    ini.writeuseroot(true);
    ini.writeroot(root);
    UploadSettings settings;
    settings.host = QStringLiteral("127.0.0.1");
    settings.port = server.port();
    settings.folder = dir + QStringLiteral("/remote");
    settings.login = UploadSettings::Login::Password;
    ASSERT_TRUE(settings.write(options));
    // The server is trusted already, in Lumaro's own file.
    test::writeSiteFile(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
                            + QStringLiteral("/known_hosts"),
                        server.knownHostsLine().toUtf8() + '\n');

    ScriptedInteraction ui;
    TMainwindow window({project});
    window.FormShow();
    QAction *upload = window.command(UploadController::commandName());
    ASSERT_TRUE(upload->isEnabled());

    // Cancelled: nothing happens.
    upload->trigger();
    EXPECT_EQ(ui.secretRequests.size(), 1);
    EXPECT_TRUE(ui.messages.isEmpty());

    // Given, but the server takes no passwords: the refusal is shown, and
    // the password is asked again next time.
    ui.secretAnswers.enqueue(QStringLiteral("correct horse"));
    upload->trigger();
    EXPECT_EQ(ui.secretRequests.size(), 2);
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.lastMessage().startsWith(QStringLiteral("Cannot log in to 127.0.0.1: The server refused the password")))
        << ui.lastMessage().toStdString();
    upload->trigger();
    EXPECT_EQ(ui.secretRequests.size(), 3);
    EXPECT_FALSE(test::treeOf(dir).values().join().contains("correct horse")) << "a password is never written";
}
