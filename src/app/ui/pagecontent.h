#pragma once

namespace lumaro {

class thtmlrichedit;

/// Moves a page's content from one page editor to another when the pages
/// after a closed page shift down one slot: the text with its character
/// formatting (so the tag colouring survives), the modified flag, the
/// format the file was read in (encoding, byte-order mark, final line
/// break), and the caret and selection.
class PageContent {
public:
    /// Replaces the content of `to` by that of `from`; `from` is left as it
    /// was. The receiving editor starts a fresh undo history.
    static void move(thtmlrichedit &from, thtmlrichedit &to);
    /// Empties an editor for an unused slot: no text, no undo history, not
    /// modified, a plain UTF-8 format for the next page.
    static void clear(thtmlrichedit &editor);
};

} // namespace lumaro
