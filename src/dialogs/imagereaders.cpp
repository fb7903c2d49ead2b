#include "imagereaders.h"

#include "gifdecoder.h"

#include <QFile>

namespace lumaro {

void readGifSize(const QString &path, int &width, int &height)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Only the signature and the logical screen size are needed.
    const QByteArray head = file.read(10);
    if (head.size() < 10 || !head.left(6).contains("GIF"))
        return;
    const auto *b = reinterpret_cast<const uchar *>(head.constData());
    width = b[6] | (b[7] << 8);
    height = b[8] | (b[9] << 8);
}

void readJpegSize(const QString &path, int &width, int &height, bool &jfif)
{
    jfif = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray head = file.read(255);
    const qsizetype mark = head.indexOf("JF");
    if (mark < 0 || head.mid(mark, 4) != "JFIF")
        return;
    jfif = true;
    const auto *b = reinterpret_cast<const uchar *>(head.constData());
    const qsizetype n = head.size();
    for (qsizetype k = 0; k < n; ++k) {
        if (b[k] < 0xC0 || b[k] > 0xCF)
            continue;
        // The first such byte decides; a frame header cut off by the end of
        // the bytes read gives no size rather than bytes that are not there.
        if (k + 7 < n) {
            height = b[k + 4] * 256 + b[k + 5];
            width = b[k + 6] * 256 + b[k + 7];
        }
        return;
    }
}

GifDecodeResult decodeGif(const QByteArray &data)
{
    return GifDecoder::decode(data);
}

} // namespace lumaro
