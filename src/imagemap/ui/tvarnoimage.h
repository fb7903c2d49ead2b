#pragma once

#include <QImage>
#include <QWidget>

namespace lumaro {

/// The map builder's canvas: the picture at one widget pixel per picture
/// pixel, with the map's shapes drawn over it so that they invert what they
/// cover.
///
/// The decoded picture is kept as it came (8-bit indexed from the GIF
/// decoder); shapes go onto an RGB32 copy, because QPainter cannot paint on
/// an indexed image. Every shape is drawn with an exclusive-or of white, a
/// 2-pixel pen and a diagonal-cross hatch, antialiasing off, from its
/// normalised box: drawing the same shape a second time restores the copy
/// bit for bit, which is how shapes are erased. Only the touched rectangle
/// is repainted.
///
/// Mouse presses, moves with the button down and releases are passed on as
/// signals in picture coordinates; the canvas's own button-down flag keeps
/// a move or release that did not start with a press on it from reaching
/// the builder.
class TvarnoImage : public QWidget {
    Q_OBJECT
public:
    /// Size of the blank canvas used when there is no picture.
    static constexpr int blankWidth = 588;
    static constexpr int blankHeight = 271;

    explicit TvarnoImage(QWidget *parent = nullptr);

    /// Shows a picture; a null one gives the white blank canvas.
    void setPicture(const QImage &picture);
    /// Makes a blank canvas at least as large as the given rectangle's
    /// bottom-right corner (for areas read without their picture).
    void growToFit(const QRect &box);
    /// The picture as it was given (or the blank canvas).
    const QImage &picture() const { return m_picture; }
    /// What the canvas shows: the picture with the shapes drawn on it.
    const QImage &drawing() const { return m_drawing; }
    /// The rectangle of picture pixels, for clamping.
    QRect bounds() const { return m_drawing.rect(); }
    bool buttonDown() const { return m_buttonDown; }

    void xorRectangle(const QRect &box);
    void xorEllipse(const QRect &box);
    /// The four 4 × 4 handles just outside the box's corners.
    void xorHandles(const QRect &box);

    QSize sizeHint() const override { return m_drawing.size(); }

signals:
    void pressed(QPoint at, Qt::MouseButton button);
    void moved(QPoint at);
    void released(QPoint at, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    enum class Figure { Rectangle, Ellipse };
    void xorFigure(Figure figure, const QRect &box);

    QImage m_picture;
    QImage m_drawing;
    bool m_buttonDown = false;
};

} // namespace lumaro
