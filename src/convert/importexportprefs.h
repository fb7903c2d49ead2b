#pragma once

#include <QString>

#include <array>

namespace lumaro {

/// The values the RTF import / export preferences dialog edits, as the
/// settings store holds them (thresholds as text, tag names without angle
/// brackets).
struct ImportExportPrefs {
    QString cr;
    QString bold;
    QString italic;
    QString underl;
    QString strike;
    std::array<QString, 7> f;
    bool usefonttype = true;
    QString standardfont;

    /// Reads every value through a settings store instance of its own.
    static ImportExportPrefs read();
    /// Writes every value back.
    void write() const;

    bool operator==(const ImportExportPrefs &other) const = default;
};

} // namespace lumaro
