#pragma once

#include <QString>

namespace lumaro {

class thtmlrichedit;

// The character conversions around saving and loading a page when the
// setting "Convert special characters to tags when save" (editor\convsave)
// is on. With the setting off they change nothing (and succeed).
//
// Saving a page:
//     QString error;
//     if (!convsaveBeforeSave(editor, &error)) { show error; do not save; }
//     const bool saved = write the page's text;
//     convsaveAfterSave(editor, saved, &error);   // also after a failed write
// The file then holds entities while the page goes on showing characters,
// not modified when the write succeeded.

/// Characters to entities before the page's text is written. False, with a
/// message and the page unchanged, when "spectags.dat" cannot be read: the
/// save must not happen.
bool convsaveBeforeSave(thtmlrichedit &editor, QString *error = nullptr);

/// Entities back to characters after the write (whether or not it
/// succeeded); clears the modified flag when saved is true. The two
/// conversions form one undo step. False with a message when the table
/// could not be read again; the page then shows the entities.
bool convsaveAfterSave(thtmlrichedit &editor, bool saved = true, QString *error = nullptr);

/// Entities to characters after a page was loaded; the page is then not
/// modified and has no undo step. False with a message (the page shows the
/// file's text) when the table cannot be read.
bool convsaveAfterLoad(thtmlrichedit &editor, QString *error = nullptr);

} // namespace lumaro
