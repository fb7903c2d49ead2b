#pragma once

#include <QString>

namespace lumaro {

/// The fields of the frame set dialog: one FRAMESET start tag with either
/// row sizes or column sizes, in double quotes.
struct FramesetTag {
    enum class Direction { Rows, Cols };

    Direction direction = Direction::Rows;
    QString rows;  ///< the row sizes, e.g. "50%,*"
    QString cols;  ///< the column sizes
    /// Set by any non-empty tag text: OK then writes the start tag only.
    bool editExisting = false;

    /// Resets to the defaults and reads ROWS and COLS from any non-empty
    /// text; a set with both opens on its columns.
    void decode(const QString &tagText);
    /// The sizes of the chosen direction; OK needs them filled in.
    QString sizes() const { return direction == Direction::Rows ? rows : cols; }
    /// The start tag with the chosen attribute, and for a new set a line
    /// break and the end tag.
    QString build() const;

    bool operator==(const FramesetTag &) const = default;
};

} // namespace lumaro
