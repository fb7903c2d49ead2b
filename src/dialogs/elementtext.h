#pragma once

#include <QString>
#include <optional>

namespace lumaro {

/// Finds the parts of an element at the start of a selection: where its
/// start tag ends, where its end tag lies, and what follows it.
///
/// The dialogs that rewrite a selected element read attributes from its
/// start tag only and put back unchanged whatever the user selected after
/// the element, so nested tags and following text are never lost.
class ElementText {
public:
    /// Position just past the start tag's ">" at the beginning of text: the
    /// first ">" outside double quotes, else the first ">" at all, else the
    /// end of the text.
    static qsizetype startTagEnd(const QString &text);

    /// The start tag at the beginning of text without its closing ">"; the
    /// attributes are read from here.
    static QString startTag(const QString &text);

    /// The value of NAME= in a start tag as typed, quotes kept: a quoted
    /// value up to and including its closing quote (or the end), a bare
    /// value up to a blank, tab, line break or ">". Nothing when absent.
    static std::optional<QString> rawValue(const QString &startTag, const QString &name);

    /// Position of the end tag closing the element whose content starts at
    /// from: the first closeStart ("</FONT") not matched by a nested
    /// openStart ("<FONT") met on the way; -1 when there is none.
    static qsizetype matchingEndTag(const QString &text, qsizetype from, const QString &openStart,
                                    const QString &closeStart);

    /// Position just past an end tag whose name ends before at: blanks and
    /// the closing ">" are skipped when present, nothing else.
    static qsizetype endTagEnd(const QString &text, qsizetype at);

    /// True when text has tagStart at pos and the tag name ends there
    /// (a blank, tab, line break, ">" or the end follows): "<FONT" in
    /// "<FONT>" but not in "<FONTX>".
    static bool tagNameAt(const QString &text, qsizetype pos, const QString &tagStart);
};

} // namespace lumaro
