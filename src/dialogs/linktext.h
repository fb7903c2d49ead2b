#pragma once

#include <QString>

namespace lumaro {

/// Cutting helpers for reading a selected link back step by step. A search
/// that finds nothing deletes nothing and copies nothing.
class LinkText {
public:
    /// Deletes text up to and including the first occurrence of what; no
    /// change when it does not occur.
    static void cutThrough(QString &text, const QString &what);
    /// The text before the first occurrence of what; empty when it does not occur.
    static QString before(const QString &text, const QString &what);
    /// True when the selection starts with "<A" exactly.
    static bool isLink(const QString &selection);
    /// Reads the link text: cut through the first ">", then the text before
    /// the first "</A".
    static QString linkText(QString rest);
};

} // namespace lumaro
