// Publishing never reaches the originals through links, keeps the copies'
// permissions and times, and keeps a page's byte-order mark.
#include "projectfile.h"
#include "publisher.h"
#include "sitemirror.h"
#include "testsandbox.h"
#include "tinifil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QThread>
#include <unistd.h>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

void put(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    f.write(bytes);
}

QByteArray get(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Every file below a directory (links not followed) with its bytes.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString name = it.next();
        files.insert(QDir(dir).relativeFilePath(name), get(name));
    }
    return files;
}

class PublishSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        m_base = test::TestSandbox::makeDir(QStringLiteral("publishsafety"));
        m_root = m_base + QStringLiteral("/site/web");
        m_publish = m_base + QStringLiteral("/published files");
        m_options = m_base + QStringLiteral("/site.lmo");
        const QByteArray r = m_root.toUtf8();
        put(m_root + QStringLiteral("/index.html"), "<A HREF=\"" + r + "/sub/a.html\">a</A>\r\n");
        put(m_root + QStringLiteral("/sub/a.html"), "\xEF\xBB\xBF<A HREF=\"" + r + "/index.html\">home</A>\r\n\r\n");
        put(m_root + QStringLiteral("/sub/same.html"), "\xEF\xBB\xBFno paths here\r\n");
        put(m_root + QStringLiteral("/style.css"), "body { color: black }\n");
        put(m_root + QStringLiteral("/tool.sh"), "#!/bin/sh\n");
        QFile::setPermissions(m_root + QStringLiteral("/tool.sh"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup);
        m_pages = {{m_root + QStringLiteral("/index.html"), true},
                   {m_root + QStringLiteral("/sub/a.html"), true},
                   {m_root + QStringLiteral("/sub/same.html"), true}};
        tinifil o(m_options);
        ASSERT_TRUE(o.writeuseroot(true));
        ASSERT_TRUE(o.writeroot(m_root));
        ASSERT_TRUE(o.writeconvchar(false));
        m_before = snapshot(m_root);
    }

    PublishReport run()
    {
        Publisher::Job job;
        job.optionsFile = m_options;
        job.pages = m_pages;
        job.publishDirectory = m_publish;
        return Publisher::publish(job);
    }

    QString m_base, m_root, m_publish, m_options;
    QList<ProjectRecord> m_pages;
    QMap<QString, QByteArray> m_before;
};

} // namespace

// A link in the publish area that leads to the root, into it or above it:
// refused with a message naming the path, nothing written anywhere.
TEST_F(PublishSafety, LinksToTheRootAreRefusedAndNothingIsWritten)
{
    struct Case {
        const char *name;
        QString link;   // created in the publish area
        QString points; // where it points
    };
    const Case cases[] = {
        {"target is the root", QStringLiteral("/web"), m_root},
        {"target inside the root", QStringLiteral("/web"), m_root + QStringLiteral("/sub")},
        {"target holds the root", QStringLiteral("/web"), m_base + QStringLiteral("/site")},
        {"folder of the target is the root", QStringLiteral("/web/sub"), m_root},
        {"folder of the target inside the root", QStringLiteral("/web/sub"), m_root + QStringLiteral("/sub")},
    };
    for (const Case &c : cases) {
        QDir(m_publish).removeRecursively();
        QDir().mkpath(QFileInfo(m_publish + c.link).absolutePath());
        ASSERT_TRUE(QFile::link(c.points, m_publish + c.link)) << c.name;
        const PublishReport report = run();
        EXPECT_FALSE(report.ok) << c.name;
        EXPECT_TRUE(report.error.contains(QStringLiteral("nothing was published"))) << c.name;
        EXPECT_TRUE(report.error.contains(QFileInfo(c.link).fileName())) << report.error.toStdString();
        EXPECT_EQ(snapshot(m_root), m_before) << c.name;
        EXPECT_TRUE(QFileInfo(m_publish + c.link).isSymLink()) << c.name;
    }
}

TEST_F(PublishSafety, APublishDirectoryThatIsALinkIntoTheRootIsRefused)
{
    ASSERT_TRUE(QFile::link(m_root + QStringLiteral("/sub"), m_publish));
    const PublishReport report = run();
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(snapshot(m_root), m_before);
}

// A folder of the copy that links somewhere else is replaced by a real
// folder; what it pointed to stays as it was.
TEST_F(PublishSafety, OtherLinksInTheTargetAreNeverWrittenThrough)
{
    const QString elsewhere = m_base + QStringLiteral("/elsewhere");
    put(elsewhere + QStringLiteral("/a.html"), "keep me\r\n");
    put(elsewhere + QStringLiteral("/file.css"), "keep me too\r\n");
    QDir().mkpath(m_publish + QStringLiteral("/web"));
    ASSERT_TRUE(QFile::link(elsewhere, m_publish + QStringLiteral("/web/sub")));
    ASSERT_TRUE(QFile::link(elsewhere + QStringLiteral("/file.css"), m_publish + QStringLiteral("/web/style.css")));
    const PublishReport report = run();
    ASSERT_TRUE(report.ok) << report.error.toStdString();
    EXPECT_EQ(get(elsewhere + QStringLiteral("/a.html")), "keep me\r\n");
    EXPECT_EQ(get(elsewhere + QStringLiteral("/file.css")), "keep me too\r\n");
    EXPECT_FALSE(QFileInfo(m_publish + QStringLiteral("/web/sub")).isSymLink());
    EXPECT_EQ(get(m_publish + QStringLiteral("/web/sub/a.html")), "\xEF\xBB\xBF<A HREF=\"/index.html\">home</A>\r\n\r\n");
    EXPECT_EQ(get(m_publish + QStringLiteral("/web/style.css")), "body { color: black }\n");
    EXPECT_EQ(snapshot(m_root), m_before);
}

// A hard link in the copy names the same file as the original: the copy
// replaces the name instead of writing into the shared file.
TEST_F(PublishSafety, AHardLinkToAnOriginalIsReplacedNotWrittenInto)
{
    QDir().mkpath(m_publish + QStringLiteral("/web"));
    const QByteArray from = QFile::encodeName(m_root + QStringLiteral("/index.html"));
    const QByteArray to = QFile::encodeName(m_publish + QStringLiteral("/web/index.html"));
    ASSERT_EQ(::link(from.constData(), to.constData()), 0);
    ASSERT_TRUE(run().ok);
    EXPECT_EQ(snapshot(m_root), m_before);
    EXPECT_EQ(get(m_publish + QStringLiteral("/web/index.html")), "<A HREF=\"/sub/a.html\">a</A>\r\n");
}

TEST_F(PublishSafety, CopiesKeepPermissionsAndModificationTimes)
{
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1'000'000'000);
    for (const char *name : {"/style.css", "/tool.sh", "/sub/same.html", "/index.html"}) {
        QFile f(m_root + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(run().ok);
    const QString web = m_publish + QStringLiteral("/web");
    // Plain copies and unchanged pages: the original's time and mode.
    for (const char *name : {"/style.css", "/tool.sh", "/sub/same.html"}) {
        const QFileInfo copy(web + QLatin1String(name));
        EXPECT_EQ(copy.lastModified(), old) << name;
        EXPECT_EQ(copy.permissions(), QFileInfo(m_root + QLatin1String(name)).permissions()) << name;
    }
    EXPECT_EQ(get(web + QStringLiteral("/sub/same.html")), "\xEF\xBB\xBFno paths here\r\n");
    // A converted page is new text with the original's mode; publishing it
    // again unchanged leaves its time alone.
    const QFileInfo converted(web + QStringLiteral("/index.html"));
    EXPECT_NE(converted.lastModified(), old);
    EXPECT_EQ(converted.permissions(), QFileInfo(m_root + QStringLiteral("/index.html")).permissions());
    const QDateTime first = converted.lastModified();
    QThread::msleep(20);
    ASSERT_TRUE(run().ok);
    EXPECT_EQ(QFileInfo(web + QStringLiteral("/index.html")).lastModified(), first);
}

TEST(SiteMirrorPaths, ResolvedPathsFollowLinksAndKeepWhatIsMissing)
{
    const QString base = QFileInfo(test::TestSandbox::makeDir(QStringLiteral("resolved"))).canonicalFilePath();
    QDir().mkpath(base + QStringLiteral("/real/in"));
    ASSERT_TRUE(QFile::link(base + QStringLiteral("/real"), base + QStringLiteral("/link")));
    EXPECT_EQ(SiteMirror::resolvedPath(base + QStringLiteral("/link/in")), base + QStringLiteral("/real/in"));
    EXPECT_EQ(SiteMirror::resolvedPath(base + QStringLiteral("/link/new/deeper")),
              base + QStringLiteral("/real/new/deeper"));
    EXPECT_TRUE(SiteMirror::overlaps(base + QStringLiteral("/real"), base + QStringLiteral("/real/in")));
    EXPECT_TRUE(SiteMirror::overlaps(base + QStringLiteral("/real/in"), base + QStringLiteral("/real")));
    EXPECT_FALSE(SiteMirror::overlaps(base + QStringLiteral("/real"), base + QStringLiteral("/realm")));
}
