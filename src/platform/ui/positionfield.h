#pragma once

#include <QLabel>

namespace lumaro {

/// The status bar's cursor position field ("   line: column"). It is wide
/// enough for the widest position the active page can have, so a long
/// line's column is never cut; never narrower than its first width.
class PositionField : public QLabel {
    Q_OBJECT
public:
    PositionField(int minimumWidth, QWidget *parent = nullptr);

    /// Shows text for a page of lineCount lines and length positions.
    void showPosition(const QString &text, int lineCount, int length);

    /// The widest text a position in such a page can give: the most digits
    /// a line number and a column can have there.
    static QString widestText(int lineCount, int length);

private:
    int m_minimumWidth;
};

} // namespace lumaro
