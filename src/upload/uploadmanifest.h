#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace lumaro {

struct UploadSettings;

/// What was last sent of one file: its size, modification time and SHA-256.
struct ManifestEntry {
    qint64 size = 0;
    qint64 modified = 0;   ///< ms since the epoch
    QByteArray sha256;     ///< 64 lower-case hex digits

    friend bool operator==(const ManifestEntry &, const ManifestEntry &) = default;
};

/// The record of what an upload put on the server, one per project and
/// remote folder, kept in the user's data folder. A file whose size, time
/// and checksum match its entry, and whose size on the server is still the
/// one sent, is not sent again; only files named here are ever deleted.
///
/// The file is text: a header line, then one line per file,
/// "SHA256<TAB>SIZE<TAB>TIME<TAB>PATH". A line that does not read as one,
/// or whose path breaks the remote path rules, is left out.
class UploadManifest {
public:
    QHash<QString, ManifestEntry> entries; ///< by path below the remote folder

    /// The manifest file of a project and its upload destination.
    static QString fileFor(const QString &projectFile, const UploadSettings &settings);

    static UploadManifest parse(const QByteArray &bytes);
    QByteArray serialize() const;

    /// An empty manifest when the file is missing or unreadable.
    static UploadManifest load(const QString &fileName);
    bool save(const QString &fileName, QString *error = nullptr) const;
};

} // namespace lumaro
