#pragma once

#include <QList>
#include <QStringView>
#include <optional>

namespace lumaro {

/// A range of page positions from..to-1 that one colouring step formats.
struct TagRange {
    int from = 0;
    int to = 0;
    friend bool operator==(const TagRange &, const TagRange &) = default;
};

/// A piece of the page text: the characters from position offset on, with
/// line breaks as "\n". The typing path reads only the lines around the
/// caret, so its scans work on such a window rather than on the whole page.
struct TextWindow {
    QString text;
    int offset = 0;

    bool contains(int position) const { return position >= offset && position - offset < text.size(); }
    QChar at(int position) const { return contains(position) ? text[position - offset] : QChar(); }
};

/// The scans that decide which ranges the colouring paths format; they only
/// look at characters, so they are shared by the editor and its tests.
class TagRanges {
public:
    /// Whole-page recolour: one pass; at "<" its position is remembered, at
    /// ">" the range from the last remembered "<" through the ">" is
    /// coloured (also when that "<" already ended an earlier tag). A ">"
    /// before any "<" is skipped.
    static QList<TagRange> wholePage(QStringView text);

    /// Tags of a text inserted at page position start (text holds the page
    /// from start on; end is where the inserted text ends). The scan
    /// alternates: the next "<" from the current position, then the first
    /// ">" after it; the tag is coloured and the scan goes on after it. It
    /// stops when no "<" is left before end, when the "<" has no ">" or when
    /// the scan reaches end; a tag opened before end and closed after it is
    /// coloured up to its ">".
    static QList<TagRange> inserted(QStringView text, int start, int end);

    /// After a typed "<" (caret after it): looks from the caret forward up
    /// to toPos; a "<" first means nothing to colour; a ">" at q gives the
    /// range from the typed "<" (caret-1) through q.
    static std::optional<TagRange> markonflyle(const TextWindow &buffer, int caret, int toPos);

    /// Before a ">" is typed at the caret: looks from the character after
    /// the caret backwards to fromPos; a ">" first means nothing to colour;
    /// a "<" at p gives the range p .. caret-1.
    static std::optional<TagRange> markonflygr(const TextWindow &buffer, int fromPos, int caret);
};

} // namespace lumaro
