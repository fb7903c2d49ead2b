#pragma once

#include <QString>

#include <functional>

namespace lumaro {

/// Finds, in a page's text, the start tag of an element the rendered page
/// names by tag name and index among the elements of that name in document
/// order. The rendered page and the text agree on that order as long as
/// start tags are counted the way a browser builds elements from them:
/// comments, declarations and end tags make none, and the text inside
/// script, style and the other raw-text elements is not markup.
class ElementLocator {
public:
    /// Position of the index-th (0-based) start tag named tagName (compared
    /// without regard to case), or -1 when the text has no such tag. The
    /// names a browser adds when the text omits them ("html", "head",
    /// "body", "tbody") map to the first such tag when there is one.
    static int startTagPosition(const QString &text, const QString &tagName, int index);

    /// True for names whose elements a browser creates even when the text
    /// has no tag for them.
    static bool isImpliedName(const QString &tagName);

    /// A copy of text for rendering, never for saving: every start tag
    /// counted as above gets the attribute, right after its name, whose value
    /// is the tag's position in text. The rendered page can then name the
    /// tag an element was written with, whatever elements the browser added
    /// or opened again on its own.
    static QString markStartTags(const QString &text, const QString &attribute);
    /// True when text holds the start tag of tagName at position.
    static bool isStartTagAt(const QString &text, int position, const QString &tagName);

private:
    /// Calls visit(position of "<", end of the name, lower-case name) for
    /// every start tag in order until it returns false.
    static void forEachStartTag(const QString &text,
                                const std::function<bool(qsizetype, qsizetype, const QString &)> &visit);
};

} // namespace lumaro
