#include "directorytable.h"
#include "lpstring.h"
#include "projectfile.h"
#include "testsandbox.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

// A field written out by hand: length byte, the bytes, zeros to the size.
QByteArray field(const QByteArray &bytes, int size)
{
    QByteArray f(size, '\0');
    f[0] = static_cast<char>(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        f[1 + i] = bytes[i];
    return f;
}

} // namespace

TEST(LengthPrefixedStringTest, WritesLengthCharactersAndZeros)
{
    const QByteArray f = LengthPrefixedString::encode(QStringLiteral("C:\\web\\a.html"), 256);
    ASSERT_EQ(f.size(), 256);
    EXPECT_EQ(f.left(14), QByteArray("\x0D" "C:\\web\\a.html"));
    EXPECT_EQ(f.mid(14), QByteArray(242, '\0'));
}

TEST(LengthPrefixedStringTest, StoresWindows1252Bytes)
{
    const QByteArray f = LengthPrefixedString::encode(QStringLiteral("caf\u00e9 \u20ac"), 16);
    EXPECT_EQ(f, field(QByteArray("caf\xE9 \x80"), 16));
    EXPECT_EQ(LengthPrefixedString::decode(f.constData(), f.size(), 16), QStringLiteral("caf\u00e9 \u20ac"));
}

TEST(LengthPrefixedStringTest, PathWindows1252CannotHoldIsKeptAsUtf8)
{
    const QString path = QStringLiteral("/home/u/\u65e5\u672c/a.html");
    const QByteArray f = LengthPrefixedString::encode(path, 256);
    EXPECT_EQ(f, field(path.toUtf8(), 256));
    EXPECT_EQ(LengthPrefixedString::decode(f.constData(), f.size()), path);
}

TEST(LengthPrefixedStringTest, LongTextIsCutToTheField)
{
    const QByteArray f = LengthPrefixedString::encode(QString(300, u'x'), 256);
    ASSERT_EQ(f.size(), 256);
    EXPECT_EQ(static_cast<unsigned char>(f[0]), 255);
    EXPECT_EQ(LengthPrefixedString::decode(f.constData(), f.size()), QString(255, u'x'));
    // UTF-8 is never cut inside a character.
    const QString wide = QString(200, QChar(0x65e5));
    const QByteArray g = LengthPrefixedString::encode(wide, 256);
    EXPECT_EQ(static_cast<unsigned char>(g[0]), 255); // 85 characters of 3 bytes
    EXPECT_EQ(LengthPrefixedString::decode(g.constData(), g.size()), QString(85, QChar(0x65e5)));
}

TEST(LengthPrefixedStringTest, LengthByteNeverReadsPastFieldOrData)
{
    QByteArray small(10, 'a');
    small[0] = char(200);
    EXPECT_EQ(LengthPrefixedString::decode(small.constData(), small.size(), 256), QString(9, u'a'));
    QByteArray narrow(26, 'b');
    narrow[0] = char(255);
    EXPECT_EQ(LengthPrefixedString::decode(narrow.constData(), narrow.size(), 26), QString(25, u'b'));
    EXPECT_EQ(LengthPrefixedString::decode(nullptr, 0), QString());
    EXPECT_EQ(LengthPrefixedString::decode(narrow.constData(), 1), QString());
}

TEST(ProjectFileTest, HeaderAndRecordBytes)
{
    EXPECT_EQ(ProjectFile::header(QStringLiteral("C:\\web\\web.lmp")),
              field(QByteArray("C:\\web\\web.lmp"), 256));
    QByteArray open = field(QByteArray("C:\\web\\index.html"), 256);
    open.append('\1');
    EXPECT_EQ(ProjectFile::record(QStringLiteral("C:\\web\\index.html"), true), open);
    QByteArray closed = field(QByteArray("Untitled 2"), 256);
    closed.append('\0');
    EXPECT_EQ(ProjectFile::record(QStringLiteral("Untitled 2"), false), closed);
}

TEST(ProjectFileTest, ImageRoundTrip)
{
    const QList<ProjectRecord> records{{"/site/a.html", true}, {"/site/b.htm", false}, {"/site/c.txt", true}};
    const QByteArray image = ProjectFile::image(QStringLiteral("/site/site.lmp"), records);
    EXPECT_EQ(image.size(), 256 + 3 * 257);
    EXPECT_EQ(ProjectFile::headerPath(image), QStringLiteral("/site/site.lmp"));
    EXPECT_EQ(ProjectFile::records(image), records);
}

TEST(ProjectFileTest, ANonZeroFlagCountsAsOpen)
{
    QByteArray image = ProjectFile::image(QStringLiteral("p"), {{"x", false}});
    image[256 + 256] = char(7);
    EXPECT_TRUE(ProjectFile::records(image).first().open);
}

TEST(ProjectFileTest, HeaderOnlyImageHasNoRecords)
{
    EXPECT_TRUE(ProjectFile::records(ProjectFile::header(QStringLiteral("p"))).isEmpty());
}

struct TruncatedCase {
    const char *name;
    int extra;       ///< bytes after the header
    int records;     ///< whole records expected
};

class ProjectFileTruncation : public ::testing::TestWithParam<TruncatedCase> {};

TEST_P(ProjectFileTruncation, ReadsUpToTheLastWholeRecord)
{
    const TruncatedCase c = GetParam();
    QByteArray image = ProjectFile::header(QStringLiteral("p"));
    for (int i = 0; i < 3; ++i)
        image.append(ProjectFile::record(QStringLiteral("/f%1.html").arg(i), true));
    image = image.left(256 + c.extra);
    const QList<ProjectRecord> records = ProjectFile::records(image);
    ASSERT_EQ(records.size(), c.records);
    for (int i = 0; i < c.records; ++i)
        EXPECT_EQ(records[i].path, QStringLiteral("/f%1.html").arg(i));
    const QByteArray normal = ProjectFile::normalized(image);
    EXPECT_EQ(normal.size(), 256 + 257 * c.records);
}

INSTANTIATE_TEST_SUITE_P(Cuts, ProjectFileTruncation,
                         ::testing::Values(TruncatedCase{"none", 0, 0}, TruncatedCase{"one_byte", 1, 0},
                                           TruncatedCase{"path_only", 256, 0},
                                           TruncatedCase{"one", 257, 1}, TruncatedCase{"one_and_half", 400, 1},
                                           TruncatedCase{"two_minus_flag", 513, 1},
                                           TruncatedCase{"three", 771, 3}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ProjectFileTest, ShortHeaderIsReadAsFarAsItGoes)
{
    QByteArray image("\xC8" "abc", 4); // says 200 characters, holds 3
    EXPECT_EQ(ProjectFile::headerPath(image), QStringLiteral("abc"));
    EXPECT_TRUE(ProjectFile::records(image).isEmpty());
    const QByteArray normal = ProjectFile::normalized(image);
    EXPECT_EQ(normal.size(), 256);
    EXPECT_EQ(normal.left(4), image);
    EXPECT_EQ(ProjectFile::normalized(QByteArray()).size(), 256);
}

TEST(ProjectFileTest, RandomBytesNeverCrashTheReaders)
{
    QRandomGenerator random(1234);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes(random.bounded(0, 2000), Qt::Uninitialized);
        for (char &b : bytes)
            b = static_cast<char>(random.bounded(256));
        const QList<ProjectRecord> records = ProjectFile::records(bytes);
        EXPECT_EQ(records.size(), bytes.size() < 256 ? 0 : (bytes.size() - 256) / 257);
        for (const ProjectRecord &r : records)
            EXPECT_LE(r.path.size(), 255);
        ProjectFile::headerPath(bytes);
        const QList<DirectoryRow> rows = DirectoryTable::parse(bytes);
        EXPECT_EQ(rows.size(), bytes.size() / 512);
    }
}

TEST(ProjectFileTest, FileWriteAndRead)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("projectfile"));
    const QString name = dir + QStringLiteral("/a.lmp");
    const QByteArray image = ProjectFile::image(name, {{"/x.html", true}});
    QString error;
    ASSERT_TRUE(ProjectFile::write(name, image, &error)) << error.toStdString();
    QByteArray back;
    ASSERT_TRUE(ProjectFile::read(name, &back, &error));
    EXPECT_EQ(back, image);
    EXPECT_FALSE(ProjectFile::read(dir + QStringLiteral("/missing.lmp"), &back, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(ProjectFile::write(dir + QStringLiteral("/no/such/dir/a.lmp"), image, &error));
}

TEST(DirectoryTableTest, RowsOfTheTable)
{
    QByteArray bytes = field("C:\\web\\img", 256) + field("http://x.org/img/", 256);
    bytes += field("file:///D:\\pics", 256) + field("pics/", 256);
    const QList<DirectoryRow> rows = DirectoryTable::parse(bytes);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].directory, QStringLiteral("C:\\web\\img"));
    EXPECT_EQ(rows[0].url, QStringLiteral("http://x.org/img/"));
    EXPECT_EQ(rows[1].directory, QStringLiteral("file:///D:\\pics"));
    EXPECT_EQ(rows[1].url, QStringLiteral("pics/"));
    EXPECT_EQ(DirectoryTable::encode(rows), bytes);
}

TEST(DirectoryTableTest, TruncatedAndHostileTables)
{
    QByteArray row = field("/a", 256) + field("u/", 256);
    // A row cut short is not read.
    EXPECT_EQ(DirectoryTable::parse(row + row.left(300)).size(), 1);
    EXPECT_TRUE(DirectoryTable::parse(row.left(511)).isEmpty());
    // Length bytes of 255 over garbage stay inside their fields.
    QByteArray hostile(512, '\xFF');
    const QList<DirectoryRow> rows = DirectoryTable::parse(hostile);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].directory.size(), 255);
    EXPECT_EQ(rows[0].url.size(), 255);
}

TEST(DirectoryTableTest, MissingFile)
{
    QList<DirectoryRow> rows;
    bool exists = true;
    EXPECT_FALSE(DirectoryTable::read(QStringLiteral("/no/such/file.lmu"), &rows, &exists));
    EXPECT_FALSE(exists);
    EXPECT_FALSE(DirectoryTable::read(QString(), &rows, &exists));
}
