#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace lumaro {

/// Reads the logical screen size of a GIF file: when its first 6 bytes
/// contain "GIF", width and height are the little-endian 16-bit numbers at
/// offsets 6 and 8. A file that is not a GIF, is missing or too short leaves
/// width and height unchanged.
void readGifSize(const QString &path, int &width, int &height);

/// Reads the size of a JPEG file from its first 255 bytes: when they hold the
/// "JFIF" mark, jfif becomes true and the first byte from 0xC0 to 0xCF starts
/// the frame header (height at k+4, width at k+6, big-endian). Without the
/// mark, or when the frame header does not fit in the bytes read, width and
/// height are unchanged. jfif is false unless the mark is found.
void readJpegSize(const QString &path, int &width, int &height, bool &jfif);

/// The picture of a GIF file: an 8-bit indexed image of the logical screen
/// size coloured from the file's colour table, and that size.
struct GifDecodeResult { bool ok = false; QString error; QImage image; int width = 0; int height = 0; };

/// Decodes the first image of a whole GIF file held in data. Data that does
/// not start with "GIF" fail with "Not a .GIF file"; other damage gives a
/// clear error or, for picture data cut short, the part that could be read.
GifDecodeResult decodeGif(const QByteArray &data);

} // namespace lumaro
