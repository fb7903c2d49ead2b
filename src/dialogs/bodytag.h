#pragma once

#include <QString>

namespace lumaro {

/// The fields of the body dialog: the page's BODY start tag.
struct BodyTag {
    QString background;   ///< background image address; written between quotes
    bool watermark = false; ///< fixed background (BGPROPERTIES=FIXED)
    QString bgcolor;      ///< colour edit boxes: empty leaves the attribute out
    QString text;
    QString link;
    QString vlink;
    QString topMargin = QStringLiteral("0");  ///< "0" or empty writes no TOPMARGIN
    QString leftMargin = QStringLiteral("0"); ///< "0" or empty writes no LEFTMARGIN
    /// Set when the selection began with "<BODY": OK then rewrites the start tag only.
    bool editExisting = false;
    /// Selected text after the start tag, written back unchanged.
    QString after;

    /// Resets to the defaults and reads a selected "<BODY" start tag.
    void decode(const QString &selection);
    /// The new start tag (and what followed it), or the whole new element
    /// with three line breaks for the page's content.
    QString build() const;
};

} // namespace lumaro
