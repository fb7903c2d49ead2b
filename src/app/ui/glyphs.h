#pragma once

#include <QIcon>
#include <QString>

namespace lumaro {

/// The toolbar glyphs: the program's own SVG artwork in the resource
/// ":/glyphs/", found by resource number ("203") or name ("bold").
class Glyphs {
public:
    /// The glyph as an icon, rendered sharp at toolbar size (and twice that
    /// for high-density screens). A null icon when there is no such glyph.
    static QIcon icon(const QString &id);
    /// Whether the resource holds a glyph of that id.
    static bool exists(const QString &id);
    /// The glyph rendered at a size; a null pixmap when there is none.
    static QPixmap pixmap(const QString &id, int size);
};

} // namespace lumaro
