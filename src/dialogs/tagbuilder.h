#pragma once

#include <QString>

namespace lumaro {

/// Writes a start tag the way every attribute dialog does: "<" and the
/// upper-case tag name, then " NAME=value" per attribute in the order they are
/// added, values as given (no quotes added).
class TagBuilder {
public:
    explicit TagBuilder(const QString &tagName);

    /// Appends " NAME=value".
    TagBuilder &add(const QString &name, const QString &value);
    /// Appends " NAME=value" only when value is not empty (colour edit boxes).
    TagBuilder &addIfNotEmpty(const QString &name, const QString &value);

    /// The start tag so far, without its closing ">".
    QString text() const { return m_text; }

    /// The finished text of a dialog with an edit-existing flag: the start
    /// tag alone when editing an existing tag, otherwise the new element with
    /// two line breaks for its content and the end tag.
    QString finish(bool editExisting) const;
    /// The start tag, content and end tag.
    QString element(const QString &content) const;

private:
    QString m_name;
    QString m_text;
};

} // namespace lumaro
