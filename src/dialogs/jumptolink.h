#pragma once

#include <QString>

namespace lumaro {

/// The jump-to command's element: a link to a named place of the same page,
/// <A HREF="#name">text</A>.
struct JumpToLink {
    QString name;
    QString text;

    /// Reads a selection. A selection that does not start with "<A" exactly
    /// is taken whole as the link text.
    static JumpToLink decode(const QString &selection);
    QString build() const;
};

} // namespace lumaro
