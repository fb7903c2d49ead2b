#pragma once

#include <QString>
#include <QStringList>

namespace lumaro {

/// The lines of a multi-line text box, as the dialogs that write one tag per
/// line read them: a line ends at a line break (CR LF, LF or CR), not where
/// the box wraps it on screen, and a final line break adds no empty line.
class MemoLines {
public:
    /// The lines of the box's text; an empty text has none.
    static QStringList lines(const QString &text);
    /// The box's text for the lines; lines(text(l)) gives l back, an empty
    /// last line included.
    static QString text(const QStringList &lines);
};

} // namespace lumaro
