#include "lpstring.h"
#include "textfile.h"

#include <algorithm>

namespace lumaro {

namespace {

// Cuts UTF-8 bytes to at most max bytes without splitting a character.
QByteArray cutUtf8(const QByteArray &bytes, qsizetype max)
{
    if (bytes.size() <= max)
        return bytes;
    qsizetype end = max;
    while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
        --end;
    return bytes.left(end);
}

} // namespace

QByteArray LengthPrefixedString::encode(const QString &text, int fieldSize)
{
    fieldSize = std::clamp(fieldSize, 2, 256);
    const qsizetype room = fieldSize - 1;
    bool lossless = false;
    QByteArray bytes = TextFile::toWindows1252(text, &lossless);
    if (lossless)
        bytes = bytes.left(room);
    else
        bytes = cutUtf8(text.toUtf8(), room);
    QByteArray field(fieldSize, '\0');
    field[0] = static_cast<char>(bytes.size());
    std::copy(bytes.cbegin(), bytes.cend(), field.begin() + 1);
    return field;
}

QString LengthPrefixedString::decode(const char *data, qsizetype available, int fieldSize)
{
    if (!data || available <= 0 || fieldSize <= 1)
        return {};
    const qsizetype limit = std::min<qsizetype>(available, fieldSize) - 1;
    const qsizetype length = std::min<qsizetype>(static_cast<unsigned char>(data[0]), limit);
    return TextFile::decode(QByteArray(data + 1, length));
}

} // namespace lumaro
