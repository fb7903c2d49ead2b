#pragma once

#include <QString>

#include <array>
#include <optional>

namespace lumaro {

/// The settings of the RTF import (section "imexport" of the settings
/// store): the tag names written for line breaks and the four character
/// styles, the point-size thresholds of the HTML font sizes, whether font
/// faces are carried over, and the standard font.
struct ImportSettings {
    QString crTag = QStringLiteral("P");
    QString boldTag = QStringLiteral("B");
    QString italicTag = QStringLiteral("I");
    QString underlineTag = QStringLiteral("U");
    QString strikeTag = QStringLiteral("S");
    /// f1..f7: the largest point size of HTML font sizes 1..7. f7 is read
    /// (and checked) but sizes above f6 up to 255 are size 7 regardless.
    std::array<int, 7> thresholds{5, 9, 12, 16, 20, 25, 30};
    bool useFontType = true;
    /// Read and edited, but it does not change the import's output.
    QString standardFont = QStringLiteral("arial");

    /// The HTML font sizes (1..7) a point size falls into, as bits 0..6.
    /// Each range is tested on its own, so thresholds that do not increase
    /// may give several sizes or none; 0 and sizes above 255 give none.
    unsigned sizeClasses(int points) const;

    /// Reads the settings from the store. A threshold that is not a whole
    /// number gives nothing and a message naming it in *error.
    static std::optional<ImportSettings> fromStore(QString *error = nullptr);
    /// Parses one threshold text as the store holds it; the message names
    /// the threshold (F1..F7) when the text is not a whole number.
    static std::optional<int> parseThreshold(const QString &text, int number, QString *error);
};

} // namespace lumaro
