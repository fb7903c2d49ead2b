#pragma once

// Shared parts of the map builder's view tests: a small GIF, a builder
// launched on a picture, and mouse events sent straight to the canvas.
#include "gifdecoder.h"
#include "tmapbuild.h"
#include "tvarnoimage.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace lumaro::test {

/// A GIF whose logical screen is width × height (a 2 × 2 image in its
/// corner, the rest the background colour).
inline QByteArray smallGif(int width, int height)
{
    QByteArray gif = QByteArray("GIF89a\x02\x00\x02\x00\x81\x00\x00", 13)
        + QByteArray("\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\xff", 12)
        + QByteArray("\x2c\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10) + QByteArray("\x02\x03\x44\x34\x05\x00\x3b", 7);
    gif[6] = char(width & 0xff);
    gif[7] = char(width >> 8);
    gif[8] = char(height & 0xff);
    gif[9] = char(height >> 8);
    return gif;
}

inline QImage smallPicture(int width = 120, int height = 90)
{
    return decodeGif(smallGif(width, height)).image;
}

/// Sends one mouse event to the canvas the way the window system does.
inline void mouse(TvarnoImage *canvas, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), canvas->mapToGlobal(QPointF(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QApplication::sendEvent(canvas, &event);
}

/// Press at from, move through to, release there.
inline void drag(TvarnoImage *canvas, QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(canvas, QEvent::MouseButtonPress, from, button);
    mouse(canvas, QEvent::MouseMove, (from + to) / 2, button);
    mouse(canvas, QEvent::MouseMove, to, button);
    mouse(canvas, QEvent::MouseButtonRelease, to, button);
}

/// A press and release without moving.
inline void click(TvarnoImage *canvas, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    mouse(canvas, QEvent::MouseButtonPress, at, button);
    mouse(canvas, QEvent::MouseButtonRelease, at, button);
}

inline QRect box(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2, y2)); }

/// What the canvas shows for the picture with exactly these shapes drawn.
inline QImage expectedDrawing(const QImage &picture, const QList<MapArea> &areas)
{
    TvarnoImage reference;
    reference.setPicture(picture);
    for (const MapArea &a : areas) {
        if (a.shape == MapShape::Rectangle)
            reference.xorRectangle(a.box());
        else if (a.shape == MapShape::Circle)
            reference.xorEllipse(a.box());
    }
    return reference.drawing();
}

} // namespace lumaro::test
