// Where long lines are cut: only lines over the size, only at blanks, into
// pieces no longer than the piece size wherever blanks allow.
#include "linesplitter.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

constexpr LineSplitter::Sizes kSmall{10, 20};

struct SplitCase {
    const char *name;
    QString text;
    QList<int> points;
};

QString words(int count) // "w000 w001 ...": blanks at 4, 9, 14, ...
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += (i ? QStringLiteral(" w") : QStringLiteral("w")) + QString::number(i).rightJustified(3, u'0');
    return text;
}

const SplitCase kCases[] = {
    {"LineOfTheLongestSizeStaysWhole", words(4) + u'x', {}},
    {"LineOfTheLongestSizePlusOneIsSplit", words(4) + QStringLiteral("xx"), {9}},
    {"PiecesEndAtTheLastBlankWithinThePieceSize", words(6), {9, 19}},
    {"NoBlankNoSplit", QString(50, u'x'), {}},
    {"AFarBlankIsTakenWhenNoneIsNear", QString(30, u'x') + u' ' + QString(30, u'y'), {30}},
    {"ABlankEndingTheLineIsNotTaken", QString(30, u'x') + u' ', {}},
    {"OnlyTheLongLineOfSeveral", words(2) + u'\n' + words(6) + u'\n' + words(3), {19, 29}},
    {"BlankInsideATag", QStringLiteral("<IMG SRC=\"a.gif\" WIDTH=10 HEIGHT=2>"), {16, 25}},
};

class LineSplitterTable : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitterTable, SplitPoints)
{
    const SplitCase &c = GetParam();
    const QList<int> points = LineSplitter::splitPoints(c.text, kSmall);
    EXPECT_EQ(points, c.points);
    for (const int at : points)
        EXPECT_EQ(c.text[at], u' ') << at;
}

INSTANTIATE_TEST_SUITE_P(Lines, LineSplitterTable, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
