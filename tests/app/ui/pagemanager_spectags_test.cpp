// The shipped special-character table "spectags.dat": its exact layout and
// contents, and that the generator in tools/ still produces it byte for byte.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString repositoryRoot()
{
    const QString data = qEnvironmentVariable("LUMARO_SOURCE_DATA_DIR");
    if (!data.isEmpty())
        return QFileInfo(data).absolutePath();
    return QDir(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../../.."))
        .absolutePath();
}

QByteArray shippedTable()
{
    QFile f(repositoryRoot() + QStringLiteral("/data/spectags.dat"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Pair {
    const char *entity;
    unsigned char code; // the letter in Windows-1252
};

// The palette's letters: the lower-case column, then the upper-case column.
constexpr Pair kPairs[55] = {
    {"&aelig;", 230},  {"&oslash;", 248}, {"&aring;", 229},  {"&agrave;", 224},
    {"&aacute;", 225}, {"&acirc;", 226},  {"&auml;", 228},   {"&atilde;", 227},
    {"&egrave;", 232}, {"&eacute;", 233}, {"&ecirc;", 234},  {"&euml;", 235},
    {"&ntilde;", 241}, {"&igrave;", 236}, {"&iacute;", 237}, {"&icirc;", 238},
    {"&iuml;", 239},   {"&ograve;", 242}, {"&oacute;", 243}, {"&ocirc;", 244},
    {"&ouml;", 246},   {"&otilde;", 245}, {"&ugrave;", 249}, {"&uacute;", 250},
    {"&ucirc;", 251},  {"&uuml;", 252},   {"&yacute;", 253}, {"&yuml;", 255},
    {"&AElig;", 198},  {"&Oslash;", 216}, {"&Aring;", 197},  {"&Agrave;", 192},
    {"&Aacute;", 193}, {"&Acirc;", 194},  {"&Auml;", 196},   {"&Atilde;", 195},
    {"&Egrave;", 200}, {"&Eacute;", 201}, {"&Ecirc;", 202},  {"&Euml;", 203},
    {"&Ntilde;", 209}, {"&Igrave;", 204}, {"&Iacute;", 205}, {"&Icirc;", 206},
    {"&Iuml;", 207},   {"&Ograve;", 210}, {"&Oacute;", 211}, {"&Ocirc;", 212},
    {"&Ouml;", 214},   {"&Otilde;", 213}, {"&Ugrave;", 217}, {"&Uacute;", 218},
    {"&Ucirc;", 219},  {"&Uuml;", 220},   {"&Yacute;", 221},
};

// One string of the table: a length byte and 25 bytes of text.
QByteArray entry(const QByteArray &table, int half, int index)
{
    const int at = half * 2600 + index * 26;
    const int length = static_cast<unsigned char>(table[at]);
    return table.mid(at + 1, qMin(length, 25));
}

TEST(SpecTagsTest, IsOneRecordOf5200Bytes)
{
    EXPECT_EQ(shippedTable().size(), 5200);
}

TEST(SpecTagsTest, HoldsThePalettePairsInOrder)
{
    const QByteArray table = shippedTable();
    ASSERT_EQ(table.size(), 5200);
    for (int i = 0; i < 55; ++i) {
        SCOPED_TRACE(kPairs[i].entity);
        EXPECT_EQ(entry(table, 0, i), QByteArray(1, char(kPairs[i].code)));
        EXPECT_EQ(entry(table, 1, i), QByteArray(kPairs[i].entity));
    }
}

TEST(SpecTagsTest, UnusedEntriesAndPaddingAreZero)
{
    const QByteArray table = shippedTable();
    ASSERT_EQ(table.size(), 5200);
    for (int half = 0; half < 2; ++half) {
        for (int i = 0; i < 100; ++i) {
            const int at = half * 2600 + i * 26;
            const int length = static_cast<unsigned char>(table[at]);
            if (i >= 55)
                EXPECT_EQ(length, 0) << "entry " << i + 1;
            for (int b = at + 1 + length; b < at + 26; ++b)
                ASSERT_EQ(table[b], 0) << "byte " << b;
        }
    }
}

TEST(SpecTagsTest, TheGeneratorWritesTheShippedFile)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed; the shipped file was checked above";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString output = dir.filePath(QStringLiteral("spectags.dat"));
    QProcess generator;
    generator.start(python, {repositoryRoot() + QStringLiteral("/tools/make_spectags.py"), output});
    ASSERT_TRUE(generator.waitForFinished(30000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();
    QFile generated(output);
    ASSERT_TRUE(generated.open(QIODevice::ReadOnly));
    EXPECT_EQ(generated.readAll(), shippedTable());
}

} // namespace
