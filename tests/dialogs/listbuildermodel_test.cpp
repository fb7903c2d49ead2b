// The list builder's model: reading a selected list into rows and writing
// the list element of each type byte for byte.
#include "listbuildermodel.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <ostream>

using namespace lumaro;
using ListType = ListBuilderModel::ListType;

namespace {

QStringList column(const ListBuilderModel &m, int c)
{
    QStringList texts;
    for (int r = 1; r < m.rowCount(); ++r)
        texts << m.cell(c, r);
    return texts;
}

struct ReadCase {
    const char *name;
    const char *selection;
    ListType type;
    QStringList items;
    QStringList definitions;  ///< checked for definition lists only
    const char *written;      ///< what OK writes without changes
    friend void PrintTo(const ReadCase &c, std::ostream *os) { *os << c.name; }
};

class ListRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ListRead, RowsAndRewrite)
{
    const ReadCase &c = GetParam();
    ListBuilderModel m;
    m.fjernlist(QString::fromUtf8(c.selection));
    EXPECT_EQ(m.listType, c.type);
    EXPECT_EQ(column(m, 1), c.items);
    if (c.type == ListType::Definition)
        EXPECT_EQ(column(m, 2), c.definitions);
    EXPECT_EQ(m.build(), QString::fromUtf8(c.written));
}

const QString e;  // an empty item

INSTANTIATE_TEST_SUITE_P(
    Table, ListRead,
    ::testing::Values(
        ReadCase{"NothingSelected", "", ListType::Bulleted, {e, e}, {}, "<UL>\r\n<LI>\r\n<LI>\r\n</UL>"},
        ReadCase{"NoListSelected", "just words", ListType::Bulleted, {e, e}, {}, "<UL>\r\n<LI>\r\n<LI>\r\n</UL>"},
        ReadCase{"LowerCaseIsNoList", "<ul><li>x</ul>", ListType::Bulleted, {e, e}, {}, "<UL>\r\n<LI>\r\n<LI>\r\n</UL>"},
        ReadCase{"OwnBulletedListGrows", "<UL>\r\n<LI>one\r\n<LI>two\r\n<LI>three\r\n</UL>", ListType::Bulleted,
                 {"one", "two", "three"}, {}, "<UL>\r\n<LI>one\r\n<LI>two\r\n<LI>three\r\n</UL>"},
        ReadCase{"OneItemStaysOne", "<UL><LI>only</UL>", ListType::Bulleted, {"only"}, {}, "<UL>\r\n<LI>only\r\n</UL>"},
        ReadCase{"NoItemsGiveOneRow", "<UL></UL>", ListType::Bulleted, {e}, {}, "<UL>\r\n<LI>\r\n</UL>"},
        ReadCase{"LineBreakBecomesABlank", "<UL>\r\n<LI>two\r\nlines  \r\n<LI> b\r\n</UL>", ListType::Bulleted,
                 {"two lines", "b"}, {}, "<UL>\r\n<LI>two lines\r\n<LI>b\r\n</UL>"},
        ReadCase{"EndTagNotSelected", "<UL><LI>a<LI>b", ListType::Bulleted, {"a", "b"}, {}, "<UL>\r\n<LI>a\r\n<LI>b\r\n</UL>"},
        ReadCase{"LinkIsNoItem", "<UL><LI><LINK>a<LI>b</UL>", ListType::Bulleted, {"<LINK>a", "b"}, {},
                 "<UL>\r\n<LI><LINK>a\r\n<LI>b\r\n</UL>"},
        ReadCase{"TextAfterTheListKept", "<UL><LI>a</UL>\r\n<P>after", ListType::Bulleted, {"a"}, {},
                 "<UL>\r\n<LI>a\r\n</UL>\r\n<P>after"},
        ReadCase{"OrderedRoman", "<OL>\r\n<LI TYPE=i>a\r\n<LI TYPE=i>b\r\n</OL>", ListType::Ordered, {"a", "b"}, {},
                 "<OL>\r\n<LI TYPE=i>a\r\n<LI TYPE=i>b\r\n</OL>"},
        ReadCase{"OrderedQuotedTypeAndPlainItems", "<OL>\r\n<LI TYPE=\"a\">x\r\n<LI>y\r\n</OL>", ListType::Ordered,
                 {"x", "y"}, {}, "<OL>\r\n<LI TYPE=a>x\r\n<LI TYPE=a>y\r\n</OL>"},
        ReadCase{"OrderedTypeOnTheListTag", "<OL TYPE=A><LI>x</OL>", ListType::Ordered, {"x"}, {},
                 "<OL>\r\n<LI TYPE=A>x\r\n</OL>"},
        ReadCase{"OrderedTypeInTextIgnored", "<OL><LI>TYPE=I</OL>", ListType::Ordered, {"TYPE=I"}, {},
                 "<OL>\r\n<LI TYPE=1>TYPE=I\r\n</OL>"},
        ReadCase{"Definition", "<DL>\r\n<DT>tea<DD>a drink\r\n<DT>cake<DD>a food\r\n</DL>", ListType::Definition,
                 {"tea", "cake"}, {"a drink", "a food"}, "<DL>\r\n<DT>tea<DD>a drink\r\n<DT>cake<DD>a food\r\n</DL>"},
        ReadCase{"LastTermWithoutDefinition", "<DL><DT>t1<DD>d1<DT>t2</DL>", ListType::Definition, {"t1", "t2"},
                 {"d1", e}, "<DL>\r\n<DT>t1<DD>d1\r\n<DT>t2<DD>\r\n</DL>"},
        ReadCase{"DefinitionWithoutTerm", "<DL><DD>lone<DT>t<DD>d", ListType::Definition, {e, "t"}, {"lone", "d"},
                 "<DL>\r\n<DT><DD>lone\r\n<DT>t<DD>d\r\n</DL>"},
        // The start tag's other attributes are kept; an ordered list's TYPE
        // goes to its items.
        ReadCase{"BulletedAttributesKept", "<UL CLASS=\"nav\"><LI>a</UL>", ListType::Bulleted, {"a"}, {},
                 "<UL CLASS=\"nav\">\r\n<LI>a\r\n</UL>"},
        ReadCase{"OrderedAttributesKeptTypeMoved", "<OL TYPE=a START=3 ID=\"x\"><LI>p</OL>", ListType::Ordered, {"p"},
                 {}, "<OL START=3 ID=\"x\">\r\n<LI TYPE=a>p\r\n</OL>"},
        ReadCase{"DefinitionAttributesKept", "<DL COMPACT><DT>t<DD>d</DL>", ListType::Definition, {"t"}, {"d"},
                 "<DL COMPACT>\r\n<DT>t<DD>d\r\n</DL>"}),
    [](const ::testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST(ListBuilderModel, DefinitionsSurviveAnotherListType)
{
    ListBuilderModel m;
    m.fjernlist(QStringLiteral("<DL><DT>tea<DD>a drink<DT>cake<DD>a food</DL>"));
    m.listType = ListType::Bulleted;
    EXPECT_EQ(m.build(), QStringLiteral("<UL>\r\n<LI>tea\r\n<LI>cake\r\n</UL>"));
    m.listType = ListType::Ordered;
    m.orderedType = 4;
    EXPECT_EQ(m.build(), QStringLiteral("<OL>\r\n<LI TYPE=I>tea\r\n<LI TYPE=I>cake\r\n</OL>"));
    m.listType = ListType::Definition;
    EXPECT_EQ(m.build(), QStringLiteral("<DL>\r\n<DT>tea<DD>a drink\r\n<DT>cake<DD>a food\r\n</DL>"));
}

TEST(ListBuilderModel, RowsAddRemoveAndMove)
{
    ListBuilderModel m;
    EXPECT_EQ(m.rowCount(), 3);
    EXPECT_TRUE(m.removeRow());
    EXPECT_EQ(m.rowCount(), 2);
    EXPECT_FALSE(m.removeRow());  // one item row always remains
    EXPECT_EQ(m.rowCount(), 2);
    m.insertRow();
    m.insertRow();
    m.setCell(1, 1, QStringLiteral("a"));
    m.setCell(1, 2, QStringLiteral("b"));
    m.setCell(1, 3, QStringLiteral("c"));
    m.moveRow(3, 1);
    EXPECT_EQ(m.build(), QStringLiteral("<UL>\r\n<LI>c\r\n<LI>a\r\n<LI>b\r\n</UL>"));
    m.moveRow(0, 2);  // the fixed row does not move
    m.moveRow(1, 9);
    EXPECT_EQ(column(m, 1), (QStringList{"c", "a", "b"}));
}

} // namespace
