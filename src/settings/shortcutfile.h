#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumaro {

/// One user shortcut: a key combination bound to a tag or to a tag dialog's
/// name (such as "\"image\"").
struct ShortcutRecord {
    /// The record's position as decimal text ("1", "2", ...), or "nyt" for a
    /// record just added and not yet numbered.
    QString number;
    /// The stored Windows shortcut value: virtual-key code in the low byte,
    /// 0x2000 Shift, 0x4000 Ctrl, 0x8000 Alt.
    quint16 key = 0;
    QString tag;
    bool useEndingTag = false;

    friend bool operator==(const ShortcutRecord &, const ShortcutRecord &) = default;
};

/// The shortcut file "shortcut.dat": 520-byte records back to back, no
/// header. Offset 0 the number and offset 258 the tag, each a length byte and
/// up to 255 Windows-1252 characters; offset 256 the key, 16-bit
/// little-endian; offset 514 the ending-tag flag; 515..519 spare. Everything
/// after a string and the spare bytes are written as zeros.
class ShortcutFile {
public:
    static constexpr int kRecordSize = 520;

    /// The whole records of data; a trailing fragment shorter than a record
    /// is ignored and counted in *ignoredBytes. Any bytes are safe to read.
    static QList<ShortcutRecord> decode(const QByteArray &data, qsizetype *ignoredBytes = nullptr);
    static QByteArray encode(const QList<ShortcutRecord> &records);

    /// One record from exactly kRecordSize bytes at data.
    static ShortcutRecord decodeRecord(const char *data);
    static QByteArray encodeRecord(const ShortcutRecord &record);
};

} // namespace lumaro
