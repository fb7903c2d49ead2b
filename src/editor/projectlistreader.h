#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumaro {

/// One record of a project list: a page's full path and its open flag.
struct ProjectListRecord {
    QString path;
    bool open = false;
};

/// Reads the records of a project list image (the project file's bytes): a
/// 256-byte header, then 257-byte records of a length-prefixed Windows-1252
/// path (length byte, up to 255 characters) and an open-flag byte. Reading
/// stops at the last whole record; a length byte is never trusted beyond its
/// field.
class ProjectListReader {
public:
    static constexpr int kHeaderSize = 256;
    static constexpr int kRecordSize = 257;
    static QList<ProjectListRecord> records(const QByteArray &image);
};

} // namespace lumaro
