// libFuzzer target: the GIF decoder must take any bytes without crashing or
// reading out of bounds, and a decoded picture must be whole: of the size it
// reports, 8-bit indexed, with a colour for every pixel.
#include "imagereaders.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    // Pictures of many megapixels only cost time in filling them; the size
    // limit itself is covered by the unit tests.
    if (size >= 10 && qint64(bytes[6] | (bytes[7] << 8)) * (bytes[8] | (bytes[9] << 8)) > 4 * 1024 * 1024)
        return 0;
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(size));
    const lumaro::GifDecodeResult result = lumaro::decodeGif(data);
    if (!result.ok) {
        if (result.error.isEmpty() || !result.image.isNull())
            std::abort();
        return 0;
    }
    const QImage &image = result.image;
    if (image.isNull() || image.format() != QImage::Format_Indexed8 || image.width() != result.width
        || image.height() != result.height)
        std::abort();
    if (qint64(image.width()) * image.height() <= 1024 * 1024) {
        const int colors = image.colorCount();
        for (int y = 0; y < image.height(); ++y) {
            const uchar *line = image.constScanLine(y);
            for (int x = 0; x < image.width(); ++x)
                if (line[x] >= colors)
                    std::abort();
        }
    }
    return 0;
}
