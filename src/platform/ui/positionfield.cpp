#include "positionfield.h"

#include <QStyle>

namespace lumaro {

PositionField::PositionField(int minimumWidth, QWidget *parent)
    : QLabel(parent)
    , m_minimumWidth(minimumWidth)
{
    setTextFormat(Qt::PlainText);
    setFixedWidth(minimumWidth);
}

QString PositionField::widestText(int lineCount, int length)
{
    // A column is at most one past the page's length; any digit may be the
    // widest one in the font, so nines stand for them.
    const int lineDigits = int(QString::number(qMax(1, lineCount)).size());
    const int columnDigits = int(QString::number(qMax(0, length) + 1).size());
    return QStringLiteral("   ") + QString(lineDigits, u'9') + QStringLiteral(": ") + QString(columnDigits, u'9');
}

void PositionField::showPosition(const QString &text, int lineCount, int length)
{
    const int room = 2 * (frameWidth() + qMax(0, indent()) + margin()) + 8;
    const int needed = fontMetrics().horizontalAdvance(widestText(lineCount, length)) + room;
    setFixedWidth(qMax(m_minimumWidth, needed));
    setText(text);
}

} // namespace lumaro
