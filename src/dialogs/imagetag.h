#pragma once

#include <QString>

namespace lumaro {

/// The image dialog's element: an IMG tag with its video attributes,
/// optionally wrapped in a link, preceded by an inline image map, and
/// followed by a background-sound tag.
///
/// decode() reads a selection written by this dialog or by hand (upper-case
/// attribute names, values quoted or bare); build() writes the text the
/// dialog's OK puts into the page.
struct ImageTag {
    enum Align { AlignNone, AlignTop, AlignMiddle, AlignBottom, AlignLeft, AlignRight };
    enum Clear { ClearNone, ClearAll, ClearRight, ClearLeft };
    enum Units { UnitsNone, UnitsDefault, UnitsUnit, UnitsPixel };

    QString image;   ///< SRC
    QString link;    ///< HREF of the surrounding anchor
    QString lowSrc;  ///< LOWSRC, written only beside an image
    QString alt;
    QString width;
    QString height;
    int align = AlignNone;
    int clear = ClearNone;
    int units = UnitsNone;
    QString hspace = QStringLiteral("0");
    QString vspace = QStringLiteral("0");
    QString border = QStringLiteral("0");

    bool useMap = false;
    /// Inline MAP markup written in front of the element.
    QString mapPrefix;
    /// The USEMAP value: "#" + map name, or a map file's path.
    QString mapReference;
    /// Set when the decoded selection held a MAP element (it is then in mapPrefix).
    bool mapPresent = false;

    QString dynsrc;
    bool startFileOpen = false;
    bool startMouseOver = false;
    QString videoLoop = QStringLiteral("-1"); ///< "-1" is written as INFINITE
    QString loopDelay = QStringLiteral("0");
    bool controls = false;

    QString soundSrc;
    QString soundLoop = QStringLiteral("-1");
    bool mosaicSound = false; ///< SOUND instead of BGSOUND

    /// Reads a selection into a fresh value. A MAP element, from its "<MAP"
    /// through "</MAP>" and the line break after it, is cut off into
    /// mapPrefix wherever it stands; the sound tag, the image tag and the
    /// link's "<A" start tag are read each on its own, so each Loop comes
    /// from its own tag and no AREA's HREF becomes the link. Absent
    /// attributes keep the defaults.
    static ImageTag decode(const QString &selection);
    /// The element in its fixed order:
    /// map + link + IMG SRC + LOWSRC + WIDTH + HEIGHT + USEMAP + ALIGN + ALT +
    /// HSPACE + VSPACE + BORDER + CLEAR + UNITS + DYNSRC + START + LOOP +
    /// LOOPDELAY + CONTROLS + ">" + "</A>" + sound.
    QString build() const;

    friend bool operator==(const ImageTag &, const ImageTag &) = default;
};

} // namespace lumaro
