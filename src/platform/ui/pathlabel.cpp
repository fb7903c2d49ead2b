#include "pathlabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace lumaro {

PathLabel::PathLabel(QWidget *parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QString PathLabel::shownText() const
{
    const int indentWidth = indent() > 0 ? indent() : 0;
    const int width = contentsRect().width() - 2 * margin() - indentWidth;
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, std::max(0, width));
}

QSize PathLabel::minimumSizeHint() const
{
    // Any width will do: the path is shortened to fit.
    const QSize full = QLabel::minimumSizeHint();
    return QSize(std::min(full.width(), fontMetrics().horizontalAdvance(QStringLiteral("M...M")) + 2 * frameWidth()),
                 full.height());
}

bool PathLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto *help = static_cast<QHelpEvent *>(event);
        if (text().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), text(), this);
        return true;
    }
    return QLabel::event(event);
}

void PathLabel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (indent() > 0)
        area.adjust(indent(), 0, 0, 0);
    style()->drawItemText(&painter, area, int(QStyle::visualAlignment(layoutDirection(), alignment())),
                          palette(), isEnabled(), shownText(), foregroundRole());
}

} // namespace lumaro
