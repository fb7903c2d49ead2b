#pragma once

#include <QList>
#include <QString>

namespace lumaro {

/// How serious one report of the checker is.
enum class CheckLevel { Error, Warning, Info };

/// One problem found in a page: where the checker saw it, as line and
/// column (both from 1), and where that is in the page, as a position in
/// the page's own counting (a line break is one position).
struct CheckProblem {
    int line = 0;
    int column = 0;
    CheckLevel level = CheckLevel::Info;
    QString message;
    int position = 0;
    /// The page the problem is in, for checks that span several pages
    /// (empty: the page checked).
    QString file;
    /// How many positions from position the problem covers (0: the tag there).
    int length = 0;
};

/// One element of the page outline: an element that gives the page its
/// shape, with its depth among the outlined elements.
struct OutlineEntry {
    QString name;   ///< upper-case element name ("TABLE", "H2", ...)
    QString label;  ///< what the outline shows ("TABLE", "H2 Intro", "DIV #menu")
    int line = 0;
    int position = 0; ///< page position of the start tag's "<"
    int depth = 0;    ///< 0 for a top-level entry, 1 inside it, ...
};

/// Everything one check of a page gives.
struct CheckResult {
    QList<CheckProblem> problems; ///< sorted by position
    QList<OutlineEntry> outline;  ///< in document order
    /// Set when the checker could not read the page at all.
    QString failure;

    int count(CheckLevel level) const;
    /// "3 errors, 5 warnings", with the information count when there is one.
    QString summary() const;
};

/// The English word of a level ("error", "warning", "info").
QString checkLevelName(CheckLevel level);

} // namespace lumaro
