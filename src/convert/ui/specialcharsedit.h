#pragma once

#include "specialchars.h"

#include <QString>

#include <optional>

namespace lumaro {

class thtmlrichedit;

/// The character/entity conversions applied to a page editor.
///
/// Only the replaced characters change: each replacement takes the format
/// of the text it replaces (an entity inside a coloured tag stays coloured),
/// no recolouring runs, and the whole conversion is one undo step. The caret
/// goes back to where it stood, not adjusted for the changed length.
class SpecialCharsEdit {
public:
    /// The installation's special-character table; nothing, with a message
    /// for the user, when "spectags.dat" is missing, short or damaged.
    static std::optional<SpecialChars> loadTable(QString *error = nullptr);

    /// Characters to entities in the whole page. False, with the page
    /// unchanged, when the table cannot be read.
    static bool chartiltags(thtmlrichedit &editor, QString *error = nullptr);
    /// Entities to characters in the whole page; as chartiltags.
    static bool tagstilchar(thtmlrichedit &editor, QString *error = nullptr);

    /// The conversions with a table already read. With joinPrevious the
    /// changes join the editor's last undo step. Returns the number of
    /// replacements made.
    static int chartiltags(thtmlrichedit &editor, const SpecialChars &table, bool joinPrevious = false);
    static int tagstilchar(thtmlrichedit &editor, const SpecialChars &table, bool joinPrevious = false);

    /// Replaces the selection (or inserts at the caret) by an entity, as the
    /// palette's letter buttons and the markup character buttons do: a plain
    /// replacement without colouring.
    static void insertEntity(thtmlrichedit &editor, const QString &entity);
};

} // namespace lumaro
