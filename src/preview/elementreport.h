#pragma once

#include <QString>

namespace lumaro {

/// What the preview's double-click handler reports about the element under
/// the pointer: its tag name and its index among the elements of that name
/// in document order. The handler runs in the rendered page and passes the
/// report as one console line, marked with a token only this program knows
/// so that a page's own console output is never taken for one.
struct ElementReport {
    QString tagName;
    int index = -1;

    bool isValid() const { return !tagName.isEmpty() && index >= 0; }

    /// The handler's source for a given token.
    static QString handlerScript(const QString &token);
    /// Reads a console line; an invalid report when it is no report for token.
    static ElementReport parse(const QString &message, const QString &token);
};

} // namespace lumaro
