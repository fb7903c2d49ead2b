#include "installdir.h"
#include "qstringprint.h"
#include "specialchars.h"
#include "testsandbox.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using Pair = SpecialChars::Pair;

SpecialChars standardTable()
{
    QString error;
    auto table = SpecialChars::fromPairs(SpecialChars::standardPairs(), &error);
    EXPECT_TRUE(table) << error.toStdString();
    return *table;
}

QString writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = QDir(lumaro::test::TestSandbox::makeDir(name)).filePath(QStringLiteral("spectags.dat"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// The conversions as first described: for each entry, search from the start,
// replace each match and search again just after the replacement.
QString searchAndReplace(QString text, const QList<Pair> &pairs, bool toEntities)
{
    for (const Pair &pair : pairs) {
        const QString &find = toEntities ? pair.character : pair.entity;
        const QString &put = toEntities ? pair.entity : pair.character;
        qsizetype caret = 0;
        for (;;) {
            const qsizetype at = text.indexOf(find, caret, Qt::CaseSensitive);
            if (at < 0)
                break;
            text.replace(at, find.size(), put);
            caret = at + put.size();
        }
    }
    return text;
}

TEST(SpecialCharsConversion, CafeCremeBothWays)
{
    const SpecialChars table = standardTable();
    const QString page = QStringLiteral("caf\u00e9 cr\u00e8me");
    EXPECT_EQ(table.chartiltags(page), QStringLiteral("caf&eacute; cr&egrave;me"));
    EXPECT_EQ(table.tagstilchar(QStringLiteral("caf&eacute; cr&egrave;me")), page);
}

TEST(SpecialCharsConversion, EntitiesMatchCase)
{
    const SpecialChars table = standardTable();
    EXPECT_EQ(table.tagstilchar(QStringLiteral("&AElig;&aelig;")), QStringLiteral("\u00c6\u00e6"));
    EXPECT_EQ(table.chartiltags(QStringLiteral("\u00c6\u00e6")), QStringLiteral("&AElig;&aelig;"));
    EXPECT_EQ(table.tagstilchar(QStringLiteral("&AELIG; &Aelig;")), QStringLiteral("&AELIG; &Aelig;"));
}

TEST(SpecialCharsConversion, OtherEntitiesStayAlone)
{
    const SpecialChars table = standardTable();
    const QString page = QStringLiteral("&amp; &lt;b&gt; &nbsp; &eacute &#233; &copy; & ; &&eacute;;");
    EXPECT_EQ(table.tagstilchar(page), QStringLiteral("&amp; &lt;b&gt; &nbsp; &eacute &#233; &copy; & ; &\u00e9;"));
    EXPECT_EQ(table.chartiltags(QStringLiteral("<B>plain ASCII & more</B>")),
              QStringLiteral("<B>plain ASCII & more</B>"));
}

TEST(SpecialCharsConversion, EveryPaletteLetterRoundTrips)
{
    const SpecialChars table = standardTable();
    QString letters;
    QString entities;
    for (const Pair &pair : SpecialChars::standardPairs()) {
        letters += pair.character + QLatin1Char(' ');
        entities += pair.entity + QLatin1Char(' ');
    }
    EXPECT_EQ(table.chartiltags(letters), entities);
    EXPECT_EQ(table.tagstilchar(entities), letters);
    EXPECT_EQ(SpecialChars::standardPairs().size(), 55);
}

TEST(SpecialCharsConversion, PlanReplacesOnlyTheCharacters)
{
    const SpecialChars table = standardTable();
    const SpecialChars::Plan plan = table.chartiltagsPlan(QStringLiteral("a\u00e9b\u00c6"));
    ASSERT_EQ(plan.size(), 1);
    ASSERT_EQ(plan[0].size(), 2);
    EXPECT_EQ(plan[0][0].position, 1);
    EXPECT_EQ(plan[0][0].length, 1);
    EXPECT_EQ(plan[0][0].text, QStringLiteral("&eacute;"));
    EXPECT_EQ(plan[0][1].position, 3);
    EXPECT_EQ(plan[0][1].text, QStringLiteral("&AElig;"));

    const SpecialChars::Plan back = table.tagstilcharPlan(QStringLiteral("x&oslash;y"));
    ASSERT_EQ(back.size(), 1);
    ASSERT_EQ(back[0].size(), 1);
    EXPECT_EQ(back[0][0].position, 1);
    EXPECT_EQ(back[0][0].length, 8);
    EXPECT_EQ(back[0][0].text, QStringLiteral("\u00f8"));
}

// Tables whose entries interfere (ASCII characters, entities holding
// characters of the table, entities not of the &name; form) must still give
// exactly what the entry-by-entry search and replace gives.
TEST(SpecialCharsConversion, EqualsEntryByEntrySearchAndReplace)
{
    const QList<QList<Pair>> tables = {
        SpecialChars::standardPairs(),
        {{QStringLiteral("a"), QStringLiteral("&aacute;")}, {QStringLiteral("c"), QStringLiteral("&acirc;")}},
        {{QStringLiteral("&"), QStringLiteral("&amp;")}, {QStringLiteral("<"), QStringLiteral("&lt;")}},
        {{QStringLiteral("x"), QStringLiteral("ab")}, {QStringLiteral("y"), QStringLiteral("bc")},
         {QStringLiteral("b"), QStringLiteral("x")}},
        {{QStringLiteral("\u00e9"), QStringLiteral("&e;")}, {QStringLiteral("\u00e8"), QStringLiteral("&e;")},
         {QStringLiteral("e"), QStringLiteral("&e")}},
        {{QStringLiteral(";"), QStringLiteral("&s;")}, {QStringLiteral("s"), QStringLiteral("&ss;")}},
    };
    const QString alphabet = QStringLiteral("abcexys&;<\u00e9\u00e8\u00c6 ");
    QRandomGenerator random(77);
    for (const QList<Pair> &pairs : tables) {
        QString error;
        const auto table = SpecialChars::fromPairs(pairs, &error);
        ASSERT_TRUE(table) << error.toStdString();
        for (int round = 0; round < 200; ++round) {
            QString text;
            const int length = random.bounded(0, 30);
            for (int i = 0; i < length; ++i) {
                if (random.bounded(4) == 0) {
                    const Pair &p = pairs[random.bounded(int(pairs.size()))];
                    text += random.bounded(2) ? p.entity : p.character;
                } else {
                    text += alphabet[random.bounded(int(alphabet.size()))];
                }
            }
            EXPECT_EQ(table->chartiltags(text), searchAndReplace(text, pairs, true)) << text.toStdString();
            EXPECT_EQ(table->tagstilchar(text), searchAndReplace(text, pairs, false)) << text.toStdString();
        }
    }
}

class SpecialCharsFile : public ::testing::Test {
protected:
    void SetUp() override { lumaro::test::TestSandbox::clearSettings(); }
};

TEST_F(SpecialCharsFile, RecordLayout)
{
    const QByteArray record = SpecialChars::toBytes({{QStringLiteral("\u00e6"), QStringLiteral("&aelig;")},
                                                     {QStringLiteral("\u20ac"), QStringLiteral("&euro;")}});
    ASSERT_EQ(record.size(), 5200);
    EXPECT_EQ(record.mid(0, 2), QByteArray("\x01\xe6", 2));
    EXPECT_EQ(record.mid(26, 2), QByteArray("\x01\x80", 2));
    EXPECT_EQ(record.mid(2600, 8), QByteArray("\x07&aelig;", 8));
    EXPECT_EQ(record.mid(2626, 7), QByteArray("\x06&euro;", 7));
}

TEST_F(SpecialCharsFile, ReadsTheFiftyFivePairs)
{
    const QString path = writeFile(QStringLiteral("full"), SpecialChars::toBytes(SpecialChars::standardPairs()));
    QString error;
    const auto table = SpecialChars::lavarray(path, &error);
    ASSERT_TRUE(table) << error.toStdString();
    ASSERT_EQ(table->pairs().size(), 55);
    for (int i = 0; i < 55; ++i) {
        EXPECT_EQ(table->pairs()[i].character, SpecialChars::standardPairs()[i].character);
        EXPECT_EQ(table->pairs()[i].entity, SpecialChars::standardPairs()[i].entity);
    }
}

TEST_F(SpecialCharsFile, BytesAfterTheStringsAndEntriesAboveFiftyFiveAreIgnored)
{
    QByteArray record = SpecialChars::toBytes(SpecialChars::standardPairs());
    record[5] = 'Z';                   // inside entry 1's unused bytes
    record[55 * 26] = char(200);       // entry 56: a length no reader may use
    record.append(QByteArray(300, 'x')); // a longer file: one record is read
    const QString path = writeFile(QStringLiteral("extra"), record);
    QString error;
    const auto table = SpecialChars::lavarray(path, &error);
    ASSERT_TRUE(table) << error.toStdString();
    EXPECT_EQ(table->pairs()[0].character, QStringLiteral("\u00e6"));
}

TEST_F(SpecialCharsFile, MissingFileGivesAMessage)
{
    const QString path = QDir(lumaro::test::TestSandbox::makeDir(QStringLiteral("none"))).filePath(QStringLiteral("spectags.dat"));
    QString error;
    EXPECT_FALSE(SpecialChars::lavarray(path, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("spectags.dat"))) << error.toStdString();
}

TEST_F(SpecialCharsFile, ShortFileGivesAMessage)
{
    for (int size : {0, 1, 2600, 5199}) {
        const QString path = writeFile(QStringLiteral("short%1").arg(size),
                                       SpecialChars::toBytes(SpecialChars::standardPairs()).left(size));
        QString error;
        EXPECT_FALSE(SpecialChars::lavarray(path, &error)) << size;
        EXPECT_TRUE(error.contains(QStringLiteral("too short"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::number(size))) << error.toStdString();
    }
}

TEST_F(SpecialCharsFile, DamagedEntriesAreRefused)
{
    const QByteArray good = SpecialChars::toBytes(SpecialChars::standardPairs());
    struct Damage {
        int offset;
        char value;
    };
    // A length above 25, an empty character, two characters, an empty entity.
    for (const Damage d : {Damage{26 * 3, char(26)}, Damage{26 * 54, 0}, Damage{0, 2}, Damage{2600 + 26 * 10, 0},
                           Damage{2600, char(255)}}) {
        QByteArray record = good;
        record[d.offset] = d.value;
        QString error;
        EXPECT_FALSE(SpecialChars::fromBytes(record, &error)) << d.offset;
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST_F(SpecialCharsFile, ShippedTableHoldsThePaletteLetters)
{
    const QString shipped = QDir(InstallDir::shippedDataDir()).filePath(QStringLiteral("spectags.dat"));
    if (!QFile::exists(shipped))
        GTEST_SKIP() << "no shipped spectags.dat";
    QString error;
    const auto table = SpecialChars::lavarray(shipped, &error);
    ASSERT_TRUE(table) << error.toStdString();
    ASSERT_EQ(table->pairs().size(), 55);
    for (const Pair &pair : SpecialChars::standardPairs()) {
        const bool found = std::any_of(table->pairs().cbegin(), table->pairs().cend(), [&](const Pair &p) {
            return p.character == pair.character && p.entity == pair.entity;
        });
        EXPECT_TRUE(found) << pair.entity.toStdString();
    }
}

} // namespace
