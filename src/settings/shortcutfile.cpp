#include "shortcutfile.h"
#include "windows1252.h"

#include <algorithm>

namespace lumaro {

namespace {

constexpr int kNumberOffset = 0;
constexpr int kKeyOffset = 256;
constexpr int kTagOffset = 258;
constexpr int kEndingOffset = 514;
constexpr int kStringField = 256;

// A length byte never exceeds its field: 255 characters fit in 256 bytes.
QString readString(const char *field)
{
    const int length = static_cast<unsigned char>(field[0]);
    return Windows1252::decode(QByteArray(field + 1, length));
}

void writeString(char *field, const QString &text)
{
    const QByteArray bytes = Windows1252::encode(text).left(kStringField - 1);
    field[0] = static_cast<char>(bytes.size());
    std::copy(bytes.cbegin(), bytes.cend(), field + 1);
}

} // namespace

ShortcutRecord ShortcutFile::decodeRecord(const char *data)
{
    ShortcutRecord record;
    record.number = readString(data + kNumberOffset);
    record.key = static_cast<quint16>(static_cast<unsigned char>(data[kKeyOffset])
                                      | (static_cast<unsigned char>(data[kKeyOffset + 1]) << 8));
    record.tag = readString(data + kTagOffset);
    record.useEndingTag = data[kEndingOffset] != 0;
    return record;
}

QByteArray ShortcutFile::encodeRecord(const ShortcutRecord &record)
{
    QByteArray bytes(kRecordSize, '\0');
    char *data = bytes.data();
    writeString(data + kNumberOffset, record.number);
    data[kKeyOffset] = static_cast<char>(record.key & 0xFF);
    data[kKeyOffset + 1] = static_cast<char>(record.key >> 8);
    writeString(data + kTagOffset, record.tag);
    data[kEndingOffset] = record.useEndingTag ? 1 : 0;
    return bytes;
}

QList<ShortcutRecord> ShortcutFile::decode(const QByteArray &data, qsizetype *ignoredBytes)
{
    QList<ShortcutRecord> records;
    const qsizetype whole = data.size() / kRecordSize;
    records.reserve(whole);
    for (qsizetype i = 0; i < whole; ++i)
        records.append(decodeRecord(data.constData() + i * kRecordSize));
    if (ignoredBytes)
        *ignoredBytes = data.size() % kRecordSize;
    return records;
}

QByteArray ShortcutFile::encode(const QList<ShortcutRecord> &records)
{
    QByteArray out;
    out.reserve(records.size() * kRecordSize);
    for (const ShortcutRecord &record : records)
        out += encodeRecord(record);
    return out;
}

} // namespace lumaro
