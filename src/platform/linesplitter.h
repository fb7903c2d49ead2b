#pragma once

#include <QList>
#include <QStringView>

namespace lumaro {

/// Where the page editor holds a very long line as several pieces.
///
/// Laying out a line costs time in proportion to its length, and the editor
/// lays out the whole line again after every change in it. A line longer than
/// `longest` is therefore held as pieces of at most `piece` characters, each
/// ended by a display-only break that stands in for one blank of the line.
/// Breaking at blanks keeps positions unchanged (one blank, one break) and
/// looks like word wrapping. A stretch without blanks stays in one piece.
class LineSplitter {
public:
    struct Sizes {
        int piece;
        int longest;
    };
    /// With word wrap a piece fills a few screens of wrapped lines, and few
    /// lines end early. Without it every piece is one screen line laid out
    /// whole, so pieces are about a screen wide and a screenful stays cheap.
    static constexpr Sizes wrapped{4000, 10000};
    static constexpr Sizes unwrapped{500, 4000};

    /// The positions in text of the blanks that become display-only breaks.
    /// Only lines ("\n"-separated) longer than sizes.longest are split, into
    /// pieces of sizes.piece / 2 to sizes.piece characters wherever blanks
    /// allow (the last one up to sizes.longest).
    static QList<int> splitPoints(QStringView text, Sizes sizes);
};

} // namespace lumaro
