#include "gifdecoder.h"

#include "giflzw.h"

#include <QList>
#include <QRgb>

#include <vector>

namespace lumaro {

namespace {

/// A read position over the file that never goes past its end.
class ByteReader {
public:
    explicit ByteReader(const QByteArray &data)
        : m_data(reinterpret_cast<const uchar *>(data.constData()))
        , m_size(data.size())
    {
    }
    bool has(qsizetype count) const { return count >= 0 && m_size - m_pos >= count; }
    qsizetype remaining() const { return m_size - m_pos; }
    qsizetype position() const { return m_pos; }
    /// The next byte, or -1 at the end.
    int byte() { return m_pos < m_size ? m_data[m_pos++] : -1; }
    int word16(qsizetype at) const { return m_data[at] | (m_data[at + 1] << 8); }
    const uchar *at(qsizetype offset) const { return m_data + offset; }
    /// Skips count bytes, or to the end when fewer are left.
    void skip(qsizetype count) { m_pos += qMin(count, m_size - m_pos); }

private:
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
};

QList<QRgb> readColorTable(ByteReader &reader, int entries)
{
    QList<QRgb> table;
    table.reserve(entries);
    const uchar *p = reader.at(reader.position());
    for (int i = 0; i < entries; ++i)
        table.append(qRgb(p[3 * i], p[3 * i + 1], p[3 * i + 2]));
    reader.skip(3 * entries);
    return table;
}

/// Skips data sub-blocks up to and including the zero-length terminator.
void skipSubBlocks(ByteReader &reader)
{
    for (;;) {
        const int length = reader.byte();
        if (length <= 0)
            return;
        reader.skip(length);
    }
}

/// Joins data sub-blocks up to the zero-length terminator; a block cut
/// short by the end of the file gives the bytes that are there.
QByteArray joinSubBlocks(ByteReader &reader)
{
    QByteArray joined;
    for (;;) {
        const int length = reader.byte();
        if (length <= 0)
            return joined;
        const qsizetype take = qMin<qsizetype>(length, reader.remaining());
        joined.append(reinterpret_cast<const char *>(reader.at(reader.position())), take);
        reader.skip(take);
        if (take < length)
            return joined;
    }
}

/// Rows of an image in the order its data give them.
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    rows.reserve(std::size_t(height));
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    static constexpr int starts[4] = {0, 4, 2, 1};
    static constexpr int steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            rows.push_back(y);
    return rows;
}

QList<QRgb> greyRamp()
{
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i)
        table.append(qRgb(i, i, i));
    return table;
}

struct ImageBlock {
    bool found = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    QList<QRgb> localColors;
    int minCodeSize = 0;
    QByteArray codes;
};

GifDecodeResult failure(const QString &message)
{
    GifDecodeResult result;
    result.error = message;
    return result;
}

} // namespace

GifDecodeResult GifDecoder::decode(const QByteArray &data)
{
    if (!data.startsWith("GIF"))
        return failure(QStringLiteral("Not a .GIF file"));
    ByteReader reader(data);
    // Signature and version (6 bytes), logical screen descriptor (7 bytes).
    if (!reader.has(13))
        return failure(QStringLiteral("The .GIF file is cut short in its header"));
    const int screenWidth = reader.word16(6);
    const int screenHeight = reader.word16(8);
    const int flags = *reader.at(10);
    int background = *reader.at(11);
    reader.skip(13);

    QList<QRgb> globalColors;
    if (flags & 0x80) {
        const int entries = 1 << ((flags & 0x07) + 1);
        if (!reader.has(3 * entries))
            return failure(QStringLiteral("The .GIF file is cut short in its colour table"));
        globalColors = readColorTable(reader, entries);
    }

    ImageBlock image;
    while (!image.found) {
        const int introducer = reader.byte();
        if (introducer == 0x21) {
            reader.byte(); // extension label
            skipSubBlocks(reader);
        } else if (introducer == 0x2C) {
            if (!reader.has(9))
                break; // cut short before the picture: nothing to draw
            const qsizetype d = reader.position();
            image.left = reader.word16(d);
            image.top = reader.word16(d + 2);
            image.width = reader.word16(d + 4);
            image.height = reader.word16(d + 6);
            const int imageFlags = *reader.at(d + 8);
            image.interlaced = imageFlags & 0x40;
            reader.skip(9);
            if (imageFlags & 0x80) {
                const int entries = 1 << ((imageFlags & 0x07) + 1);
                if (reader.has(3 * entries))
                    image.localColors = readColorTable(reader, entries);
                else
                    reader.skip(3 * entries);
            }
            image.minCodeSize = reader.byte();
            image.codes = joinSubBlocks(reader);
            image.found = true;
        } else {
            break; // trailer, end of data or a byte that starts no block
        }
    }

    // The picture covers the logical screen; a file that gives no screen
    // size gets the extent of its image.
    int width = screenWidth;
    int height = screenHeight;
    if ((width == 0 || height == 0) && image.found) {
        width = image.left + image.width;
        height = image.top + image.height;
    }
    if (width <= 0 || height <= 0)
        return failure(QStringLiteral("The .GIF file holds no picture"));
    if (qint64(width) * height > maxPixels)
        return failure(QStringLiteral("The .GIF picture is too large (%1 x %2 pixels)").arg(width).arg(height));

    QList<QRgb> colors = !image.localColors.isEmpty() ? image.localColors
                         : !globalColors.isEmpty()    ? globalColors
                                                      : greyRamp();
    QImage picture(width, height, QImage::Format_Indexed8);
    if (picture.isNull())
        return failure(QStringLiteral("Not enough memory for the .GIF picture"));
    if (background >= colors.size())
        background = 0;
    picture.fill(uint(background));

    if (image.found && image.width > 0 && image.height > 0) {
        if (image.minCodeSize < 1 || image.minCodeSize > 8)
            return failure(QStringLiteral("The .GIF picture data are damaged"));
        const qint64 area = qint64(image.width) * image.height;
        // Rows that fall outside the screen are decoded but not drawn; the
        // pixel count is capped like the screen's.
        const QByteArray pixels = GifLzw::decode(image.codes, image.minCodeSize, qMin(area, maxPixels));
        const std::vector<int> rows = rowOrder(image.height, image.interlaced);
        int highest = 0;
        qsizetype i = 0;
        for (std::size_t r = 0; r < rows.size() && i < pixels.size(); ++r) {
            const int y = image.top + rows[r];
            const qsizetype rowEnd = qMin<qsizetype>(i + image.width, pixels.size());
            if (y >= height) {
                i = rowEnd;
                continue;
            }
            uchar *line = picture.scanLine(y);
            for (int x = image.left; i < rowEnd; ++x, ++i) {
                if (x < width) {
                    const uchar index = uchar(pixels[i]);
                    line[x] = index;
                    highest = qMax<int>(highest, index);
                }
            }
        }
        // An index beyond the colour table would have no colour: extend the
        // table with black so every pixel has one.
        while (colors.size() <= highest)
            colors.append(qRgb(0, 0, 0));
    }
    picture.setColorTable(colors);

    GifDecodeResult result;
    result.ok = true;
    result.image = picture;
    result.width = width;
    result.height = height;
    return result;
}

} // namespace lumaro
