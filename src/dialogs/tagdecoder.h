#pragma once

#include <QString>
#include <optional>

namespace lumaro {

/// Reads a selected start tag back into a dialog's fields.
///
/// The rules are deliberately simple, so that a tag the dialogs wrote always
/// reads back the same way: the tag is recognised only when the text begins
/// exactly (case-sensitively) with the dialog's start, and an attribute is the
/// first occurrence of its upper-case name followed by "=" where it starts an
/// attribute, that is after a blank, tab or line break. "ALIGN=" is never
/// found inside "VALIGN=".
class TagDecoder {
public:
    /// True when text begins with start exactly ("<TABLE", "<TR", ...).
    static bool startsWithTag(const QString &text, const QString &start);

    /// True for the characters that separate attributes inside a tag.
    static bool isAttributeSeparator(QChar c);

    /// The value of the first "NAME=" starting an attribute in text (name without the "="), or
    /// nothing when it does not occur. The value runs from after the "=" up
    /// to the first space when a space comes before the first ">", otherwise
    /// up to the first ">" (or the end of the text). Quotes are kept.
    static std::optional<QString> attribute(const QString &text, const QString &name);

    /// The element's content as the cell and caption dialogs read it: the
    /// text after the first ">" up to, not including, the next "<" (or the
    /// end of the text). Empty when there is no ">".
    static QString content(const QString &text);

    /// Text from the start of rest up to the first space or ">", whichever
    /// comes first (or the end).
    static QString valueAt(const QString &rest);
};

} // namespace lumaro
