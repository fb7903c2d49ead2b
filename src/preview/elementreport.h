#pragma once

#include <QString>

namespace lumaro {

/// What the preview's double-click handler reports about the element under
/// the pointer: its tag name and the page position of the start tag it was
/// written with. The rendered text has each start tag marked with its
/// position (ElementLocator::markStartTags, attribute markAttribute());
/// an element the browser made itself (an implied one, or a formatting
/// element it opened again, which copies the mark of the one it repeats)
/// stands for its nearest written ancestor. The handler runs in the
/// rendered page and passes the report as one console line, marked with a
/// token only this program knows so that a page's own console output is
/// never taken for one.
struct ElementReport {
    QString tagName;
    int position = -1;

    bool isValid() const { return !tagName.isEmpty() && position >= 0; }

    /// The attribute the rendered text's start tags carry for a token.
    static QString markAttribute(const QString &token);
    /// The handler's source for a given token.
    static QString handlerScript(const QString &token);
    /// Reads a console line; an invalid report when it is no report for token.
    static ElementReport parse(const QString &message, const QString &token);
};

} // namespace lumaro
