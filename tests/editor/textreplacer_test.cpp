#include "projectfile.h"
#include "textreplacer.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QString replaceAll(const QString &text, qsizetype from, const QString &find, const QString &repl,
                   bool wholeWord = false, bool matchCase = true)
{
    const auto matches = TextReplacer::matches(text, from, find, repl, wholeWord, matchCase);
    return TextReplacer::apply(text, matches, find.size(), repl);
}

} // namespace

TEST(TextReplacerTest, ReplacementContainingTheFindTextDoesNotLoop)
{
    EXPECT_EQ(replaceAll(QStringLiteral("a a a"), 0, QStringLiteral("a"), QStringLiteral("aa")),
              QStringLiteral("aa aa aa"));
    EXPECT_EQ(replaceAll(QStringLiteral("aaaa"), 0, QStringLiteral("aa"), QStringLiteral("a")), QStringLiteral("aa"));
}

TEST(TextReplacerTest, StartsAtTheGivenPosition)
{
    EXPECT_EQ(replaceAll(QStringLiteral("x x x"), 1, QStringLiteral("x"), QStringLiteral("y")), QStringLiteral("x y y"));
    EXPECT_EQ(replaceAll(QStringLiteral("x"), 5, QStringLiteral("x"), QStringLiteral("y")), QStringLiteral("x"));
}

TEST(TextReplacerTest, MatchCaseAndWholeWord)
{
    EXPECT_EQ(replaceAll(QStringLiteral("Tab tab TAB"), 0, QStringLiteral("tab"), QStringLiteral("x"), false, false),
              QStringLiteral("x x x"));
    EXPECT_EQ(replaceAll(QStringLiteral("Tab tab TAB"), 0, QStringLiteral("tab"), QStringLiteral("x"), false, true),
              QStringLiteral("Tab x TAB"));
    EXPECT_EQ(replaceAll(QStringLiteral("<TABLE><TD>TABLE_1 TABLE"), 0, QStringLiteral("TABLE"), QStringLiteral("T"), true),
              QStringLiteral("<T><TD>TABLE_1 T"));
}

TEST(TextReplacerTest, WholeWordSeesTheReplacementBeforeTheNextMatch)
{
    // After "a" became "b", the next "a" follows the letter b: no longer a word.
    EXPECT_EQ(replaceAll(QStringLiteral("aa"), 0, QStringLiteral("a"), QStringLiteral("b"), true), QStringLiteral("aa"));
    EXPECT_EQ(replaceAll(QStringLiteral("a.a"), 0, QStringLiteral("a"), QStringLiteral("b"), true), QStringLiteral("b.b"));
    // "-a-a": once the first "-a" is gone the second stands at the start and
    // is a whole word; once it became "b" the second follows a letter.
    EXPECT_EQ(replaceAll(QStringLiteral("-a-a"), 0, QStringLiteral("-a"), QString(), true), QString());
    EXPECT_EQ(replaceAll(QStringLiteral("-a-a"), 0, QStringLiteral("-a"), QStringLiteral("b"), true), QStringLiteral("b-a"));
}

TEST(TextReplacerTest, EmptyFindTextReplacesNothing)
{
    EXPECT_TRUE(TextReplacer::matches(u"abc", 0, u"", u"x", false, false).isEmpty());
}

namespace {

QByteArray record(const QByteArray &path, char flag)
{
    QByteArray r(257, '\0');
    r[0] = char(path.size());
    r.replace(1, path.size(), path);
    r[256] = flag;
    return r;
}

} // namespace

TEST(ProjectListInReplaceTest, ReadsWholeRecordsAfterTheHeader)
{
    QByteArray image(256, 'H');
    image += record("/home/u/a.html", 1);
    image += record("Untitled 2", 0);
    image += record(QByteArray("/home/u/\xE6\xF8.htm"), 1);
    const auto records = ProjectFile::records(image);
    ASSERT_EQ(records.size(), 3);
    EXPECT_EQ(records[0].path, QStringLiteral("/home/u/a.html"));
    EXPECT_TRUE(records[0].open);
    EXPECT_EQ(records[1].path, QStringLiteral("Untitled 2"));
    EXPECT_FALSE(records[1].open);
    EXPECT_EQ(records[2].path, QString::fromUtf8("/home/u/\xC3\xA6\xC3\xB8.htm"));
}

TEST(ProjectListInReplaceTest, TruncatedAndHostileImages)
{
    EXPECT_TRUE(ProjectFile::records(QByteArray()).isEmpty());
    EXPECT_TRUE(ProjectFile::records(QByteArray(255, 'x')).isEmpty());
    EXPECT_TRUE(ProjectFile::records(QByteArray(256, 'x')).isEmpty());
    // A part record at the end is not read.
    QByteArray image(256, '\0');
    image += record("/a", 1);
    image += record("/b", 1).left(200);
    EXPECT_EQ(ProjectFile::records(image).size(), 1);
    // A length byte of 255 over garbage stays inside its record.
    QByteArray hostile(256, '\0');
    hostile += QByteArray(257, '\xFF');
    const auto records = ProjectFile::records(hostile);
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].path.size(), 255);
}
