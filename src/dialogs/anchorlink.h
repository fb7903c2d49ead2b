#pragma once

#include <QString>

namespace lumaro {

/// The anchor command's element: a link to an address, optionally to a named
/// place in it: <A HREF="address#name">text</A>.
struct AnchorLink {
    QString address;
    QString name;
    QString text;

    /// Reads a selection. A selection that does not start with "<A" exactly
    /// is taken whole as the link text.
    static AnchorLink decode(const QString &selection);
    /// The element; "#" and the name are left out when the name is empty.
    QString build() const;
};

} // namespace lumaro
