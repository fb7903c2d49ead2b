// Uploads to a real OpenSSH server started for each test on 127.0.0.1. The
// server runs on this machine, so the remote folder is read back directly.
#include "publishedtree.h"
#include "sitefiles.h"
#include "sshserver.h"
#include "testsandbox.h"
#include "tinifil.h"
#include "uploader.h"
#include "uploadmanifest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QStringList temporaries(const QString &dir)
{
    QStringList found;
    QDirIterator it(dir, {QStringLiteral(".lumaro-*.tmp")}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(it.next());
    return found;
}

QByteArray bigPicture()
{
    QByteArray bytes;
    bytes.reserve(3 << 20);
    for (int i = 0; bytes.size() < (3 << 20); ++i)
        bytes += QByteArray::number(i * 2654435761u, 16);
    return bytes;
}

} // namespace

class UploaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!test::SshServer::available())
            GTEST_SKIP() << "OpenSSH's sshd is not installed";
        test::TestSandbox::clearSettings();
        dir = test::TestSandbox::makeDir(QStringLiteral("upload"));
        server = std::make_unique<test::SshServer>(dir + QStringLiteral("/server"));
        ASSERT_TRUE(server->start()) << server->error().toStdString();

        root = dir + QStringLiteral("/site");
        published = dir + QStringLiteral("/published");
        remote = dir + QStringLiteral("/remote/www");
        test::writeSiteFile(root + QStringLiteral("/index.html"), "<HTML><A HREF=\"about/me.html\">me</A></HTML>\r\n");
        test::writeSiteFile(root + QStringLiteral("/about/me.html"), "<HTML>caf\xC3\xA9</HTML>\r\n");
        test::writeSiteFile(root + QStringLiteral("/about/deep/er/page.htm"), "<P>deep</P>\r\n");
        test::writeSiteFile(root + QStringLiteral("/img/logo.gif"), QByteArray("GIF89a\x01\x00\x01\x00\x00\xff\x00", 13));
        test::writeSiteFile(root + QStringLiteral("/.htaccess"), "Options -Indexes\n");
        test::writeSiteFile(root + QStringLiteral("/empty.txt"), "");
        QDir().mkpath(root + QStringLiteral("/emptyfolder"));

        options = dir + QStringLiteral("/site.lmo");
        tinifil ini(options);
        ini.writeuseroot(true);
        ini.writeroot(root);
        ini.writeconvchar(false);
        test::writeSiteFile(dir + QStringLiteral("/user_known_hosts"), server->knownHostsLine().toUtf8() + '\n');
    }

    UploadJob job() const
    {
        UploadJob j;
        j.projectFile = dir + QStringLiteral("/site.lmp");
        j.optionsFile = options;
        j.settings.host = QStringLiteral("127.0.0.1");
        j.settings.port = server->port();
        j.settings.folder = remote;
        j.settings.login = UploadSettings::Login::Key;
        j.settings.keyFile = server->clientKey();
        j.publishDirectory = published;
        j.manifestFile = dir + QStringLiteral("/upload.manifest");
        j.knownHostsFiles = {dir + QStringLiteral("/user_known_hosts"), dir + QStringLiteral("/own_known_hosts")};
        j.trustedHostsFile = dir + QStringLiteral("/own_known_hosts");
        return j;
    }

    QString site() const { return published + QStringLiteral("/site"); }

    QString dir, root, published, remote, options;
    std::unique_ptr<test::SshServer> server;
};

TEST_F(UploaderTest, FirstUploadCopiesTheSiteThenOnlyWhatChanged)
{
    QStringList lines;
    UploadHooks hooks;
    hooks.fileDone = [&](const QString &line) { lines.append(line); };
    UploadReport r = Uploader::run(job(), hooks);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(r.published);
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));
    EXPECT_EQ(test::treeOf(remote).size(), 6);
    EXPECT_TRUE(QFileInfo(remote + QStringLiteral("/emptyfolder")).isDir());
    EXPECT_EQ(lines.size(), 6);
    EXPECT_TRUE(lines.contains(QStringLiteral("sent about/deep/er/page.htm")));

    r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_FALSE(r.published);
    EXPECT_TRUE(r.sent.isEmpty()) << r.sent.join(u' ').toStdString();

    const QString page = root + QStringLiteral("/about/me.html");
    test::writeSiteFile(page, "<HTML>changed</HTML>\r\n");
    QFile touched(page);
    touched.open(QIODevice::ReadWrite);
    touched.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    touched.close();
    r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(r.published);
    EXPECT_EQ(r.sent, QStringList{QStringLiteral("about/me.html")});
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));
    EXPECT_TRUE(temporaries(remote).isEmpty());
}

TEST_F(UploaderTest, AFileChangedOnTheServerIsSentAgain)
{
    ASSERT_TRUE(Uploader::run(job()).ok);
    test::writeSiteFile(remote + QStringLiteral("/index.html"), "defaced");
    const UploadReport r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.sent, QStringList{QStringLiteral("index.html")});
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));
}

TEST_F(UploaderTest, AChangedHostKeyIsRefusedAndNothingIsSent)
{
    const QString oldLine = server->knownHostsLine();
    ASSERT_TRUE(server->restartWithNewHostKey()) << server->error().toStdString();
    // The old key, stored for the server's new port.
    test::writeSiteFile(dir + QStringLiteral("/user_known_hosts"),
              (server->knownHostsName() + u' ' + oldLine.section(u' ', 1)).toUtf8() + '\n');
    bool asked = false;
    UploadHooks hooks;
    hooks.trustNewHost = [&](const QString &, const HostKey &) { return asked = true; };
    const UploadReport r = Uploader::run(job(), hooks);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.hostKeyRefused);
    EXPECT_FALSE(asked) << "a changed key is never offered for trust";
    const HostKey stored{QStringLiteral("ssh-ed25519"), oldLine.section(u' ', 2, 2).toLatin1()};
    EXPECT_TRUE(r.error.contains(stored.fingerprint())) << r.error.toStdString();
    const HostKey now{QStringLiteral("ssh-ed25519"), server->knownHostsLine().section(u' ', 2, 2).toLatin1()};
    EXPECT_TRUE(r.error.contains(now.fingerprint())) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QStringLiteral("ssh-keygen -R \"%1\"").arg(server->knownHostsName())))
        << r.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(remote));
}

TEST_F(UploaderTest, AnUnknownServerIsRefusedInBatchAndTrustedWhenTheUserSaysSo)
{
    QFile::remove(dir + QStringLiteral("/user_known_hosts"));
    UploadReport r = Uploader::run(job());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.unknownHost);
    EXPECT_TRUE(r.error.contains(server->knownHostsLine())) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QStringLiteral("SHA256:"))) << r.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(remote));

    UploadHooks hooks;
    QString askedName;
    HostKey askedKey;
    hooks.trustNewHost = [&](const QString &name, const HostKey &key) {
        askedName = name;
        askedKey = key;
        return false;
    };
    r = Uploader::run(job(), hooks);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(askedName, server->knownHostsName());
    EXPECT_EQ(askedKey.type, QStringLiteral("ssh-ed25519"));
    EXPECT_FALSE(QFileInfo::exists(dir + QStringLiteral("/own_known_hosts")));

    hooks.trustNewHost = [](const QString &, const HostKey &) { return true; };
    r = Uploader::run(job(), hooks);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    QFile own(dir + QStringLiteral("/own_known_hosts"));
    ASSERT_TRUE(own.open(QIODevice::ReadOnly));
    EXPECT_EQ(own.readAll(), server->knownHostsLine().toUtf8() + '\n');
    EXPECT_TRUE(Uploader::run(job()).ok) << "trusted from now on, without asking";
}

TEST_F(UploaderTest, AWrongKeyGivesAnAuthenticationMessage)
{
    UploadJob j = job();
    j.settings.keyFile = server->wrongKey();
    const UploadReport r = Uploader::run(j);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.loginFailed);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("Cannot log in to 127.0.0.1: The server refused the key ")))
        << r.error.toStdString();
    EXPECT_FALSE(QFileInfo::exists(remote));
}

TEST_F(UploaderTest, TheAgentLogsIn)
{
    const QString socket = server->startAgent();
    ASSERT_FALSE(socket.isEmpty());
    const QByteArray before = qgetenv("SSH_AUTH_SOCK");
    qputenv("SSH_AUTH_SOCK", socket.toUtf8());
    UploadJob j = job();
    j.settings.login = UploadSettings::Login::Agent;
    const UploadReport r = Uploader::run(j);
    qputenv("SSH_AUTH_SOCK", before);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));
}

TEST_F(UploaderTest, ACutConnectionLeavesNoHalfFileAndTheNextUploadCompletes)
{
    ASSERT_TRUE(Uploader::run(job()).ok);
    const QByteArray oldPicture = test::treeOf(remote).value(QStringLiteral("img/logo.gif"));
    test::writeSiteFile(root + QStringLiteral("/img/logo.gif"), bigPicture());
    test::writeSiteFile(root + QStringLiteral("/img/zz.gif"), "after the cut");

    bool cut = false;
    UploadHooks hooks;
    hooks.progress = [&](const UploadProgress &p) {
        if (!cut && p.current == QLatin1String("img/logo.gif") && p.bytesDone > (1 << 20)) {
            cut = true;
            server->killSessions();
        }
        return true;
    };
    UploadReport r = Uploader::run(job(), hooks);
    EXPECT_TRUE(cut);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.cancelled);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("The upload stopped at img/logo.gif: "))) << r.error.toStdString();
    // The old picture is still whole under its name; the new one is not there.
    const QMap<QString, QByteArray> halfway = test::treeOf(remote);
    EXPECT_EQ(halfway.value(QStringLiteral("img/logo.gif")), oldPicture);
    EXPECT_FALSE(halfway.contains(QStringLiteral("img/zz.gif")));

    r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.sent, (QStringList{QStringLiteral("img/logo.gif"), QStringLiteral("img/zz.gif")}));
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));
    EXPECT_TRUE(temporaries(remote).isEmpty()) << temporaries(remote).join(u' ').toStdString();
}

TEST_F(UploaderTest, CancelStopsBetweenFilesAndTheNextUploadGoesOn)
{
    int calls = 0;
    UploadHooks hooks;
    hooks.progress = [&](const UploadProgress &p) { return ++calls < 3 || p.filesDone < 2; };
    UploadReport r = Uploader::run(job(), hooks);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.sent.size(), 2);
    EXPECT_TRUE(r.error.contains(QStringLiteral("The upload stopped at "))) << r.error.toStdString();
    EXPECT_TRUE(temporaries(remote).isEmpty());
    r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.sent.size(), 4);
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));
}

TEST_F(UploaderTest, ARefusedWriteStopsWithAMessageNamingTheFile)
{
    QDir().mkpath(remote);
    ASSERT_TRUE(server->restartReadOnly(true)) << server->error().toStdString();
    test::writeSiteFile(dir + QStringLiteral("/user_known_hosts"), server->knownHostsLine().toUtf8() + '\n');
    UploadJob j = job();
    // Only the top folder's files: the server refuses every write.
    const UploadReport r = Uploader::run(j);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("permission denied"))) << r.error.toStdString();
    EXPECT_TRUE(r.sent.isEmpty());
    EXPECT_TRUE(test::treeOf(remote).isEmpty());
}

TEST_F(UploaderTest, DeleteRemovesOnlyWhatIsNoLongerPublished)
{
    ASSERT_TRUE(Uploader::run(job()).ok);
    test::writeSiteFile(remote + QStringLiteral("/theirs.html"), "not ours");
    ASSERT_TRUE(QFile::remove(root + QStringLiteral("/about/me.html")));

    UploadReport r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.obsolete, QStringList{QStringLiteral("about/me.html")});
    EXPECT_TRUE(r.deleted.isEmpty());
    EXPECT_TRUE(QFileInfo::exists(remote + QStringLiteral("/about/me.html")));

    UploadJob j = job();
    j.deleteObsolete = true;
    j.dryRun = true;
    r = Uploader::run(j);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.deleted, QStringList{QStringLiteral("about/me.html")});
    EXPECT_TRUE(QFileInfo::exists(remote + QStringLiteral("/about/me.html"))) << "a dry run changes nothing";

    j.dryRun = false;
    r = Uploader::run(j);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.deleted, QStringList{QStringLiteral("about/me.html")});
    EXPECT_FALSE(QFileInfo::exists(remote + QStringLiteral("/about/me.html")));
    EXPECT_TRUE(QFileInfo::exists(remote + QStringLiteral("/theirs.html")));
    EXPECT_TRUE(QFileInfo::exists(remote + QStringLiteral("/about/deep/er/page.htm")));
}

TEST_F(UploaderTest, ADryRunListsEverythingAndChangesNothing)
{
    UploadJob j = job();
    j.dryRun = true;
    const UploadReport r = Uploader::run(j);
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.sent.size(), 6);
    EXPECT_FALSE(QFileInfo::exists(remote));
    EXPECT_FALSE(QFileInfo::exists(j.manifestFile));
}

TEST_F(UploaderTest, NamesWithDotDotAndLinksOutOfTheSiteAreRefusedBeforeAnythingIsSent)
{
    const struct {
        const char *name;
        std::function<void()> plant;
        const char *reason;
    } cases[] = {
        {"backslash dot-dot name", [&] { test::writeSiteFile(root + QStringLiteral("/..\\..\\evil.html"), "x"); }, "backslash"},
        {"link out of the published folder", [&] {
             ASSERT_TRUE(Uploader::run([&] { UploadJob d = job(); d.dryRun = true; return d; }()).ok);
             QFile::link(QStringLiteral("/etc/hostname"), site() + QStringLiteral("/hostname.html"));
         }, "outside the published folder"},
    };
    for (const auto &c : cases) {
        QDir(root).removeRecursively();
        QDir(published).removeRecursively();
        test::writeSiteFile(root + QStringLiteral("/index.html"), "<P>x</P>");
        c.plant();
        const UploadReport r = Uploader::run(job());
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_TRUE(r.error.contains(QString::fromLatin1(c.reason))) << c.name << ": " << r.error.toStdString();
        EXPECT_TRUE(r.sent.isEmpty()) << c.name;
        EXPECT_FALSE(QFileInfo::exists(remote)) << c.name;
    }
}

TEST_F(UploaderTest, AFolderLinkOnTheServerIsNotWrittenThrough)
{
    const QString elsewhere = dir + QStringLiteral("/elsewhere");
    QDir().mkpath(elsewhere);
    QDir().mkpath(remote);
    ASSERT_TRUE(QFile::link(elsewhere, remote + QStringLiteral("/img")));
    const UploadReport r = Uploader::run(job());
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.contains(QStringLiteral("\"img\""))) << r.error.toStdString();
    EXPECT_TRUE(QDir(elsewhere).isEmpty());
    EXPECT_TRUE(r.sent.isEmpty());
}

TEST_F(UploaderTest, ALargeUploadOverSeveralConnectionsStopsCleanlyAndCompletes)
{
    for (int i = 0; i < 90; ++i)
        test::writeSiteFile(root + QStringLiteral("/many/p%1.html").arg(i), QByteArray(500 + i, 'a' + i % 26));
    UploadReport r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.sent.size(), 96);
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));

    for (int i = 0; i < 90; ++i)
        test::writeSiteFile(root + QStringLiteral("/many/p%1.html").arg(i), QByteArray(900 + i, 'A' + i % 26));
    bool cut = false;
    UploadHooks hooks;
    hooks.progress = [&](const UploadProgress &p) {
        if (!cut && p.filesDone >= 30) {
            cut = true;
            server->killSessions();
        }
        return true;
    };
    r = Uploader::run(job(), hooks);
    EXPECT_TRUE(cut);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.error.startsWith(QStringLiteral("The upload stopped at many/p"))) << r.error.toStdString();
    // Every page on the server is whole: the old one or the new one.
    const QMap<QString, QByteArray> halfway = test::treeOf(remote);
    for (int i = 0; i < 90; ++i) {
        const QByteArray page = halfway.value(QStringLiteral("many/p%1.html").arg(i));
        EXPECT_TRUE(page.isEmpty() || page == QByteArray(500 + i, 'a' + i % 26) || page == QByteArray(900 + i, 'A' + i % 26))
            << i;
    }

    r = Uploader::run(job());
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(test::treeOf(remote), test::treeOf(site()));
    EXPECT_TRUE(temporaries(remote).isEmpty());
}
