#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumaro {

/// One row of the directory table: a local directory and the URL that
/// stands for it.
struct DirectoryRow {
    QString directory; ///< without a trailing separator; may begin with "file:///"
    QString url;
};

/// The directory table (".lmu"): 512-byte rows without a header, each a
/// local directory and a URL as length-prefixed strings of 256 bytes. Rows
/// cut short are not read.
class DirectoryTable {
public:
    static constexpr int RowSize = 512;
    static constexpr int FieldSize = 256;

    /// The whole rows of a table image.
    static QList<DirectoryRow> parse(const QByteArray &bytes);
    /// The image of rows (used to build tables; no command of the program writes one).
    static QByteArray encode(const QList<DirectoryRow> &rows);
    /// Reads a table file; false when it cannot be read (missing: *exists false).
    static bool read(const QString &fileName, QList<DirectoryRow> *rows, bool *exists = nullptr);
};

} // namespace lumaro
