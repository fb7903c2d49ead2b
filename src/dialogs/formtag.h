#pragma once

#include <QString>

namespace lumaro {

/// The fields of the form dialog: a whole FORM element with its method and
/// action address.
struct FormTag {
    enum class Method { Post, Get };

    QString action;
    Method method = Method::Post;

    /// Resets to the defaults and reads METHOD and ACTION from any
    /// non-empty text; the action is read whole, however long.
    void decode(const QString &tagText);
    /// The FORM element, or nothing when the action is empty (OK then
    /// removes the selection). The element is written whole even over a
    /// selected FORM start tag.
    QString build() const;

    bool operator==(const FormTag &) const = default;
};

} // namespace lumaro
