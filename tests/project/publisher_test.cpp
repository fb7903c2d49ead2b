#include "projectfile.h"
#include "publisher.h"
#include "specialchars.h"
#include "testsandbox.h"
#include "tinifil.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

void writeFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    f.write(bytes);
}

QByteArray readFile(const QString &name)
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
        files.insert(QDir(dir).relativeFilePath(name), readFile(name));
    }
    return files;
}

} // namespace

TEST(PublishConversionTest, PathsLoseTheRootAndGetSlashes)
{
    const QString root = QStringLiteral("C:\\web");
    EXPECT_EQ(Publisher::convertPaths(QStringLiteral("<A HREF=\"C:\\web\\a\\b.html\">x</A><IMG SRC=\"C:\\web\\i.gif\">"), root),
              QStringLiteral("<A HREF=\"/a/b.html\">x</A><IMG SRC=\"/i.gif\">"));
    EXPECT_EQ(Publisher::convertPaths(QStringLiteral("<A HREF=\"C:\\web\\a.html\">"), QStringLiteral("C:\\web\\")),
              QStringLiteral("<A HREF=\"a.html\">"));
    // Backslashes outside the cut path stay.
    EXPECT_EQ(Publisher::convertPaths(QStringLiteral("a\\b \"C:\\web\\x\\y\" c\\d"), root),
              QStringLiteral("a\\b \"/x/y\" c\\d"));
}

TEST(PublishConversionTest, RootWithoutAQuoteAfterItLeavesTheRest)
{
    EXPECT_EQ(Publisher::convertPaths(QStringLiteral("\"C:\\web\\a\" and C:\\web\\b at the end"), QStringLiteral("C:\\web")),
              QStringLiteral("\"/a\" and C:\\web\\b at the end"));
    EXPECT_EQ(Publisher::convertPaths(QStringLiteral("C:\\web"), QStringLiteral("C:\\web")), QStringLiteral("C:\\web"));
    EXPECT_EQ(Publisher::convertPaths(QStringLiteral("x\"y"), QString()), QStringLiteral("x\"y"));
}

TEST(PublishConversionTest, ConvertiblePagesByExactExtension)
{
    EXPECT_TRUE(Publisher::isConvertiblePage(QStringLiteral("/a/b.html")));
    EXPECT_TRUE(Publisher::isConvertiblePage(QStringLiteral("/a/b.htm")));
    EXPECT_FALSE(Publisher::isConvertiblePage(QStringLiteral("/a/b.HTML")));
    EXPECT_FALSE(Publisher::isConvertiblePage(QStringLiteral("/a/b.Htm")));
    EXPECT_FALSE(Publisher::isConvertiblePage(QStringLiteral("/a/b.txt")));
    EXPECT_FALSE(Publisher::isConvertiblePage(QStringLiteral("/a.html/b")));
}

TEST(PublishConversionTest, PageConvertedInPlace)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("publishpage"));
    const QString page = dir + QStringLiteral("/a.htm");
    const QString upper = dir + QStringLiteral("/B.HTM");
    writeFile(page, "<A HREF=\"C:\\web\\x\\y.html\">\xE6</A>\n");
    writeFile(upper, "<A HREF=\"C:\\web\\x.html\">\n");
    const auto chars = [](const QString &t) { return QString(t).replace(QChar(0xE6), QStringLiteral("&aelig;")); };
    QString error;
    EXPECT_EQ(Publisher::publishPage(page, QStringLiteral("C:\\web"), chars, &error), Publisher::PageResult::Converted);
    EXPECT_EQ(readFile(page), QByteArray("<A HREF=\"/x/y.html\">&aelig;</A>\r\n"));
    // Nothing left to change: the file is not written again.
    EXPECT_EQ(Publisher::publishPage(page, QStringLiteral("C:\\web"), chars, &error), Publisher::PageResult::Unchanged);
    EXPECT_EQ(Publisher::publishPage(upper, QStringLiteral("C:\\web"), chars, &error), Publisher::PageResult::NotAPage);
    EXPECT_EQ(readFile(upper), QByteArray("<A HREF=\"C:\\web\\x.html\">\n"));
    EXPECT_EQ(Publisher::publishPage(dir + QStringLiteral("/missing.html"), QStringLiteral("C:\\web"), chars, &error),
              Publisher::PageResult::Failed);
    EXPECT_FALSE(error.isEmpty());
}

class PublisherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        m_base = test::TestSandbox::makeDir(QStringLiteral("publish"));
        m_root = m_base + QStringLiteral("/site/web");
        m_outside = m_base + QStringLiteral("/outside");
        m_publish = m_base + QStringLiteral("/pub");
        m_options = m_base + QStringLiteral("/site.lmo");
        m_chars = m_base + QStringLiteral("/spectags.dat");
        writeFile(m_chars, SpecialChars::toBytes(SpecialChars::standardPairs()));

        const QByteArray r = m_root.toUtf8();
        writeFile(m_root + QStringLiteral("/index.html"),
                  "<HTML>\r\n<A HREF=\"" + r + "/sub/page.htm\">Caf\xC3\xA9</A>\r\n<IMG SRC=\"" + r
                      + "\\img\\a.gif\">\r\n</HTML>\r\n");
        writeFile(m_root + QStringLiteral("/sub/page.htm"), "<A HREF=\"" + r + "/index.html\">home</A>\n");
        writeFile(m_root + QStringLiteral("/notes.txt"), "see \"" + r + "/index.html\"\r\n");
        writeFile(m_root + QStringLiteral("/UPPER.HTML"), "<A HREF=\"" + r + "/index.html\">x</A>\r\n");
        writeFile(m_root + QStringLiteral("/img/a.gif"), QByteArray("GIF89a\x01\x00\x01\x00\x00\xff\x00", 13));
        writeFile(m_root + QStringLiteral("/.hidden/secret.html"), "secret\r\n");
        writeFile(m_root + QStringLiteral("/.htaccess"), "Options -Indexes\n");
        writeFile(m_outside + QStringLiteral("/out.html"), "<A HREF=\"" + r + "/index.html\">x</A>\r\n");
        writeFile(m_outside + QStringLiteral("/deep/more.html"), "more\r\n");
        QFile::link(m_outside, m_root + QStringLiteral("/linkdir"));
        QFile::link(m_outside + QStringLiteral("/out.html"), m_root + QStringLiteral("/outlink.html"));
        QFile::link(m_root + QStringLiteral("/notes.txt"), m_root + QStringLiteral("/inlink.txt"));

        m_pages = {{m_root + QStringLiteral("/index.html"), true},
                   {m_root + QStringLiteral("/sub/page.htm"), false},
                   {m_root + QStringLiteral("/notes.txt"), true},
                   {m_root + QStringLiteral("/UPPER.HTML"), true},
                   {m_outside + QStringLiteral("/out.html"), true}};
        setOptions(true, m_root, true);
    }

    void setOptions(bool useRoot, const QString &root, bool convChar)
    {
        tinifil o(m_options);
        ASSERT_TRUE(o.writeuseroot(useRoot));
        ASSERT_TRUE(o.writeroot(root));
        ASSERT_TRUE(o.writeconvchar(convChar));
    }

    PublishReport run()
    {
        Publisher::Job job;
        job.optionsFile = m_options;
        job.pages = m_pages;
        job.publishDirectory = m_publish;
        job.specialCharsFile = m_chars;
        job.progress = [this](int done, int total) {
            EXPECT_LE(done, total);
            EXPECT_GT(done, m_lastDone);
            m_lastDone = done;
        };
        m_lastDone = 0;
        return Publisher::publish(job);
    }

    QString m_base, m_root, m_outside, m_publish, m_options, m_chars;
    QList<ProjectRecord> m_pages;
    int m_lastDone = 0;
};

TEST_F(PublisherTest, PublishesTheSite)
{
    const QMap<QString, QByteArray> before = snapshot(m_base + QStringLiteral("/site"));
    const PublishReport report = run();
    ASSERT_TRUE(report.ok) << report.error.toStdString();
    const QString target = m_publish + QStringLiteral("/web");
    EXPECT_EQ(report.targetDirectory, target);

    // Pages: paths below the root, forward slashes, entities.
    EXPECT_EQ(readFile(target + QStringLiteral("/index.html")),
              QByteArray("<HTML>\r\n<A HREF=\"/sub/page.htm\">Caf&eacute;</A>\r\n<IMG SRC=\"/img/a.gif\">\r\n</HTML>\r\n"));
    EXPECT_EQ(readFile(target + QStringLiteral("/sub/page.htm")), QByteArray("<A HREF=\"/index.html\">home</A>\r\n"));
    // A ".txt" page and an upper-case ".HTML" page are copied but not converted.
    EXPECT_EQ(readFile(target + QStringLiteral("/notes.txt")), before.value(QStringLiteral("web/notes.txt")));
    EXPECT_EQ(readFile(target + QStringLiteral("/UPPER.HTML")), before.value(QStringLiteral("web/UPPER.HTML")));
    // Other files are copied unchanged, dot files included.
    EXPECT_EQ(readFile(target + QStringLiteral("/img/a.gif")), before.value(QStringLiteral("web/img/a.gif")));
    EXPECT_EQ(readFile(target + QStringLiteral("/.htaccess")), QByteArray("Options -Indexes\n"));
    // A link inside the root is copied as its file; links out of it and
    // hidden directories are not followed.
    EXPECT_EQ(readFile(target + QStringLiteral("/inlink.txt")), before.value(QStringLiteral("web/notes.txt")));
    EXPECT_FALSE(QFileInfo(target + QStringLiteral("/inlink.txt")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/outlink.html")));
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/linkdir")));
    EXPECT_FALSE(QFileInfo::exists(target + QStringLiteral("/.hidden")));

    EXPECT_EQ(report.converted, 2);
    EXPECT_EQ(report.copied, 7);
    EXPECT_EQ(report.outsideRoot, QStringList{m_outside + QStringLiteral("/out.html")});
    EXPECT_TRUE(report.problems.isEmpty()) << report.problems.join(u'\n').toStdString();
    EXPECT_EQ(m_lastDone, 7);

    // The originals are unchanged, and nothing was written outside the publish directory.
    EXPECT_EQ(snapshot(m_base + QStringLiteral("/site")), before);
    EXPECT_EQ(readFile(m_outside + QStringLiteral("/out.html")),
              "<A HREF=\"" + m_root.toUtf8() + "/index.html\">x</A>\r\n");
    EXPECT_EQ(QDir(m_publish).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"web"});
}

TEST_F(PublisherTest, PublishingTwiceGivesFreshCopies)
{
    ASSERT_TRUE(run().ok);
    const QString target = m_publish + QStringLiteral("/web");
    const QMap<QString, QByteArray> first = snapshot(target);
    writeFile(target + QStringLiteral("/index.html"), "changed by hand");
    writeFile(target + QStringLiteral("/img/a.gif"), "changed");
    const PublishReport second = run();
    ASSERT_TRUE(second.ok);
    EXPECT_EQ(second.converted, 2);
    EXPECT_EQ(snapshot(target), first);
}

TEST_F(PublisherTest, RootEndingInASeparatorPublishesIntoThePublishDirectory)
{
    setOptions(true, m_root + u'/', true);
    const PublishReport report = run();
    ASSERT_TRUE(report.ok);
    EXPECT_EQ(report.targetDirectory, m_publish);
    EXPECT_EQ(readFile(m_publish + QStringLiteral("/sub/page.htm")), QByteArray("<A HREF=\"index.html\">home</A>\r\n"));
    // The root's own separator is part of it: a path written with "\" after
    // the root's directory does not begin with the root.
    EXPECT_EQ(readFile(m_publish + QStringLiteral("/index.html")),
              "<HTML>\r\n<A HREF=\"sub/page.htm\">Caf&eacute;</A>\r\n<IMG SRC=\"" + m_root.toUtf8()
                  + "\\img\\a.gif\">\r\n</HTML>\r\n");
}

TEST_F(PublisherTest, FileUrlRootIsMirroredWithoutItsPrefix)
{
    setOptions(true, QStringLiteral("file:///") + m_root, false);
    const PublishReport report = run();
    ASSERT_TRUE(report.ok) << report.error.toStdString();
    EXPECT_EQ(report.targetDirectory, m_publish + QStringLiteral("/web"));
    // The pages hold plain paths, which do not begin with the "file:///" root.
    EXPECT_EQ(readFile(m_publish + QStringLiteral("/web/sub/page.htm")),
              "<A HREF=\"" + m_root.toUtf8() + "/index.html\">home</A>\n");
}

TEST_F(PublisherTest, WithoutCharacterConversion)
{
    setOptions(true, m_root, false);
    ASSERT_TRUE(run().ok);
    EXPECT_EQ(readFile(m_publish + QStringLiteral("/web/index.html")),
              QByteArray("<HTML>\r\n<A HREF=\"/sub/page.htm\">Caf\xC3\xA9</A>\r\n<IMG SRC=\"/img/a.gif\">\r\n</HTML>\r\n"));
}

TEST_F(PublisherTest, PageWithoutLocalPathsStillGetsItsEntities)
{
    writeFile(m_root + QStringLiteral("/plain.html"), QByteArray("cr\xE8me\n")); // Windows-1252
    m_pages.append({m_root + QStringLiteral("/plain.html"), true});
    ASSERT_TRUE(run().ok);
    EXPECT_EQ(readFile(m_publish + QStringLiteral("/web/plain.html")), QByteArray("cr&egrave;me\r\n"));
}

TEST_F(PublisherTest, Windows1252PageStaysWindows1252)
{
    writeFile(m_root + QStringLiteral("/ansi.html"), "\"" + m_root.toUtf8() + "\\a.html\" \x80\r\n");
    m_pages.append({m_root + QStringLiteral("/ansi.html"), true});
    ASSERT_TRUE(run().ok);
    EXPECT_EQ(readFile(m_publish + QStringLiteral("/web/ansi.html")), QByteArray("\"/a.html\" \x80\r\n"));
}

TEST_F(PublisherTest, RootOptionOffPublishesNothing)
{
    setOptions(false, m_root, true);
    const PublishReport report = run();
    EXPECT_FALSE(report.ok);
    EXPECT_TRUE(report.rootOptionOff);
    EXPECT_FALSE(QFileInfo::exists(m_publish));
}

TEST_F(PublisherTest, MissingPublishDirectoryIsCreated)
{
    m_publish = m_base + QStringLiteral("/new/published files");
    const PublishReport report = run();
    ASSERT_TRUE(report.ok);
    EXPECT_TRUE(QFileInfo(m_publish + QStringLiteral("/web/index.html")).isFile());
}

TEST_F(PublisherTest, MissingCharacterTableStopsBeforeCopying)
{
    m_chars = m_base + QStringLiteral("/none.dat");
    const PublishReport report = run();
    EXPECT_FALSE(report.ok);
    EXPECT_TRUE(report.error.contains(QStringLiteral("none.dat")));
    EXPECT_FALSE(QFileInfo::exists(m_publish + QStringLiteral("/web")));
}

TEST_F(PublisherTest, MissingRootIsReported)
{
    setOptions(true, m_base + QStringLiteral("/nowhere"), true);
    const PublishReport report = run();
    EXPECT_FALSE(report.ok);
    EXPECT_TRUE(report.error.contains(QStringLiteral("nowhere")));
}

TEST_F(PublisherTest, RootInsideThePublishDirectoryIsRefused)
{
    m_publish = m_base + QStringLiteral("/site");
    const PublishReport report = run();
    EXPECT_FALSE(report.ok);
    EXPECT_FALSE(QFileInfo::exists(m_root + QStringLiteral("/web")));
    EXPECT_EQ(readFile(m_root + QStringLiteral("/sub/page.htm")),
              "<A HREF=\"" + m_root.toUtf8() + "/index.html\">home</A>\n");
}

TEST_F(PublisherTest, PublishDirectoryInsideTheRootIsRefused)
{
    // The copy would lie inside the originals' tree.
    m_publish = m_root + QStringLiteral("/pub");
    const QMap<QString, QByteArray> before = snapshot(m_root);
    const PublishReport report = run();
    EXPECT_FALSE(report.ok);
    EXPECT_TRUE(report.error.contains(QStringLiteral("nothing was published")));
    EXPECT_FALSE(QFileInfo::exists(m_publish));
    EXPECT_EQ(snapshot(m_root), before);
}

TEST_F(PublisherTest, MissingAndHiddenPagesAreNamedAndTheRestPublished)
{
    m_pages.prepend({m_root + QStringLiteral("/gone.html"), true});
    m_pages.append({m_root + QStringLiteral("/.hidden/secret.html"), true});
    m_pages.append({QStringLiteral("Untitled 3"), true});
    const PublishReport report = run();
    ASSERT_TRUE(report.ok);
    EXPECT_EQ(report.converted, 2);
    ASSERT_EQ(report.problems.size(), 2);
    EXPECT_TRUE(report.problems[0].contains(QStringLiteral("gone.html")));
    EXPECT_TRUE(report.problems[1].contains(QStringLiteral("secret.html")));
    EXPECT_TRUE(report.outsideRoot.contains(QStringLiteral("Untitled 3")));
}

TEST_F(PublisherTest, PublishesAProjectFileFromDisk)
{
    const QString project = m_base + QStringLiteral("/site.lmp");
    writeFile(project, ProjectFile::image(project, m_pages));
    setOptions(true, m_root, false);
    const PublishReport report = Publisher::publish(project, m_publish);
    ASSERT_TRUE(report.ok) << report.error.toStdString();
    EXPECT_EQ(report.converted, 2);
    EXPECT_EQ(report.outsideRoot.size(), 1);
    EXPECT_EQ(readFile(m_publish + QStringLiteral("/web/sub/page.htm")), QByteArray("<A HREF=\"/index.html\">home</A>\r\n"));
}
