#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace lumaro {

/// Reads an RTF document into a QTextDocument with character formats (font
/// face, size, colour, bold, italic, underline, strike-out) and paragraph
/// alignment. It loads what it can from malformed input and never reads past
/// the data.
class RtfReader {
public:
    struct Result {
        bool ok = false;     ///< false when the data is not RTF at all
        QString error;
    };
    /// Replaces the document's content with the RTF document in data.
    static Result read(const QByteArray &data, QTextDocument *document);
};

} // namespace lumaro
