#include "positionfield.h"

#include <gtest/gtest.h>

namespace lumaro {
namespace {

struct WidestCase {
    const char *name;
    int lineCount;
    int length;
    const char *expected;
};

class PositionFieldWidest : public ::testing::TestWithParam<WidestCase> {};

TEST_P(PositionFieldWidest, HasTheMostDigitsAPositionCanHave)
{
    const WidestCase &c = GetParam();
    EXPECT_EQ(PositionField::widestText(c.lineCount, c.length), QString::fromLatin1(c.expected));
}

const WidestCase kCases[] = {
    {"EmptyPage", 1, 0, "   9: 9"},
    {"NoLines", 0, 0, "   9: 9"},
    {"NineCharacters", 1, 8, "   9: 9"},
    {"TenthColumn", 1, 9, "   9: 99"},
    {"OneMegabyteLine", 1, 1'000'000, "   9: 9999999"},
    {"ManyLines", 12'345, 400'000, "   99999: 999999"},
};

INSTANTIATE_TEST_SUITE_P(Pages, PositionFieldWidest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PositionField, GrowsForALongLineAndNeverShrinksBelowItsWidth)
{
    PositionField field(70);
    field.showPosition(QStringLiteral("   1: 987363"), 1, 1'000'000);
    EXPECT_GE(field.width(), field.fontMetrics().horizontalAdvance(QStringLiteral("   9: 9999999")));
    field.showPosition(QStringLiteral("   1: 1"), 1, 3);
    EXPECT_EQ(field.width(), 70);
}

} // namespace
} // namespace lumaro
