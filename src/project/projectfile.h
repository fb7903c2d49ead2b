#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumaro {

/// One file of a project: its path and whether it is open in a page.
struct ProjectRecord {
    QString path;
    bool open = false;

    friend bool operator==(const ProjectRecord &a, const ProjectRecord &b)
    {
        return a.path == b.path && a.open == b.open;
    }
};

/// The project file (".lmp"): a 256-byte header holding the project path as
/// a length-prefixed string, then one 257-byte record per file (the path as
/// a length-prefixed string in 256 bytes, then the open flag byte, 0 or 1).
///
/// The same bytes are the project list the main window keeps in memory, so
/// these functions work on the file image. Readers never trust the data: a
/// record cut short is not read, and nothing past the image is touched.
class ProjectFile {
public:
    static constexpr int HeaderSize = 256;
    static constexpr int PathFieldSize = 256;
    static constexpr int RecordSize = 257;

    /// The 256-byte header for a project path (cut to 255 characters).
    static QByteArray header(const QString &projectPath);
    /// One 257-byte record.
    static QByteArray record(const QString &path, bool open);
    /// A whole image: header then records.
    static QByteArray image(const QString &projectPath, const QList<ProjectRecord> &records);

    /// The string of the header (the project path it was written with).
    static QString headerPath(const QByteArray &image);
    /// Number of whole records after the header.
    static int recordCount(const QByteArray &image);
    /// The whole records after the header, in file order.
    static QList<ProjectRecord> records(const QByteArray &image);
    /// An image made safe to extend: a header shorter than 256 bytes is
    /// padded with zeros, and bytes after the last whole record are dropped.
    static QByteArray normalized(const QByteArray &image);

    /// Reads a project file; false and a reason when it cannot be read.
    static bool read(const QString &fileName, QByteArray *image, QString *error);
    /// Writes an image through QSaveFile; on failure the old file is kept.
    static bool write(const QString &fileName, const QByteArray &image, QString *error);
};

} // namespace lumaro
