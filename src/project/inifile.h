#pragma once

#include <QString>
#include <QStringList>

namespace lumaro {

/// A Windows-compatible INI file, read and written one value at a time as
/// the private-profile functions do: "[section]" lines and "key=value"
/// lines, section and key names compared without regard to case, names and
/// values trimmed, a value in matching quotes given without them. Writing
/// replaces the first matching key line of the first matching section, adds
/// a missing key after the section's last entry and a missing section at
/// the end; every other line (comments, blank lines, unknown text) is kept.
///
/// Not QSettings, which escapes values and rewrites the whole file. Files
/// are written through QSaveFile with CR LF line ends, in Windows-1252 unless
/// the file already holds UTF-8 or a value needs it.
class IniFile {
public:
    explicit IniFile(const QString &fileName);

    const QString &fileName() const { return m_fileName; }

    /// The value, or def when the file, the section or the key is missing.
    QString readString(const QString &section, const QString &key, const QString &def) const;
    /// An integer value: decimal, or hexadecimal after "0x"; def when the
    /// value is missing or not a number.
    int readInteger(const QString &section, const QString &key, int def) const;
    /// A flag: any number other than 0 is on; def when missing or not a number.
    bool readBool(const QString &section, const QString &key, bool def) const;

    /// Writes one value; false with a reason in *error when the file cannot
    /// be written (the old file is then untouched).
    bool writeString(const QString &section, const QString &key, const QString &value,
                     QString *error = nullptr);
    /// Writes a flag as "1" or "0".
    bool writeBool(const QString &section, const QString &key, bool value, QString *error = nullptr);

    // The text rules, usable on lines without a file.
    /// Looks a value up in the lines of a file.
    static bool lookup(const QStringList &lines, const QString &section, const QString &key,
                       QString *value);
    /// The lines with one value set.
    static QStringList update(const QStringList &lines, const QString &section, const QString &key,
                              const QString &value);

private:
    QString m_fileName;
};

} // namespace lumaro
