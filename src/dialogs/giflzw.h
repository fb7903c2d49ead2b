#pragma once

#include <QByteArray>

namespace lumaro {

/// The variable-length-code LZW of GIF picture data: clear and end codes,
/// codes of up to 12 bits, a 4096-entry string table.
class GifLzw {
public:
    /// Decodes the codes (the data sub-blocks joined, without their length
    /// bytes) of a picture with the given minimum code size (1..8) into at
    /// most maxPixels colour indices. Decoding stops at the end code, at the
    /// end of the data, at a code that cannot occur in a sound file, or when
    /// maxPixels indices were produced; what was decoded up to there is
    /// returned.
    static QByteArray decode(const QByteArray &codes, int minCodeSize, qsizetype maxPixels);
};

} // namespace lumaro
