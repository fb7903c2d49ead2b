#pragma once

#include <QList>
#include <QString>

namespace lumaro {

/// Turns the checker's line and column into page positions.
///
/// The checker reads the page as a stream of characters: CR LF, LF and CR
/// each end a line, a tab moves the column to the next tab stop, and any
/// other character (a letter beyond the Basic Multilingual Plane included)
/// is one column; a NUL, which the checker drops, is none. The page counts
/// a line break as one position and such a letter as two. Lines are found once; each look-up walks one line only
/// from the last column asked on it, so mapping every report of a long
/// one-line page stays linear when the reports come sorted.
class PagePositions {
public:
    PagePositions(const QString &text, int tabSize);

    /// The page position of line (from 1) and column (from 1); clamped to
    /// the line's end and to the page.
    int position(int line, int column);
    /// The page text with every line break as one "\n" (one position each).
    const QString &pageText() const { return m_page; }

private:
    QString m_page;
    QList<int> m_lineStarts;
    int m_tabSize;
    // The last look-up, to walk on from it.
    int m_lastLine = -1;
    int m_lastColumn = 1;
    int m_lastPosition = 0;
};

} // namespace lumaro
