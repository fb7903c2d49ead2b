#pragma once

#include <QString>
#include <optional>

namespace lumaro {

/// The rules that keep every write and delete of an upload inside the
/// remote folder. Paths below the folder are relative, "/"-separated and
/// made only of plain names: no "." or "..", no empty piece, no backslash
/// (a separator on some servers) and no control character.
class RemotePath {
public:
    /// Whether a relative path obeys the rules; *why says what is wrong.
    static bool isSafeRelative(const QString &relative, QString *why = nullptr);
    /// The remote folder as it is used: empty pieces and "." dropped, a
    /// leading "/" kept, no trailing "/"; empty for the login folder.
    /// Nothing when it holds ".." or a control character.
    static std::optional<QString> normalizedFolder(const QString &folder, QString *why = nullptr);
    /// The remote path of a relative path below the folder.
    static QString join(const QString &folder, const QString &relative);
    /// The relative folder of a relative path ("" at the top).
    static QString parentOf(const QString &relative);

    /// The temporary name a file is written to before it is renamed over
    /// its final name: a hidden name in the same folder.
    static QString temporaryFor(const QString &relative, quint64 token);
    /// Whether a file name is one of those temporary names.
    static bool isTemporaryName(const QString &fileName);
};

} // namespace lumaro
