#pragma once

#include <QString>

namespace lumaro {

/// Where a selected element's start tag begins and ends, for the dialogs
/// that read attributes from the start tag only and put back what the
/// selection holds after the element.
class ElementStart {
public:
    /// True when text begins with start ("<HR", "<MARQUEE", ...) exactly and
    /// case-sensitively, followed by the end of the text, a blank, tab, line
    /// break, "/" or ">", so that "<HR" is not found in "<HREF" or "<HRX>".
    static bool begins(const QString &text, const QString &start, qsizetype from = 0);
    /// Position just after the first ">" at or after from; the text's size
    /// when the tag is not closed.
    static qsizetype tagEnd(const QString &text, qsizetype from = 0);
    /// Position of the first end tag endTag ("</MARQUEE") at or after from,
    /// and through its ">" in *after; -1 (and *after = size) when absent.
    static qsizetype endTag(const QString &text, const QString &endTag, qsizetype from, qsizetype *after);
    /// True for "0" and for a box left empty or blank: the number writes nothing.
    static bool isZero(const QString &number);
};

} // namespace lumaro
