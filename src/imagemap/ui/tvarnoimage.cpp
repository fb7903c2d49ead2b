#include "tvarnoimage.h"

#include <QMouseEvent>
#include <QPainter>

namespace lumaro {

namespace {
constexpr int kPenWidth = 2;
constexpr int kHandle = 4;
} // namespace

TvarnoImage::TvarnoImage(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Image1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setPicture(QImage());
}

void TvarnoImage::setPicture(const QImage &picture)
{
    if (picture.isNull()) {
        m_picture = QImage(blankWidth, blankHeight, QImage::Format_RGB32);
        m_picture.fill(Qt::white);
    } else {
        m_picture = picture;
    }
    m_drawing = m_picture.convertToFormat(QImage::Format_RGB32);
    setFixedSize(m_drawing.size());
    update();
}

void TvarnoImage::growToFit(const QRect &box)
{
    // Boxes read from a file may lie anywhere; a canvas is grown only as
    // far as a sane picture would go.
    constexpr int limit = 8192;
    const int w = std::clamp(box.right() + 1, m_drawing.width(), std::max(limit, m_drawing.width()));
    const int h = std::clamp(box.bottom() + 1, m_drawing.height(), std::max(limit, m_drawing.height()));
    if (w == m_drawing.width() && h == m_drawing.height())
        return;
    QImage blank(w, h, QImage::Format_RGB32);
    blank.fill(Qt::white);
    setPicture(blank);
}

void TvarnoImage::xorRectangle(const QRect &box) { xorFigure(Figure::Rectangle, box); }
void TvarnoImage::xorEllipse(const QRect &box) { xorFigure(Figure::Ellipse, box); }

void TvarnoImage::xorHandles(const QRect &box)
{
    const QRect b = box.normalized();
    const int x1 = b.left(), y1 = b.top(), x2 = b.right(), y2 = b.bottom();
    xorRectangle(QRect(QPoint(x1 - kHandle, y1 - kHandle), QPoint(x1, y1)));
    xorRectangle(QRect(QPoint(x1 - kHandle, y2), QPoint(x1, y2 + kHandle)));
    xorRectangle(QRect(QPoint(x2, y1 - kHandle), QPoint(x2 + kHandle, y1)));
    xorRectangle(QRect(QPoint(x2, y2), QPoint(x2 + kHandle, y2 + kHandle)));
}

void TvarnoImage::xorFigure(Figure figure, const QRect &box)
{
    const QRect b = box.normalized();
    // Only what can touch the canvas is drawn; a box read from a file may
    // reach far outside it, and is drawn clipped.
    const QRect reach = b.adjusted(-kPenWidth, -kPenWidth, kPenWidth, kPenWidth);
    const QRect touched = reach.intersected(m_drawing.rect());
    if (touched.isEmpty())
        return;
    {
        QPainter p(&m_drawing);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setClipRect(touched);
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, kPenWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(QBrush(Qt::white, Qt::DiagCrossPattern));
        // Far-away boxes are limited to a little beyond the canvas so the
        // rasteriser never sees coordinates near the 32-bit limits; inside
        // the canvas the shape is unchanged for rectangles.
        const QRect limit = m_drawing.rect().adjusted(-64, -64, 64, 64);
        if (figure == Figure::Rectangle)
            p.drawRect(b.intersected(limit));
        else if (limit.contains(b))
            p.drawEllipse(b);
        else
            p.drawRect(b.intersected(limit)); // a circle too large to draw shows its box
    }
    update(touched);
}

void TvarnoImage::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.drawImage(event->rect().topLeft(), m_drawing, event->rect());
}

void TvarnoImage::mousePressEvent(QMouseEvent *event)
{
    // A second button pressed during a drag would start a second shape
    // over the first; the drag in progress keeps going instead.
    if (m_buttonDown)
        return;
    m_buttonDown = true;
    emit pressed(event->position().toPoint(), event->button());
}

void TvarnoImage::mouseMoveEvent(QMouseEvent *event)
{
    if (m_buttonDown)
        emit moved(event->position().toPoint());
}

void TvarnoImage::mouseReleaseEvent(QMouseEvent *event)
{
    // Several buttons may be held; the drag ends with the last of them.
    if (!m_buttonDown || event->buttons() != Qt::NoButton)
        return;
    m_buttonDown = false;
    emit released(event->position().toPoint(), event->button());
}

} // namespace lumaro
