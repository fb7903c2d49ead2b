#pragma once

#include <QString>

namespace lumaro {

/// The fields of the heading dialog: one H1 .. H7 element.
struct HeadingTag {
    int level = 1;        ///< 1 .. 7
    bool center = false;  ///< `checkcenter`: ALIGN=CENTER, else ALIGN=none
    QString text;
    /// Selected text after the heading's end tag, written back unchanged.
    QString after;

    /// Resets to the defaults and reads a selection. A heading begins "<H"
    /// and a digit 1 .. 7 (its level); its text runs to "</H" and a digit,
    /// or to the end of the selection. Any other selection is the text of
    /// a new heading.
    void decode(const QString &selection);
    /// The heading element, followed by what came after it.
    QString build() const;
};

} // namespace lumaro
