// libFuzzer target: the shortcut file reader must take any bytes without
// reading outside them, give one record per whole 520 bytes, and write back
// what it read unchanged apart from the bytes after strings and the spare
// bytes, which it writes as zeros.
#include "shortcutfile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes), qsizetype(size));
    qsizetype ignored = -1;
    const QList<lumaro::ShortcutRecord> records = lumaro::ShortcutFile::decode(data, &ignored);
    if (records.size() != qsizetype(size / 520) || ignored != qsizetype(size % 520))
        std::abort();
    const QByteArray written = lumaro::ShortcutFile::encode(records);
    if (written.size() != records.size() * 520 || lumaro::ShortcutFile::decode(written) != records)
        std::abort();
    return 0;
}
