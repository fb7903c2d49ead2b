// The remote path rules: which names may be written below the remote
// folder, and how the folder itself is read.
#include "remotepath.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

struct NameCase {
    const char *name;
    bool safe;
};

const NameCase kNames[] = {
    {"index.html", true},
    {"img/logo.gif", true},
    {"a/b/c/d.html", true},
    {".htaccess", true},
    {"a..b.html", true},
    {"..hidden", true},
    {"caf\xC3\xA9/menu.html", true},
    {"", false},
    {"..", false},
    {"../index.html", false},
    {"a/../../etc/passwd", false},
    {"a/..", false},
    {"/etc/passwd", false},
    {"./index.html", false},
    {"a//b.html", false},
    {"a/", false},
    {"..\\..\\x.html", false},
    {"a\\b.html", false},
    {"line\nbreak.html", false},
    {"tab\there.html", false},
};

} // namespace

TEST(RemotePathTest, OnlyPlainNamesBelowTheFolderAreSafe)
{
    for (const NameCase &c : kNames) {
        QString why;
        EXPECT_EQ(RemotePath::isSafeRelative(QString::fromUtf8(c.name), &why), c.safe) << c.name;
        EXPECT_EQ(why.isEmpty(), c.safe) << c.name;
    }
}

TEST(RemotePathTest, TheFolderIsNormalizedAndRefusedWithDotDot)
{
    const struct {
        const char *folder;
        const char *normalized; // nullptr: refused
    } cases[] = {
        {"", ""},
        {"public_html", "public_html"},
        {"public_html/", "public_html"},
        {"/var/www/site/", "/var/www/site"},
        {"//var//www/./site", "/var/www/site"},
        {"/", "/"},
        {" site ", "site"},
        {"../other", nullptr},
        {"/var/www/../../etc", nullptr},
        {"si\x01te", nullptr},
    };
    for (const auto &c : cases) {
        const std::optional<QString> got = RemotePath::normalizedFolder(QString::fromUtf8(c.folder));
        if (!c.normalized)
            EXPECT_FALSE(got.has_value()) << c.folder;
        else
            EXPECT_EQ(got.value_or(QStringLiteral("<refused>")), QString::fromUtf8(c.normalized)) << c.folder;
    }
}

TEST(RemotePathTest, JoinedPathsAndTemporaryNamesStayInTheFolder)
{
    EXPECT_EQ(RemotePath::join(QString(), QStringLiteral("a/b.html")), QStringLiteral("a/b.html"));
    EXPECT_EQ(RemotePath::join(QStringLiteral("/"), QStringLiteral("a.html")), QStringLiteral("/a.html"));
    EXPECT_EQ(RemotePath::join(QStringLiteral("/srv/www"), QStringLiteral("a.html")), QStringLiteral("/srv/www/a.html"));
    EXPECT_EQ(RemotePath::temporaryFor(QStringLiteral("img/logo.gif"), 0xabc), QStringLiteral("img/.lumaro-000000000abc.tmp"));
    EXPECT_EQ(RemotePath::temporaryFor(QStringLiteral("index.html"), 0x1234567890abcdefULL),
              QStringLiteral(".lumaro-567890abcdef.tmp"));
    EXPECT_TRUE(RemotePath::isTemporaryName(QStringLiteral(".lumaro-567890abcdef.tmp")));
    EXPECT_FALSE(RemotePath::isTemporaryName(QStringLiteral(".lumaro-567890abcdef.tmp.html")));
    EXPECT_FALSE(RemotePath::isTemporaryName(QStringLiteral("lumaro-567890abcdef.tmp")));
}
