#pragma once

#include <QByteArray>
#include <QString>

namespace lumaro {

/// The length-prefixed strings of the project's binary files: a length byte
/// followed by the characters in a fixed-size field, zeros after them.
///
/// Characters are stored as Windows-1252 bytes. A path that Windows-1252
/// cannot hold (possible on Linux) is stored as UTF-8 instead, so the file
/// still names the right file; readers take valid UTF-8 as UTF-8 and
/// anything else as Windows-1252, which reads every Windows-written file as
/// before.
class LengthPrefixedString {
public:
    /// The field of fieldSize bytes (2..256) holding text, cut to what fits.
    static QByteArray encode(const QString &text, int fieldSize = 256);
    /// The string of a field that starts at data and of which only available
    /// bytes exist; never reads more than min(available, fieldSize) bytes, so
    /// a length byte larger than its field or than the data is cut.
    static QString decode(const char *data, qsizetype available, int fieldSize = 256);
};

} // namespace lumaro
