#pragma once

#include <QColor>
#include <QString>

namespace lumaro {

/// A text attribute of a tag class: the font style set the colouring applies.
struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FontStyle &, const FontStyle &) = default;
};

/// The colour table and the attribute table of the colouring engine.
///
/// The colour order is also the RTF colour table of the coloured load and the
/// preferences' 16-colour grid. The attribute index is not a bit mask: 3 is
/// underline alone and 4 is bold plus italic.
class ColorTables {
public:
    static constexpr int kColorCount = 16;
    static constexpr int kAttrCount = 8;
    static constexpr int kDefaultColorIndex = 12;
    static constexpr int kDefaultAttrIndex = 0;

    static bool validColorIndex(int index) { return index >= 0 && index < kColorCount; }
    static bool validAttrIndex(int index) { return index >= 0 && index < kAttrCount; }

    /// The colour of an index 0..15; any other index gives the default
    /// class colour (index 12).
    static QColor colorfraindex(int index);
    /// The toolkit colour value of an index, hexadecimal 00BBGGRR.
    static quint32 colorValue(int index);
    /// The font style set of an attribute index 0..7; any other index gives
    /// no style.
    static FontStyle fontattrfraindex(int index);
    /// The RTF control words of an attribute index ("\b", "\i\ul", ...);
    /// empty for index 0 and for any index outside 0..7.
    static QString rtfattrfraindex(int index);
    /// The RTF colour table as written into the coloured document.
    static QString rtfColorTable();
};

} // namespace lumaro
