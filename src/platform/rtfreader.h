#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace lumaro {

/// Reads an RTF document into a QTextDocument with character formats (font
/// face, size, colour, bold, italic, underline, strike-out) and paragraph
/// alignment. It loads what it can from malformed input and never reads past
/// the data.
///
/// Paragraphs (\par) become blocks, \line a QChar::LineSeparator inside the
/// block, \tab a tab; \'hh and raw 8-bit bytes are Windows-1252. The
/// paragraph mark at the very end of the document ends the last paragraph
/// and adds no empty one. The document may belong to a QPlainTextEdit: the
/// text goes in through QTextCursor in one edit block, with undo off, so a
/// large document loads quickly and leaves no undo history.
class RtfReader {
public:
    struct Result {
        bool ok = false;        ///< false when the data is not RTF at all
        QString error;
        bool truncated = false; ///< the data ended before the document's last brace
    };
    /// Replaces the document's content with the RTF document in data and
    /// clears its modified flag. Data that is not RTF leaves the document as
    /// it was and gives the error "Not an RTF document".
    static Result read(const QByteArray &data, QTextDocument *document);
};

} // namespace lumaro
