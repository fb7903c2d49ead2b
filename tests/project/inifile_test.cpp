#include "inifile.h"
#include "testsandbox.h"
#include "tinifil.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QByteArray readAll(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(IniFileTest, LookupFollowsThePrivateProfileRules)
{
    const QStringList lines{QStringLiteral("; comment"),
                            QStringLiteral("key=outside"),
                            QStringLiteral("[Root]"),
                            QStringLiteral("  Path = C:\\web\\  "),
                            QStringLiteral("quoted=\"a b\""),
                            QStringLiteral("empty="),
                            QStringLiteral("[other]"),
                            QStringLiteral("path=nope"),
                            QStringLiteral("[root]"),
                            QStringLiteral("late=second section is not read")};
    QString v;
    ASSERT_TRUE(IniFile::lookup(lines, QStringLiteral("root"), QStringLiteral("path"), &v));
    EXPECT_EQ(v, QStringLiteral("C:\\web\\"));
    ASSERT_TRUE(IniFile::lookup(lines, QStringLiteral("ROOT"), QStringLiteral("QUOTED"), &v));
    EXPECT_EQ(v, QStringLiteral("a b"));
    ASSERT_TRUE(IniFile::lookup(lines, QStringLiteral("root"), QStringLiteral("empty"), &v));
    EXPECT_EQ(v, QString());
    EXPECT_FALSE(IniFile::lookup(lines, QStringLiteral("root"), QStringLiteral("key"), &v));
    EXPECT_FALSE(IniFile::lookup(lines, QStringLiteral("root"), QStringLiteral("late"), &v));
    EXPECT_FALSE(IniFile::lookup(lines, QStringLiteral("missing"), QStringLiteral("path"), &v));
}

TEST(IniFileTest, UpdateKeepsOtherLines)
{
    const QStringList lines{QStringLiteral("; my notes"), QStringLiteral("[root]"),
                            QStringLiteral("Path=old"), QStringLiteral("use=1"), QString(),
                            QStringLiteral("[publish]"), QStringLiteral("convchar=0")};
    // Replace in place, keeping the key's spelling.
    EXPECT_EQ(IniFile::update(lines, QStringLiteral("ROOT"), QStringLiteral("path"), QStringLiteral("new")),
              QStringList({"; my notes", "[root]", "Path=new", "use=1", "", "[publish]", "convchar=0"}));
    // A new key goes after the section's last entry, before the blank line.
    EXPECT_EQ(IniFile::update(lines, QStringLiteral("root"), QStringLiteral("extra"), QStringLiteral("x")),
              QStringList({"; my notes", "[root]", "Path=old", "use=1", "extra=x", "", "[publish]", "convchar=0"}));
    // A new section goes at the end.
    EXPECT_EQ(IniFile::update(lines, QStringLiteral("autourl"), QStringLiteral("auto"), QStringLiteral("1")),
              QStringList({"; my notes", "[root]", "Path=old", "use=1", "", "[publish]", "convchar=0",
                           "[autourl]", "auto=1"}));
}

class TinifilTest : public ::testing::Test {
protected:
    void SetUp() override { m_dir = test::TestSandbox::makeDir(QStringLiteral("tinifil")); }
    QString file(const QString &name) const { return m_dir + u'/' + name; }
    QString m_dir;
};

TEST_F(TinifilTest, DefaultsOfAMissingFile)
{
    const tinifil o(file(QStringLiteral("missing.lmo")));
    EXPECT_EQ(o.readroot(), QStringLiteral("c:\\"));
    EXPECT_FALSE(o.readuseroot());
    EXPECT_EQ(o.readimageroot(), QStringLiteral("c:\\"));
    EXPECT_FALSE(o.readuseimageroot());
    EXPECT_TRUE(o.readconvchar());
    EXPECT_FALSE(o.readauto());
    EXPECT_FALSE(o.readuse());
}

TEST_F(TinifilTest, WritesTheWindowsLayout)
{
    const QString name = file(QStringLiteral("site.lmo"));
    tinifil o(name);
    ASSERT_TRUE(o.writeroot(QStringLiteral("C:\\web\\")));
    ASSERT_TRUE(o.writeuseroot(true));
    ASSERT_TRUE(o.writeimageroot(QStringLiteral("file:///C:\\web\\img")));
    ASSERT_TRUE(o.writeuseimageroot(false));
    ASSERT_TRUE(o.writeconvchar(false));
    ASSERT_TRUE(o.writeauto(true));
    ASSERT_TRUE(o.writeuse(true));
    EXPECT_EQ(readAll(name), QByteArray("[root]\r\npath=C:\\web\\\r\nuse=1\r\n"
                                        "[imageroot]\r\npath=file:///C:\\web\\img\r\nuse=0\r\n"
                                        "[publish]\r\nconvchar=0\r\n"
                                        "[autourl]\r\nauto=1\r\nuse=1\r\n"));
    EXPECT_EQ(o.readroot(), QStringLiteral("C:\\web\\"));
    EXPECT_TRUE(o.readuseroot());
    EXPECT_EQ(o.readimageroot(), QStringLiteral("file:///C:\\web\\img"));
    EXPECT_FALSE(o.readuseimageroot());
    EXPECT_FALSE(o.readconvchar());
    EXPECT_TRUE(o.readauto());
    EXPECT_TRUE(o.readuse());
}

struct FlagCase {
    const char *name;
    const char *value;
    bool expected; ///< with default on
    bool expectedOff; ///< with default off
};

class TinifilFlags : public TinifilTest, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(TinifilFlags, FlagsAreReadAsIntegers)
{
    const FlagCase c = GetParam();
    const QString name = file(QStringLiteral("flags.lmo"));
    writeAll(name, QByteArray("[PUBLISH]\r\nConvChar=") + c.value + "\r\n[root]\r\nuse=" + c.value + "\r\n");
    const tinifil o(name);
    EXPECT_EQ(o.readconvchar(), c.expected);
    EXPECT_EQ(o.readuseroot(), c.expectedOff);
}

INSTANTIATE_TEST_SUITE_P(Values, TinifilFlags,
                         ::testing::Values(FlagCase{"zero", "0", false, false}, FlagCase{"one", "1", true, true},
                                           FlagCase{"two", "2", true, true}, FlagCase{"minus", "-1", true, true},
                                           FlagCase{"hex", "0x10", true, true}, FlagCase{"hexzero", "0x0", false, false},
                                           FlagCase{"word", "yes", true, false}, FlagCase{"empty", "", true, false},
                                           FlagCase{"spaced", "  0  ", false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(TinifilTest, ForeignLinesAndEncodingSurviveAWrite)
{
    const QString name = file(QStringLiteral("keep.lmo"));
    writeAll(name, QByteArray("; written by hand\n[root]\nPATH=C:\\Caf\xE9\n\n[mine]\nx=y\n"));
    tinifil o(name);
    EXPECT_EQ(o.readroot(), QStringLiteral("C:\\Caf\u00e9"));
    ASSERT_TRUE(o.writeuseroot(true));
    EXPECT_EQ(readAll(name), QByteArray("; written by hand\r\n[root]\r\nPATH=C:\\Caf\xE9\r\nuse=1\r\n\r\n[mine]\r\nx=y\r\n"));
}

TEST_F(TinifilTest, TextWindows1252CannotHoldIsWrittenAsUtf8)
{
    const QString name = file(QStringLiteral("wide.lmo"));
    tinifil o(name);
    ASSERT_TRUE(o.writeroot(QStringLiteral("/home/\u65e5")));
    EXPECT_EQ(readAll(name), QByteArray("[root]\r\npath=/home/\xE6\x97\xA5\r\n"));
    EXPECT_EQ(o.readroot(), QStringLiteral("/home/\u65e5"));
}

TEST_F(TinifilTest, FailedWriteSaysWhy)
{
    tinifil o(file(QStringLiteral("no/such/dir/x.lmo")));
    EXPECT_FALSE(o.writeauto(true));
    EXPECT_FALSE(o.lastError().isEmpty());
}
