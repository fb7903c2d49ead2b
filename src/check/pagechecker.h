#pragma once

#include "checkproblem.h"

#include <QString>

namespace lumaro {

/// Which reports a check keeps.
struct CheckLevels {
    bool errors = true;
    bool warnings = true;
    bool info = false;
    bool shows(CheckLevel level) const;
};

/// Checks a page's markup with HTML Tidy, in memory: the page text is
/// parsed as it stands (never from its file, never changed), every report
/// is collected through Tidy's message callback with its line, column, level
/// and English text, and the element tree Tidy built gives the outline.
/// Tidy detects the HTML version from the page's DOCTYPE.
class PageChecker {
public:
    /// The tab width Tidy counts columns with.
    static constexpr int kTabSize = 8;

    /// Checks text (line breaks CR LF, LF or CR); positions in the result
    /// are the page's own (a line break is one position).
    static CheckResult check(const QString &text, const CheckLevels &levels = {});
    /// The outline only (reports are not kept).
    static QList<OutlineEntry> outline(const QString &text);

    /// True for the elements the outline shows whatever their attributes.
    static bool isShapeElement(const QString &upperName);

    /// The page range to select for a problem: the tag that starts at or
    /// contains the position, or the one character there. pageText is the
    /// page with one "\n" per line break.
    static std::pair<int, int> problemRange(const QString &pageText, int position);
};

} // namespace lumaro
