#pragma once

#include <QString>

namespace lumaro {

/// The fields of the font and base font dialogs: one FONT element around
/// text, or one BASEFONT tag.
struct FontTag {
    enum class Kind { Font, BaseFont };

    Kind kind = Kind::Font;
    QString color;   ///< the "Text Color:" edit box; empty writes no COLOR
    int size = 3;    ///< the checked "Size = 1" .. "Size = 7" button
    QString faces;   ///< comma-separated face names; empty writes no FACE
    QString text;    ///< the FONT element's content (font dialog only)
    /// Selected text after the element (after the end tag, or after the
    /// start tag of a BASEFONT), written back unchanged.
    QString after;

    explicit FontTag(Kind k = Kind::Font)
        : kind(k)
    {
    }

    /// "<FONT" or "<BASEFONT": the start a selection must begin with to be read.
    QString startTag() const;

    /// Resets to the defaults (keeping the kind) and reads a selected
    /// element. A font dialog takes any other selection as its text, so OK
    /// wraps it in a new FONT element.
    void decode(const QString &tagText);
    /// The new FONT element or BASEFONT tag, followed by what came after it.
    QString build() const;

    /// The face list with face appended, "," between entries.
    static QString appendFace(const QString &faces, const QString &face);
};

} // namespace lumaro
