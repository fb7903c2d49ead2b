#include "projectlistreader.h"

#include "textfile.h"

namespace lumaro {

QList<ProjectListRecord> ProjectListReader::records(const QByteArray &image)
{
    QList<ProjectListRecord> list;
    if (image.size() < kHeaderSize)
        return list;
    const qsizetype count = (image.size() - kHeaderSize) / kRecordSize;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = kHeaderSize + i * kRecordSize;
        // The length byte can claim at most 255 characters, which always fit
        // the 256-byte path field, so the record never reads past itself.
        const int length = static_cast<unsigned char>(image[at]);
        ProjectListRecord record;
        record.path = TextFile::fromWindows1252(image.mid(at + 1, length));
        record.open = image[at + 256] != 0;
        list.append(record);
    }
    return list;
}

} // namespace lumaro
