// The shortcut file byte for byte, its reader on damaged data, and the list
// operations of the preferences' "Shortcuts" tab.
#include "shortcutfile.h"
#include "shortcutlist.h"
#include "textfile.h"
#include "windows1252.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QByteArray field(const QByteArray &text)
{
    QByteArray f(256, '\0');
    f[0] = char(text.size());
    f.replace(1, text.size(), text);
    return f;
}

TEST(ShortcutFile, CtrlBWithEndingTagIsWrittenByteForByte)
{
    const QByteArray bytes = ShortcutFile::encodeRecord({"1", 0x4042, "<B>", true});
    QByteArray expected = field("1") + QByteArray("\x42\x40", 2) + field("<B>") + QByteArray(1, '\1')
                        + QByteArray(5, '\0');
    ASSERT_EQ(expected.size(), 520);
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(ShortcutFile::decode(bytes), QList<ShortcutRecord>({{"1", 0x4042, "<B>", true}}));
}

TEST(ShortcutFile, RecordsRoundTripWithLongAndNationalTags)
{
    const QList<ShortcutRecord> records{
        {"1", 0x4042, "<B>", true},
        {"2", 0xC031, QString(300, QChar(u'x')), false},
        {"3", 0x8049, QStringLiteral("<P CLASS=\"å€\">"), false},
    };
    const QByteArray data = ShortcutFile::encode(records);
    ASSERT_EQ(data.size(), 3 * 520);
    QList<ShortcutRecord> expected = records;
    expected[1].tag = QString(255, QChar(u'x'));
    EXPECT_EQ(ShortcutFile::decode(data), expected);
}

TEST(ShortcutFile, ReadsWholeRecordsOnlyAndAnyNonZeroFlag)
{
    QByteArray one = ShortcutFile::encodeRecord({"1", 0x4042, "<B>", false});
    one[514] = char(0x7F);
    qsizetype ignored = -1;
    EXPECT_TRUE(ShortcutFile::decode(one.left(519), &ignored).isEmpty());
    EXPECT_EQ(ignored, 519);
    const QList<ShortcutRecord> read = ShortcutFile::decode(one + one.left(100), &ignored);
    ASSERT_EQ(read.size(), 1);
    EXPECT_TRUE(read[0].useEndingTag);
    EXPECT_EQ(ignored, 100);
    EXPECT_TRUE(ShortcutFile::decode(QByteArray()).isEmpty());
}

TEST(ShortcutFile, HostileBytesReadWithinTheirRecord)
{
    // Length bytes of 255 and every other byte set: no read past the record.
    const QList<ShortcutRecord> ff = ShortcutFile::decode(QByteArray(520, char(0xFF)));
    ASSERT_EQ(ff.size(), 1);
    EXPECT_EQ(ff[0].number, QString(255, QChar(0xFF)));
    EXPECT_EQ(ff[0].key, 0xFFFF);
    EXPECT_EQ(ff[0].tag.size(), 255);
    EXPECT_TRUE(ff[0].useEndingTag);

    QRandomGenerator random(18);
    for (int round = 0; round < 200; ++round) {
        QByteArray data(int(random.bounded(3 * 520)), '\0');
        for (char &c : data)
            c = char(random.bounded(256));
        const QList<ShortcutRecord> records = ShortcutFile::decode(data);
        EXPECT_EQ(records.size(), data.size() / 520);
        for (const ShortcutRecord &r : records)
            EXPECT_LE(r.tag.size(), 255);
    }
}

TEST(ShortcutFile, CodePageAgreesWithThePlatformsForEveryByte)
{
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    const QString text = Windows1252::decode(all);
    EXPECT_EQ(text, TextFile::fromWindows1252(all));
    EXPECT_EQ(Windows1252::encode(text), all);
    EXPECT_TRUE(Windows1252::canEncode(text));
    EXPECT_FALSE(Windows1252::canEncode(QStringLiteral("a\u0100")));
}

// --- List operations --------------------------------------------------------------

QStringList numbers(const ShortcutList &list)
{
    QStringList out;
    for (const ShortcutRecord &r : list.records())
        out << r.number;
    return out;
}

QStringList tags(const ShortcutList &list)
{
    QStringList out;
    for (const ShortcutRecord &r : list.records())
        out << r.tag;
    return out;
}

TEST(ShortcutListOps, NewNumbersEveryUnnumberedRecordByItsPosition)
{
    // A record left "nyt" by an interrupted edit is numbered too.
    ShortcutList list({{"1", 0x4042, "<B>", true}, {"nyt", 0x4049, "<I>", true}, {"7", 0x4055, "<U>", false}});
    EXPECT_EQ(list.add(0x4050, QString(300, QChar(u'p')), false), 3);
    EXPECT_EQ(numbers(list), QStringList({"1", "2", "7", "4"}));
    EXPECT_EQ(list.records()[3].tag.size(), 255);
    EXPECT_EQ(list.records()[3].key, 0x4050);
}

TEST(ShortcutListOps, DeleteTakesEveryRecordWithTheTagAndRenumbers)
{
    ShortcutList list({{"1", 0x4042, "<B>", true}, {"2", 0x4049, "<I>", true}, {"3", 0x8042, "<B>", false}});
    EXPECT_EQ(list.removeTag("<B>"), 2);
    EXPECT_EQ(tags(list), QStringList({"<I>"}));
    EXPECT_EQ(numbers(list), QStringList({"1"}));

    ShortcutList three({{"1", 0x4041, "<A>", true}, {"2", 0x4042, "<B>", true}, {"3", 0x4043, "<C>", true}});
    three.removeTag("<A>");
    EXPECT_EQ(numbers(three), QStringList({"1", "2"}));
    EXPECT_EQ(tags(three), QStringList({"<B>", "<C>"}));
}

TEST(ShortcutListOps, ModifyEditsTheSelectedRowOfARepeatedTag)
{
    ShortcutList list({{"1", 0x4042, "<B>", true}, {"2", 0x8042, "<B>", false}});
    EXPECT_TRUE(list.modify(1, 0x4053 | 0x2000, "<STRONG>", true));
    EXPECT_EQ(list.records()[0], (ShortcutRecord{"1", 0x4042, "<B>", true}));
    EXPECT_EQ(list.records()[1], (ShortcutRecord{"2", 0x6053, "<STRONG>", true}));
    EXPECT_FALSE(list.modify(2, 0x4041, "<A>", true));
}

TEST(ShortcutListOps, GridRowsAndTheEmptyRow)
{
    ShortcutList list({{"1", 0x4042, "<B>", true}, {"2", 0xA031, "\"image\"", false}, {"3", 0x4C07, "<X>", false}});
    EXPECT_EQ(list.rows(), QList<ShortcutList::Row>({{"Ctrl+B", "<B>", "True"},
                                                     {"Alt+Shift+1", "\"image\"", "False"},
                                                     {"0x4C07", "<X>", "False"}}));
    EXPECT_EQ(ShortcutList().rows(), QList<ShortcutList::Row>({{}}));
}

TEST(ShortcutListOps, OkCheckOfTheNewShortcutDialog)
{
    const ShortcutList list({{"1", 0x4042, "<B>", true}});
    EXPECT_EQ(list.check(0, "<B>"), ShortcutProblem::KeyMissing);
    EXPECT_EQ(list.check(0x4049, ""), ShortcutProblem::TagMissing);
    EXPECT_EQ(list.check(0x4042, "<I>"), ShortcutProblem::KeyInUse);
    EXPECT_EQ(list.check(0x4042, "<I>", 0), ShortcutProblem::None) << "its own key when modified";
    EXPECT_EQ(list.check(0x4053, "<S>"), ShortcutProblem::KeyInUse) << "Ctrl+S saves";
    EXPECT_EQ(list.check(0x405A, "<S>"), ShortcutProblem::KeyInUse) << "Ctrl+Z undoes in the page";
    EXPECT_EQ(list.check(0x4024, "<S>"), ShortcutProblem::KeyInUse) << "Ctrl+Home moves in the page";
    EXPECT_EQ(list.check(0x4049, "<I>"), ShortcutProblem::None);
    EXPECT_EQ(ShortcutList::message(ShortcutProblem::TagMissing), "skal udfyldes");
    EXPECT_EQ(ShortcutList::message(ShortcutProblem::KeyInUse), "This key is already in use");
}

struct InsertionCase {
    const char *tag;
    bool ending;
    const char *selected;
    const char *text;
    int caretBack;
};

class ShortcutInsertionTest : public ::testing::TestWithParam<InsertionCase> {};

TEST_P(ShortcutInsertionTest, WritesTheTagAroundTheSelection)
{
    const InsertionCase &c = GetParam();
    const ShortcutInsertion got = ShortcutList::insertion({"1", 0x4042, c.tag, c.ending}, c.selected);
    EXPECT_EQ(got.text, QString::fromUtf8(c.text));
    EXPECT_EQ(got.caretBack, c.caretBack);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortcutInsertionTest,
                         ::testing::Values(InsertionCase{"<B>", true, "word", "<B>word</B>", 0},
                                           InsertionCase{"<B>", true, "", "<B></B>", 4},
                                           InsertionCase{"<A HREF=x>", true, "", "<A HREF=x></A>", 4},
                                           InsertionCase{"<FONT\tSIZE=2>", true, "t", "<FONT\tSIZE=2>t</FONT>", 0},
                                           InsertionCase{"<HR>", false, "gone", "<HR>", 0}));

} // namespace
