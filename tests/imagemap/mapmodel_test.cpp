// The area list of the map builder and the texts of the area properties
// dialog.
#include "maparealist.h"
#include "mapareatexts.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

MapArea rect(int x1, int y1, int x2, int y2, MapShape shape = MapShape::Rectangle)
{
    MapArea a;
    a.shape = shape;
    a.setBox(normalisedBox(QPoint(x1, y1), QPoint(x2, y2)));
    return a;
}

TEST(MapAreaList, OverlappingAreasHitTheOneDrawnFirstAndSkipDeletedOnes)
{
    MapAreaList list;
    list.append(rect(0, 0, 100, 100));
    list.append(rect(50, 50, 150, 150, MapShape::Circle));
    EXPECT_EQ(list.search(60, 60), 0);
    EXPECT_EQ(list.current(), 0);
    EXPECT_EQ(list.search(100, 100), 0) << "edges belong to the box";
    EXPECT_EQ(list.search(120, 120), 1);

    list.search(10, 10);
    ASSERT_TRUE(list.removeCurrent());
    EXPECT_EQ(list.search(60, 60), 1) << "a deleted entry never hits";
    EXPECT_EQ(list.liveCount(), 1);
    EXPECT_EQ(list.size(), 2) << "deleted entries stay in the list";
}

TEST(MapAreaList, DeleteAfterAMissActsOnTheLastEntryAndOnAnEmptyListDoesNothing)
{
    MapAreaList empty;
    EXPECT_EQ(empty.search(5, 5), -1);
    EXPECT_EQ(empty.current(), -1);
    EXPECT_FALSE(empty.removeCurrent());
    EXPECT_FALSE(empty.currentIsLive());

    MapAreaList list;
    list.append(rect(0, 0, 10, 10));
    list.append(rect(20, 20, 30, 30));
    list.search(0, 0);
    EXPECT_EQ(list.search(200, 200), -1);
    EXPECT_EQ(list.current(), 1);
    EXPECT_TRUE(list.removeCurrent());
    EXPECT_FALSE(list.currentIsLive());
    EXPECT_FALSE(list.removeCurrent()) << "deleting twice changes nothing";
    EXPECT_TRUE(list.at(0).isLive());
}

TEST(MapArea, BoxesDrawnLeftOrUpAreNormalised)
{
    const struct { QPoint from, to; } drags[] = {
        {{50, 60}, {10, 10}}, {{50, 10}, {10, 60}}, {{10, 60}, {50, 10}}, {{10, 10}, {50, 60}}};
    for (const auto &d : drags) {
        const QRect box = normalisedBox(d.from, d.to);
        EXPECT_EQ(box, QRect(QPoint(10, 10), QPoint(50, 60)));
        MapAreaList list;
        MapArea a;
        a.setBox(box);
        list.append(a);
        EXPECT_EQ(list.hit(30, 30), 0);
    }
}

struct TextCase {
    const char *label;
    MapShape shape;
    QRect box;
    const char *size;
    const char *placement;
};

class MapAreaTextsTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(MapAreaTextsTest, SizeAndPlacement)
{
    const TextCase &c = GetParam();
    MapArea a;
    a.shape = c.shape;
    a.setBox(c.box);
    EXPECT_EQ(MapAreaTexts::size(a), QString::fromLatin1(c.size));
    EXPECT_EQ(MapAreaTexts::placement(a), QString::fromLatin1(c.placement));
    EXPECT_EQ(MapAreaTexts::type(a), c.shape == MapShape::Circle ? "Circle" : "Rectangle");
}

const TextCase kTextCases[] = {
    {"Rectangle", MapShape::Rectangle, QRect(QPoint(10, 10), QPoint(50, 60)), "40 , 50", "X1=10, Y1=10 , X2=50, Y2=60"},
    {"Circle", MapShape::Circle, QRect(QPoint(10, 10), QPoint(50, 50)), "Diameter=40 , Omkreds=126", "Centrum=30 , 30"},
    // 7 * 22 / 7 = 22 exactly; 3 * 22 / 7 = 9.43 rounds down; 5 * 22 / 7 = 15.71 up.
    {"CircleExact", MapShape::Circle, QRect(QPoint(0, 0), QPoint(7, 7)), "Diameter=7 , Omkreds=22", "Centrum=3 , 3"},
    {"CircleRoundsDown", MapShape::Circle, QRect(QPoint(1, 2), QPoint(4, 5)), "Diameter=3 , Omkreds=9", "Centrum=2 , 3"},
    {"CircleRoundsUp", MapShape::Circle, QRect(QPoint(0, 0), QPoint(5, 5)), "Diameter=5 , Omkreds=16", "Centrum=2 , 2"},
    {"CircleNegativeCentreTruncates", MapShape::Circle, QRect(QPoint(-5, -5), QPoint(0, 0)), "Diameter=5 , Omkreds=16",
     "Centrum=-3 , -3"},
    {"WholeRangeDoesNotOverflow", MapShape::Rectangle, QRect(QPoint(INT_MIN, 0), QPoint(INT_MAX, 0)),
     "4294967295 , 0", "X1=-2147483648, Y1=0 , X2=2147483647, Y2=0"},
};
INSTANTIATE_TEST_SUITE_P(Areas, MapAreaTextsTest, ::testing::ValuesIn(kTextCases),
                         [](const auto &info) { return std::string(info.param.label); });

} // namespace
