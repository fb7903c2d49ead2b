#include "tagranges.h"

#include <gtest/gtest.h>

using namespace lumaro;

using Ranges = QList<TagRange>;

TEST(TagRangesTest, WholePageColoursFromTheLastOpeningBracket)
{
    EXPECT_EQ(TagRanges::wholePage(u"<B>x</B>"), (Ranges{{0, 3}, {4, 8}}));
    // "<B>a>b": first "<B>", then "<B>a>" as one range.
    EXPECT_EQ(TagRanges::wholePage(u"<B>a>b"), (Ranges{{0, 3}, {0, 5}}));
    EXPECT_EQ(TagRanges::wholePage(u"<a <b>"), (Ranges{{3, 6}}));
}

TEST(TagRangesTest, WholePageSkipsAClosingBracketBeforeAnyTag)
{
    EXPECT_EQ(TagRanges::wholePage(u"x > y"), Ranges{});
    EXPECT_EQ(TagRanges::wholePage(u"a>b<c>"), (Ranges{{3, 6}}));
    EXPECT_EQ(TagRanges::wholePage(u"<unclosed"), Ranges{});
}

TEST(TagRangesTest, InsertedTextAlternatesBetweenOpenAndClose)
{
    // Text "<B></B>" inserted at 5 of "0123456789": the scan view starts at 5.
    EXPECT_EQ(TagRanges::inserted(u"<B></B>", 5, 12), (Ranges{{5, 8}, {8, 12}}));
    // A tag opened inside and closed after the inserted text.
    EXPECT_EQ(TagRanges::inserted(u"x<A HREF=\"y\">", 0, 3), (Ranges{{1, 13}}));
    // A tag opened after the inserted text is not the inserted text's.
    EXPECT_EQ(TagRanges::inserted(u"abc<B>", 0, 3), Ranges{});
    // A stray ">" does not make a range of the text before the tag.
    EXPECT_EQ(TagRanges::inserted(u"x > y <B>", 0, 9), (Ranges{{6, 9}}));
    EXPECT_EQ(TagRanges::inserted(u"<B", 0, 2), Ranges{});
    EXPECT_EQ(TagRanges::inserted(u"", 4, 4), Ranges{});
}

TEST(TagRangesTest, TypedOpeningBracketColoursThroughTheNextClose)
{
    // "<" typed before "B>" at position 2 of "ab<B> c": caret 3.
    const TextWindow buffer{QStringLiteral("ab<B> c"), 0};
    EXPECT_EQ(TagRanges::markonflyle(buffer, 3, 7), (TagRange{2, 5}));
    // A "<" first: nothing.
    EXPECT_EQ(TagRanges::markonflyle(TextWindow{QStringLiteral("<x<B>"), 0}, 1, 5), std::nullopt);
    // Beyond toPos: nothing.
    EXPECT_EQ(TagRanges::markonflyle(TextWindow{QStringLiteral("<xxxx>"), 0}, 1, 3), std::nullopt);
    // The window may start anywhere in the page.
    EXPECT_EQ(TagRanges::markonflyle(TextWindow{QStringLiteral("<P\nB>"), 100}, 101, 105), (TagRange{100, 105}));
}

TEST(TagRangesTest, ClosingBracketColoursBackToTheOpening)
{
    // ">" about to be typed after "<B" (caret 2).
    EXPECT_EQ(TagRanges::markonflygr(TextWindow{QStringLiteral("<B"), 0}, 0, 2), (TagRange{0, 2}));
    // A ">" first: nothing.
    EXPECT_EQ(TagRanges::markonflygr(TextWindow{QStringLiteral("<B>x"), 0}, 0, 4), std::nullopt);
    // The character after the caret is looked at first.
    EXPECT_EQ(TagRanges::markonflygr(TextWindow{QStringLiteral("<B>"), 0}, 0, 2), std::nullopt);
    // Not before fromPos.
    EXPECT_EQ(TagRanges::markonflygr(TextWindow{QStringLiteral("<A\nB\nC"), 0}, 3, 6), std::nullopt);
    EXPECT_EQ(TagRanges::markonflygr(TextWindow{QStringLiteral("<A\nB\nC"), 0}, 0, 6), (TagRange{0, 6}));
}
