#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace lumaro {

/// Replace-all over a text, as the page's replace runs it: find from the
/// start position, replace, and search again after the replacement, so a
/// replacement that contains the find text is never searched again.
///
/// Whole word means the match is neither preceded nor followed by a letter,
/// digit or underscore; after a replacement the character before the next
/// position is the replacement's last one, as it is in the changed text.
class TextReplacer {
public:
    /// Positions (in text as given) of the matches that the replace pass
    /// replaces, in order. An empty find text gives none.
    static QList<qsizetype> matches(QStringView text, qsizetype from, QStringView find,
                                    QStringView replacement, bool wholeWord, bool matchCase);
    /// The text with the matches (each findLength long) replaced.
    static QString apply(QStringView text, const QList<qsizetype> &matches, qsizetype findLength,
                         QStringView replacement);
    static bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }
};

} // namespace lumaro
