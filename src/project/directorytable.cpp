#include "directorytable.h"
#include "lpstring.h"

#include <QFile>

namespace lumaro {

QList<DirectoryRow> DirectoryTable::parse(const QByteArray &bytes)
{
    QList<DirectoryRow> rows;
    const qsizetype count = bytes.size() / RowSize;
    rows.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const char *at = bytes.constData() + i * RowSize;
        rows.append({LengthPrefixedString::decode(at, FieldSize, FieldSize),
                     LengthPrefixedString::decode(at + FieldSize, FieldSize, FieldSize)});
    }
    return rows;
}

QByteArray DirectoryTable::encode(const QList<DirectoryRow> &rows)
{
    QByteArray bytes;
    bytes.reserve(rows.size() * RowSize);
    for (const DirectoryRow &row : rows) {
        bytes.append(LengthPrefixedString::encode(row.directory, FieldSize));
        bytes.append(LengthPrefixedString::encode(row.url, FieldSize));
    }
    return bytes;
}

bool DirectoryTable::read(const QString &fileName, QList<DirectoryRow> *rows, bool *exists)
{
    QFile file(fileName);
    const bool there = !fileName.isEmpty() && file.exists();
    if (exists)
        *exists = there;
    if (!there || !file.open(QIODevice::ReadOnly))
        return false;
    if (rows)
        *rows = parse(file.readAll());
    return true;
}

} // namespace lumaro
