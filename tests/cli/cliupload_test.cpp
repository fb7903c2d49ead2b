// "lumaro-cli upload" as a script runs it: against a real OpenSSH server on
// 127.0.0.1, with its own HOME so only the test's known_hosts is read.
#include "clirun.h"
#include "installdir.h"
#include "projectfile.h"
#include "sitefiles.h"
#include "sshserver.h"
#include "testsandbox.h"
#include "tinifil.h"
#include "uploadsettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using test::CliResult;

QByteArrayList sortedLines(const QByteArray &out)
{
    QByteArrayList lines = out.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

class CliUploadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::SshServer::available())
            GTEST_SKIP() << "OpenSSH's sshd is not installed";
        test::TestSandbox::clearSettings();
        InstallDir::path();
        dir = test::TestSandbox::makeDir(QStringLiteral("cliupload"));
        server = std::make_unique<test::SshServer>(dir + QStringLiteral("/server"));
        ASSERT_TRUE(server->start()) << server->error().toStdString();
        home = dir + QStringLiteral("/home");
        test::writeSiteFile(home + QStringLiteral("/.ssh/known_hosts"), server->knownHostsLine().toUtf8() + '\n');

        // The root's name is the test folder's, so cases never share a copy
        // in the publish directory.
        root = dir + u'/' + QFileInfo(dir).fileName();
        remote = dir + QStringLiteral("/remote");
        test::writeSiteFile(root + QStringLiteral("/index.html"), "<P>home</P>\r\n");
        test::writeSiteFile(root + QStringLiteral("/about.html"), "<P>about</P>\r\n");
        test::writeSiteFile(root + QStringLiteral("/img/a.gif"), QByteArray("GIF89a\0\0", 8));
        project = dir + QStringLiteral("/site.lmp");
        QString error;
        ASSERT_TRUE(ProjectFile::write(project, ProjectFile::image(project, {{root + QStringLiteral("/index.html"), true}}),
                                       &error));
        tinifil ini(dir + QStringLiteral("/site.lmo"));
        ini.writeuseroot(true);
        ini.writeroot(root);
        ini.writeconvchar(false);
        settings.host = QStringLiteral("127.0.0.1");
        settings.port = server->port();
        settings.folder = remote;
        settings.login = UploadSettings::Login::Key;
        settings.keyFile = server->clientKey();
        ASSERT_TRUE(settings.write(dir + QStringLiteral("/site.lmo")));
    }

    CliResult cli(const QStringList &args) const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home);
        env.remove(QStringLiteral("SSH_AUTH_SOCK"));
        return test::runCli(args, env);
    }

    QString published() const
    {
        return InstallDir::file(QStringLiteral("published files")) + u'/' + QFileInfo(root).fileName();
    }

    QString dir, home, root, remote, project;
    UploadSettings settings;
    std::unique_ptr<test::SshServer> server;
};

TEST_F(CliUploadTest, SendsTheSiteWithOneLinePerFileThenNothing)
{
    CliResult r = cli({QStringLiteral("upload"), project});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(sortedLines(r.out), (QByteArrayList{"sent about.html", "sent img/a.gif", "sent index.html"}));
    EXPECT_EQ(r.err, QByteArray());
    EXPECT_EQ(test::treeOf(remote), test::treeOf(published()));
    EXPECT_EQ(test::treeOf(remote).size(), 3);

    r = cli({QStringLiteral("upload"), project});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_EQ(r.err, QByteArray());
}

TEST_F(CliUploadTest, ADryRunListsWhatWouldBeSentAndChangesNothing)
{
    const CliResult r = cli({QStringLiteral("upload"), QStringLiteral("--dry-run"), project});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(sortedLines(r.out), (QByteArrayList{"sent about.html", "sent img/a.gif", "sent index.html"}));
    EXPECT_FALSE(QFileInfo::exists(remote));
}

TEST_F(CliUploadTest, DeleteRemovesOnlyWhatIsNoLongerPublished)
{
    ASSERT_EQ(cli({QStringLiteral("upload"), project}).exitCode, 0);
    test::writeSiteFile(remote + QStringLiteral("/stats.html"), "the host's own page");
    ASSERT_TRUE(QFile::remove(root + QStringLiteral("/about.html")));

    CliResult r = cli({QStringLiteral("upload"), project});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray());
    EXPECT_TRUE(r.err.contains("--delete removes it: about.html")) << r.err.toStdString();
    EXPECT_TRUE(QFileInfo::exists(remote + QStringLiteral("/about.html")));

    r = cli({QStringLiteral("upload"), project, QStringLiteral("--delete")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QByteArray("deleted about.html\n"));
    EXPECT_FALSE(QFileInfo::exists(remote + QStringLiteral("/about.html")));
    EXPECT_TRUE(QFileInfo::exists(remote + QStringLiteral("/stats.html")));
}

TEST_F(CliUploadTest, FaultsEndWithStatusOneAndNothingOnStandardOutput)
{
    const struct {
        const char *name;
        std::function<void()> arrange;
        const char *message;
    } cases[] = {
        {"unknown server", [&] { test::writeSiteFile(home + QStringLiteral("/.ssh/known_hosts"), ""); },
         "is not known: its ssh-ed25519 key has the fingerprint SHA256:"},
        {"wrong key", [&] {
             UploadSettings s = settings;
             s.keyFile = server->wrongKey();
             s.write(dir + QStringLiteral("/site.lmo"));
         }, "Cannot log in to 127.0.0.1: The server refused the key"},
        {"password login", [&] {
             UploadSettings s = settings;
             s.login = UploadSettings::Login::Password;
             s.write(dir + QStringLiteral("/site.lmo"));
         }, "never asked in batch"},
        {"key with a passphrase", [&] {
             const QString key = dir + QStringLiteral("/locked_key");
             QProcess::execute(QStringLiteral("ssh-keygen"), {QStringLiteral("-q"), QStringLiteral("-t"),
                               QStringLiteral("ed25519"), QStringLiteral("-N"), QStringLiteral("secret words"),
                               QStringLiteral("-f"), key});
             UploadSettings s = settings;
             s.keyFile = key;
             s.write(dir + QStringLiteral("/site.lmo"));
         }, "cannot be read without a passphrase"},
        {"no settings", [&] { UploadSettings().write(dir + QStringLiteral("/site.lmo")); }, "no upload settings"},
    };
    for (const auto &c : cases) {
        settings.write(dir + QStringLiteral("/site.lmo"));
        test::writeSiteFile(home + QStringLiteral("/.ssh/known_hosts"), server->knownHostsLine().toUtf8() + '\n');
        c.arrange();
        const CliResult r = cli({QStringLiteral("upload"), project});
        EXPECT_EQ(r.exitCode, 1) << c.name;
        EXPECT_EQ(r.out, QByteArray()) << c.name;
        EXPECT_TRUE(r.err.contains(c.message)) << c.name << ": " << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(remote)) << c.name;
    }
    // The batch refusal names the line to add for the server.
    test::writeSiteFile(home + QStringLiteral("/.ssh/known_hosts"), "");
    settings.write(dir + QStringLiteral("/site.lmo"));
    EXPECT_TRUE(cli({QStringLiteral("upload"), project}).err.contains(server->knownHostsLine().toUtf8()));
}

TEST_F(CliUploadTest, UsageErrorsEndWithStatusTwo)
{
    const QList<QStringList> cases = {
        {QStringLiteral("upload")},
        {QStringLiteral("upload"), project, project},
        {QStringLiteral("upload"), QStringLiteral("-")},
        {QStringLiteral("upload"), project, QStringLiteral("-o"), dir + QStringLiteral("/x")},
        {QStringLiteral("upload"), project, QStringLiteral("--force")},
        {QStringLiteral("publish"), project, QStringLiteral("--delete")},
        {QStringLiteral("html2text"), QStringLiteral("--dry-run"), project},
    };
    for (const QStringList &args : cases) {
        const CliResult r = cli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(u' ').toStdString();
        EXPECT_EQ(r.out, QByteArray()) << args.join(u' ').toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(remote));
}
