#pragma once

#include "fileformat.h"

#include <QString>

namespace lumaro {

/// Result of reading a text document.
struct TextFileResult {
    bool ok = false;
    QString text;          ///< with the line breaks as they were in the file, no byte-order mark
    FileFormat format;     ///< how to write the same bytes back
    QString error;         ///< why reading failed, for the user
};

/// Reading and writing documents with the platform's encoding rules: read as
/// UTF-8 when the bytes are valid UTF-8, as Windows-1252 otherwise; written in
/// the encoding they were read in, with the byte-order mark they had and CR LF
/// line ends, through QSaveFile.
class TextFile {
public:
    static TextFileResult read(const QString &fileName);
    /// Decodes bytes with the detection rule above. One leading UTF-8
    /// byte-order mark is not part of the text; *format tells it was there.
    static QString decode(const QByteArray &bytes, FileFormat *format);
    static QString decode(const QByteArray &bytes, TextEncoding *encoding = nullptr);
    /// Encodes text; characters Windows-1252 cannot hold become "?".
    static QByteArray encode(const QString &text, TextEncoding encoding);
    /// Encodes a whole file's text with CR LF line ends, in the format's
    /// encoding and with its byte-order mark (its final line break is the
    /// text's own business here).
    static QByteArray encode(const QString &text, const FileFormat &format);
    /// Turns every line break (CR LF, LF or CR) into CR LF. U+2028 and
    /// U+2029 are characters of the page, not line breaks: they stay.
    static QString toCrLf(const QString &text);
    /// Writes text with CR LF line ends; false and a reason on failure, and
    /// the old file is then untouched.
    static bool write(const QString &fileName, const QString &text, TextEncoding encoding,
                      QString *error = nullptr);
    /// The same with the format's encoding and byte-order mark.
    static bool write(const QString &fileName, const QString &text, const FileFormat &format,
                      QString *error = nullptr);
    /// Windows-1252 conversions used by the binary formats.
    static QString fromWindows1252(const QByteArray &bytes);
    static QByteArray toWindows1252(const QString &text, bool *lossless = nullptr);
};

} // namespace lumaro
