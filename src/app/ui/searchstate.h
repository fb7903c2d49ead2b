#pragma once

#include <QString>

namespace lumaro {

/// What the search remembers for the whole run and shares between pages:
/// the text of the last search, its find options and where it last matched.
/// Plain data plus the small rules that decide where a search starts and
/// what the user is told when nothing is found.
class SearchState {
public:
    /// Find flags as one byte: 1 = whole words only, 2 = case sensitive.
    enum Option : unsigned char { WholeWord = 1, MatchCase = 2 };

    /// The search text; empty before the first search, so Search Again
    /// before any search looks for the empty text (and finds nothing).
    QString text;
    /// A set of Option flags (0 .. 3).
    unsigned char options = 0;
    /// Result of the last find; -1 when nothing was found.
    int lastMatch = -1;

    bool wholeWord() const { return options & WholeWord; }
    bool matchCase() const { return options & MatchCase; }

    /// The option byte made of the two check boxes.
    static unsigned char optionsFrom(bool wholeWord, bool matchCase);

    /// Where a search starts: the beginning of the text for "Entire scope";
    /// otherwise just past a match that is still selected (selection start +
    /// length of the search text), so repeating a search moves on.
    static int startPosition(bool entireScope, int selectionStart, const QString &searchText);

    /// "Could not find \"<text>\" !"
    static QString notFoundMessage(const QString &searchText);
};

} // namespace lumaro
