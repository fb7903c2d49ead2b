#include "directorytable.h"
#include "pathtourl.h"
#include "projectpaths.h"
#include "testsandbox.h"
#include "tinifil.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(ProjectPathsTest, PiecesWithEitherSeparator)
{
    EXPECT_EQ(ProjectPaths::fileName(QStringLiteral("C:\\web\\a.gif")), QStringLiteral("a.gif"));
    EXPECT_EQ(ProjectPaths::fileName(QStringLiteral("/home/u/a.gif")), QStringLiteral("a.gif"));
    EXPECT_EQ(ProjectPaths::fileName(QStringLiteral("C:a.gif")), QStringLiteral("a.gif"));
    EXPECT_EQ(ProjectPaths::directoryPart(QStringLiteral("C:\\web/img\\a.gif")), QStringLiteral("C:\\web/img\\"));
    EXPECT_EQ(ProjectPaths::directoryPart(QStringLiteral("a.gif")), QString());
    EXPECT_EQ(ProjectPaths::extension(QStringLiteral("/a.b/c")), QString());
    EXPECT_EQ(ProjectPaths::extension(QStringLiteral("/a/web.LMP")), QStringLiteral(".LMP"));
    EXPECT_EQ(ProjectPaths::changeExtension(QStringLiteral("/a.b/web"), QStringLiteral(".lmo")), QStringLiteral("/a.b/web.lmo"));
    EXPECT_EQ(ProjectPaths::changeExtension(QStringLiteral("C:\\w\\web.lmp"), QStringLiteral(".lmu")), QStringLiteral("C:\\w\\web.lmu"));
    EXPECT_EQ(ProjectPaths::changeExtension(QStringLiteral("Project 1"), QStringLiteral(".lmo")), QStringLiteral("Project 1.lmo"));
}

TEST(ProjectPathsTest, IsBelow)
{
    QString rel;
    EXPECT_TRUE(ProjectPaths::isBelow(QStringLiteral("C:\\web\\a\\b.html"), QStringLiteral("C:\\web"), &rel));
    EXPECT_EQ(rel, QStringLiteral("a/b.html"));
    EXPECT_TRUE(ProjectPaths::isBelow(QStringLiteral("/w/a.html"), QStringLiteral("/w/"), &rel));
    EXPECT_EQ(rel, QStringLiteral("a.html"));
    EXPECT_FALSE(ProjectPaths::isBelow(QStringLiteral("/website/a.html"), QStringLiteral("/web")));
    EXPECT_FALSE(ProjectPaths::isBelow(QStringLiteral("/web"), QStringLiteral("/web")));
    EXPECT_FALSE(ProjectPaths::isBelow(QStringLiteral("/Web/a"), QStringLiteral("/web")));
    EXPECT_FALSE(ProjectPaths::isBelow(QStringLiteral("/web/a"), QString()));
}

TEST(PathToUrlTest, SlashConversion)
{
    EXPECT_EQ(PathToUrl::slashConvert(QStringLiteral("C:\\web\\img\\a.gif")), QStringLiteral("C:/web/img/a.gif"));
    EXPECT_EQ(PathToUrl::slashConvert(QStringLiteral("a/b")), QStringLiteral("a/b"));
}

struct RootCase {
    const char *name;
    const char *root;
    bool autoUrl;
    const char *path;
    const char *result;
    bool replaced;
};

class RootReplacementTest : public ::testing::TestWithParam<RootCase> {};

TEST_P(RootReplacementTest, Replaces)
{
    const RootCase c = GetParam();
    const RootReplacement r = PathToUrl::rootReplace(QString::fromUtf8(c.root), c.autoUrl, QString::fromUtf8(c.path));
    EXPECT_EQ(r.path, QString::fromUtf8(c.result));
    EXPECT_EQ(r.replaced, c.replaced);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RootReplacementTest,
    ::testing::Values(
        RootCase{"example", "C:\\web\\", true, "C:\\web\\img\\a.gif", "img/a.gif", true},
        RootCase{"index", "C:\\web\\", true, "C:\\web\\index.html", "index.html", true},
        RootCase{"no_trailing_separator", "C:\\web", true, "C:\\web\\img\\a.gif", "/img/a.gif", true},
        RootCase{"auto_off_keeps_path", "C:\\web\\", false, "C:\\web\\a.gif", "C:\\web\\a.gif", true},
        RootCase{"file_url_auto_off", "file:///C:\\web\\", false, "C:\\web\\a.gif", "file:///C:\\web\\a.gif", true},
        RootCase{"file_url_auto_on", "file:///C:\\web\\", true, "C:\\web\\img\\a.gif", "img/a.gif", true},
        RootCase{"outside", "C:\\web\\", true, "D:\\pics\\a.gif", "D:\\pics\\a.gif", false},
        RootCase{"case_differs", "C:\\web\\", true, "c:\\web\\a.gif", "c:\\web\\a.gif", false},
        RootCase{"linux", "/home/u/web/", true, "/home/u/web/img/a.gif", "img/a.gif", true}),
    [](const auto &info) { return std::string(info.param.name); });

class PathToUrlFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString dir = test::TestSandbox::makeDir(QStringLiteral("pathtourl"));
        m_options = dir + QStringLiteral("/site.lmo");
        m_table = dir + QStringLiteral("/site.lmu");
    }
    void options(bool useRoot, const QString &root, bool autoUrl, bool use)
    {
        tinifil o(m_options);
        ASSERT_TRUE(o.writeuseroot(useRoot));
        ASSERT_TRUE(o.writeroot(root));
        ASSERT_TRUE(o.writeauto(autoUrl));
        ASSERT_TRUE(o.writeuse(use));
    }
    void table(const QList<DirectoryRow> &rows)
    {
        QFile f(m_table);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(DirectoryTable::encode(rows));
    }
    QString url(const QString &path) const { return PathToUrl::pathToUrl(m_options, m_table, path); }
    QString m_options;
    QString m_table;
};

TEST_F(PathToUrlFiles, RootReplacementWhenTheRootIsUsed)
{
    options(true, QStringLiteral("C:\\web\\"), true, false);
    EXPECT_EQ(url(QStringLiteral("C:\\web\\index.html")), QStringLiteral("index.html"));
    EXPECT_EQ(url(QStringLiteral("C:\\web\\img\\a.gif")), QStringLiteral("img/a.gif"));
}

TEST_F(PathToUrlFiles, OutsideTheRootWithoutTableGivesTheFileName)
{
    options(true, QStringLiteral("C:\\web\\"), true, false);
    EXPECT_EQ(url(QStringLiteral("D:\\pics\\a.gif")), QStringLiteral("a.gif"));
}

TEST_F(PathToUrlFiles, RootNotUsedGivesTheFileName)
{
    options(false, QStringLiteral("C:\\web\\"), true, false);
    EXPECT_EQ(url(QStringLiteral("C:\\web\\img\\a.gif")), QStringLiteral("a.gif"));
}

TEST_F(PathToUrlFiles, NoOptionsFileAtAll)
{
    EXPECT_EQ(PathToUrl::pathToUrl(QString(), QString(), QStringLiteral("/x/y/a.gif")), QStringLiteral("a.gif"));
}

struct TableCase {
    const char *name;
    bool use;
    bool autoUrl;
    const char *path;
    const char *result;
};

class DirectoryTableCases : public PathToUrlFiles, public ::testing::WithParamInterface<TableCase> {};

TEST_P(DirectoryTableCases, Rows)
{
    const TableCase c = GetParam();
    options(false, QStringLiteral("C:\\web\\"), c.autoUrl, c.use);
    table({{QStringLiteral("C:\\Pics"), QStringLiteral("http://x.org/pics/")},
           {QStringLiteral("file:///D:\\img"), QStringLiteral("img/")},
           {QStringLiteral("C:\\pics"), QStringLiteral("second/")},
           {QStringLiteral("/home/u/art"), QStringLiteral("art/")}});
    EXPECT_EQ(url(QString::fromUtf8(c.path)), QString::fromUtf8(c.result));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DirectoryTableCases,
    ::testing::Values(
        TableCase{"use_off", false, true, "C:\\Pics\\a.gif", "a.gif"},
        TableCase{"url", true, true, "C:\\Pics\\a.gif", "http://x.org/pics/a.gif"},
        TableCase{"case_insensitive_first_row_wins", true, true, "c:\\PICS\\a.gif", "http://x.org/pics/a.gif"},
        TableCase{"directory", true, false, "C:\\Pics\\a.gif", "C:\\Pics\\a.gif"},
        TableCase{"directory_of_row", true, false, "c:\\pics\\a.gif", "C:\\Pics\\a.gif"},
        TableCase{"file_url_put_back", true, false, "D:\\img\\b.jpg", "file:///D:\\img\\b.jpg"},
        TableCase{"file_url_with_url", true, true, "D:\\img\\b.jpg", "img/b.jpg"},
        TableCase{"subdirectory_no_match", true, true, "C:\\Pics\\sub\\a.gif", "a.gif"},
        TableCase{"no_match", true, true, "E:\\x\\a.gif", "a.gif"},
        TableCase{"linux_row", true, true, "/home/u/art/p.gif", "art/p.gif"},
        TableCase{"linux_row_directory", true, false, "/home/u/art/p.gif", "/home/u/art/p.gif"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(PathToUrlFiles, RootWinsOverTheTable)
{
    options(true, QStringLiteral("C:\\web\\"), true, true);
    table({{QStringLiteral("C:\\web\\img"), QStringLiteral("http://x.org/img/")}});
    EXPECT_EQ(url(QStringLiteral("C:\\web\\img\\a.gif")), QStringLiteral("img/a.gif"));
    // Outside the root the table answers.
    table({{QStringLiteral("C:\\other"), QStringLiteral("http://x.org/o/")}});
    EXPECT_EQ(url(QStringLiteral("C:\\other\\a.gif")), QStringLiteral("http://x.org/o/a.gif"));
}

TEST_F(PathToUrlFiles, TruncatedTableIsReadToItsLastWholeRow)
{
    options(false, QString(), true, true);
    QByteArray bytes = DirectoryTable::encode({{QStringLiteral("C:\\a"), QStringLiteral("u/")},
                                               {QStringLiteral("C:\\b"), QStringLiteral("v/")}});
    QFile f(m_table);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes.left(512 + 200));
    f.close();
    EXPECT_EQ(url(QStringLiteral("C:\\a\\x.gif")), QStringLiteral("u/x.gif"));
    EXPECT_EQ(url(QStringLiteral("C:\\b\\x.gif")), QStringLiteral("x.gif"));
}
