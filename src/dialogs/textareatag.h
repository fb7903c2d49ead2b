#pragma once

#include <QString>

namespace lumaro {

/// The fields of the text array dialog: a prompt followed by an empty
/// TEXTAREA element whose width and height are written without quotes.
struct TextAreaTag {
    QString name;
    QString prompt;                         ///< "Guidetext", written in front of the element
    QString width = QStringLiteral("40");   ///< COLS
    QString height = QStringLiteral("1");   ///< ROWS; a text area has at least one row

    /// Resets to the defaults and reads a selected text area: the prompt
    /// before its "<TEXTAREA", NAME, ROWS and COLS.
    void decode(const QString &tagText);
    /// The prompt, then the element when the name is not empty.
    QString build() const;
};

} // namespace lumaro
