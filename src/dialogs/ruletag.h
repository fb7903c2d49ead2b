#pragma once

#include <QString>

namespace lumaro {

/// The fields of the horizontal rule dialog: one HR tag, written in four
/// pieces (alignment, width, shade, size) each ending in a blank, so the tag
/// always has a blank before its ">".
struct RuleTag {
    enum class Align { None, Left, Right, Center };

    Align align = Align::None;
    QString width = QStringLiteral("100");  ///< "0" (or empty) writes no WIDTH
    bool widthPercent = true;               ///< "Width in %"
    QString height = QStringLiteral("0");   ///< SIZE; "0" (or empty) writes none
    bool noShade = false;                   ///< "Without shadow"
    /// What the selection held after the rule's start tag, put back unchanged.
    QString trailing;

    /// Checking "Width in %" sets the width to "100", clearing it to "0".
    void setWidthPercent(bool on);

    /// Resets to the defaults and reads a selection that begins with "<HR";
    /// attributes come from the start tag only. Any other selection leaves
    /// the defaults.
    void decode(const QString &tagText);
    /// "<HR" + alignment + width + shade + size + ">", then the trailing text.
    QString build() const;
};

} // namespace lumaro
