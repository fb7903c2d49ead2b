#pragma once

#include <QString>
#include <optional>

namespace lumaro {

/// A bounded reader of one attribute in a tag written by hand or by a
/// dialog, for the dialogs whose values may be quoted or bare.
///
/// A name matches only where it starts an attribute (after a blank, tab,
/// line break or the quote that closes a value), case-sensitively, followed
/// by "=". A quoted value ends at
/// the closing double quote or at the end of the text; two adjacent quotes
/// are an empty value. A bare value runs to a blank, tab, line break or ">".
/// Nothing is ever read past the end of the text.
class TagAttributes {
public:
    /// The value of NAME= without its quotes; nothing when absent.
    static std::optional<QString> value(const QString &text, const QString &name);
    /// The value as it is written, its quotes kept (a missing closing quote
    /// is not added); nothing when absent.
    static std::optional<QString> written(const QString &text, const QString &name);
    /// The tag without the attribute (its name, value and the blanks before
    /// it); the tag unchanged when the attribute is absent.
    static QString without(const QString &tag, const QString &name);
    /// The value, or fallback when the attribute is absent.
    static QString value(const QString &text, const QString &name, const QString &fallback);
    /// The leading decimal digits of the value; nothing when absent or when
    /// the value does not start with a digit.
    static std::optional<QString> number(const QString &text, const QString &name);
    /// True when the word (NORESIZE, CHECKED, MULTIPLE, ...) stands in the
    /// text as an attribute of its own, alone or with a value
    /// (NORESIZE="NORESIZE"), not inside a value or a longer name.
    static bool flag(const QString &text, const QString &word);
    /// Position just after "NAME=" where the name starts an attribute; -1 when absent.
    static qsizetype find(const QString &text, const QString &name);
};

} // namespace lumaro
