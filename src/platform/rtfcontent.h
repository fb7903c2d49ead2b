#pragma once

#include <QColor>
#include <QHash>
#include <QString>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <vector>

namespace lumaro {

/// The character properties an RTF document gives a run of text: an index
/// into the font table (-1: the document's default font), the size in
/// half-points, an index into the colour table (-1: the automatic colour)
/// and the four styles.
struct RtfCharState {
    int font = -1;
    int halfPoints = 24;
    int color = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    /// Packs every property into one number, so runs can be compared and
    /// looked up without building text formats. Indices are kept in range by
    /// the parser (font and colour -1..65534, size 2..3276).
    quint64 key() const
    {
        return quint64(font + 1) | (quint64(color + 1) << 16) | (quint64(halfPoints) << 32)
            | (quint64(bold) << 44) | (quint64(italic) << 45) | (quint64(underline) << 46)
            | (quint64(strikeOut) << 47);
    }
    bool operator==(const RtfCharState &other) const { return key() == other.key(); }
};

/// A run of text with one set of character properties: it starts at start in
/// the text and ends where the next run starts.
struct RtfRun {
    int start = 0;
    int style = 0; ///< index into RtfContent::styles
};

/// What the RTF parser makes of a document: the plain text (paragraphs
/// separated by QChar::ParagraphSeparator, soft line breaks as
/// QChar::LineSeparator), the runs of equal character properties, the
/// paragraphs that are not left-aligned, and the font and colour tables the
/// runs refer to.
struct RtfContent {
    QString text;
    std::vector<RtfRun> runs;
    std::vector<RtfCharState> styles;
    /// (paragraph number, alignment) for every paragraph not aligned left.
    std::vector<std::pair<int, Qt::Alignment>> alignedParagraphs;
    QHash<int, QString> fonts;                ///< font number -> face name
    std::vector<std::optional<QColor>> colors; ///< empty entry: automatic colour
    int defaultFont = 0;
    /// Character properties in force at the end, for an empty document.
    RtfCharState finalState;
    bool truncated = false; ///< the data ended before the document's last brace
};

} // namespace lumaro
