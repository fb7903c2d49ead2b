#pragma once

#include "fileformat.h"
#include "processidentity.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace lumaro {

/// What a page's file on disk looked like when a recovery copy was written,
/// so the start-up offer can tell whether someone changed it since.
struct DiskStamp {
    bool exists = false;
    qint64 modifiedMs = 0; ///< last modification, milliseconds since the epoch (UTC)
    qint64 size = 0;

    static DiskStamp of(const QString &fileName);
    friend bool operator==(const DiskStamp &, const DiskStamp &) = default;
};

struct RecoveryReadResult;

/// One recovery copy of a modified page: a short text header (page name,
/// whether it has a file, the file format, the time, the writing process,
/// the file's disk stamp, the text's length) and the page's text in UTF-8
/// with the CR LF line breaks the page gives.
///
/// Layout, every header line "key: value" ending in LF, then an empty line:
///   LUMARO RECOVERY 1
///   page: <name, percent-encoded UTF-8>
///   file: 1|0
///   encoding: utf-8|windows-1252
///   bom: 1|0
///   final-line-break: 1|0
///   time: <ISO 8601 UTC with milliseconds>
///   pid: <process id>
///   start: <process start, clock ticks since boot>
///   boot: <boot id>
///   disk: none | <modified ms> <size>
///   length: <bytes of text>
struct RecoveryRecord {
    QString pageName;   ///< the full path of a page with a file, or its untitled name
    bool hasFile = false;
    FileFormat format;
    QDateTime savedAt;
    ProcessIdentity owner;
    DiskStamp disk;
    QString text;       ///< the page's text (CR LF line breaks, no final one of its own)

    QByteArray encode() const;
    /// The size in bytes of the file a save of the page would write: its
    /// encoding, byte-order mark and final line break included.
    qint64 savedSize() const;
    /// Reads a recovery copy, checking everything: a file that is empty,
    /// truncated, not a recovery copy, or that names a page anywhere but a
    /// clean full path (or a proper untitled name), gives an error.
    static RecoveryReadResult decode(const QByteArray &bytes);

    friend bool operator==(const RecoveryRecord &, const RecoveryRecord &) = default;
};

struct RecoveryReadResult {
    bool ok = false;
    RecoveryRecord record;
    QString error; ///< why the file cannot be used, for the user
};

} // namespace lumaro
