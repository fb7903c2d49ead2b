#pragma once

#include "colortables.h"
#include "tagclass.h"

#include <QString>
#include <array>

namespace lumaro {

/// The colouring settings as they stand at one moment: the two switches, the
/// colour and attribute index of every tag class, and the page font.
///
/// Operations read it once when they start (read()), so one load or one
/// recolour sees one consistent set, and nothing is kept between operations.
/// Indices outside the tables (only possible when edited by hand) fall back
/// to the class defaults: colour 12 and attribute 0.
struct ColorSettings {
    bool usecolor = false;
    bool usefontattr = false;
    std::array<int, kTagClassCount> colorIndex{12, 12, 12, 12, 12};
    std::array<int, kTagClassCount> attrIndex{0, 0, 0, 0, 0};
    QString fontName = QStringLiteral("courier new");
    int fontSize = 10;

    /// Reads every value through the settings store, now.
    static ColorSettings read();

    int colorIndexOf(TagClass tagClass) const;
    int attrIndexOf(TagClass tagClass) const;
    QColor colorOf(TagClass tagClass) const { return ColorTables::colorfraindex(colorIndexOf(tagClass)); }
    FontStyle styleOf(TagClass tagClass) const { return ColorTables::fontattrfraindex(attrIndexOf(tagClass)); }

    /// "\cf" and the class's colour index, or empty when usecolor is off.
    QString rtfcolorcode(QStringView prefix) const;
    /// The class's RTF attribute words, or empty when usefontattr is off.
    QString rtfattrcode(QStringView prefix) const;
};

} // namespace lumaro
