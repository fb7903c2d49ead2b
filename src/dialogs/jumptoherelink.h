#pragma once

#include <QString>

namespace lumaro {

/// The jump-to-here command's element: a named place to jump to,
/// <A NAME="name">text</A>.
struct JumpToHereLink {
    QString name;
    QString text;

    /// Reads a selection. A selection that does not start with "<A" exactly
    /// is taken whole as the text.
    static JumpToHereLink decode(const QString &selection);
    QString build() const;
};

} // namespace lumaro
