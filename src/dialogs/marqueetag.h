#pragma once

#include <QString>

namespace lumaro {

/// The fields of the marquee dialog: a whole MARQUEE element with its text,
/// wrapped in a FONT element when a text colour is given. The dialog keeps no
/// edit-existing flag: the element is always written whole.
struct MarqueeTag {
    /// "How to move" radio buttons, in their order; Default writes nothing.
    enum class Behavior { Scroll, Slide, Alternate, Default };
    /// "Align" radio buttons, in their order; None writes nothing.
    enum class Align { Top, Middle, Bottom, None };

    QString foreground;   ///< the FONT wrapper's COLOR as written; empty: none
    QString background;   ///< BGCOLOR; empty: left out
    Behavior behavior = Behavior::Default;
    Align align = Align::None;
    bool directionRight = false;  ///< Left, the default, writes nothing
    // Number boxes: "0" (or empty) writes nothing, except LOOP, where it
    // means INFINITE.
    QString loop = QStringLiteral("0");
    QString scrollAmount = QStringLiteral("0");
    QString scrollDelay = QStringLiteral("0");
    QString vspace = QStringLiteral("0");
    QString hspace = QStringLiteral("0");
    QString width = QStringLiteral("0");
    bool widthPercent = false;    ///< "Width i % "
    QString height = QStringLiteral("0");
    bool heightPercent = false;   ///< "Heigth i %"
    QString text;                 ///< the marquee text, line breaks as CR LF
    /// What the selection held after the element, put back unchanged.
    QString trailing;
    /// The wrapper's FONT start tag as selected, its other attributes kept;
    /// empty when the selection had no wrapper.
    QString fontTag;

    /// Resets to the defaults and reads the selection: a selection beginning
    /// "<MARQUEE", or a FONT start tag directly followed by "<MARQUEE",
    /// is read back (attributes from the MARQUEE start tag only, the text up
    /// to "</MARQUEE" or the end of the selection); any other selection
    /// becomes the text of a new marquee.
    void decode(const QString &tagText);
    /// The element, its FONT wrapper when a foreground is set, then the
    /// trailing text.
    QString build() const;

private:
    void decodeStartTag(const QString &tag);
    /// The wrapper's start tag: the selected one with the foreground as its
    /// COLOR, or a new one; empty when there is neither colour nor wrapper.
    QString fontStart() const;
};

} // namespace lumaro
