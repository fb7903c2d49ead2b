#pragma once

#include <QRect>
#include <QString>

namespace lumaro {

/// Shape codes of an area entry.
enum class MapShape : int {
    Deleted = -1,
    Rectangle = 1,
    Circle = 2,
};

/// One clickable area of an image map, in picture pixel coordinates.
///
/// The box (x1, y1)–(x2, y2) always has x1 <= x2 and y1 <= y2 once it went
/// through normalised(); the builder stores only normalised boxes, so the
/// hit test and the markup never see reversed corners. A circle is the
/// ellipse inscribed in its box, which the builder keeps square.
struct MapArea {
    /// 1 = simple area; 2 is reserved for polygons, which nothing creates.
    int kind = 1;
    MapShape shape = MapShape::Rectangle;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    QString url;
    QString comment;

    bool isLive() const { return shape == MapShape::Rectangle || shape == MapShape::Circle; }
    /// The box as a rectangle whose corners are the stored coordinates.
    QRect box() const { return QRect(QPoint(x1, y1), QPoint(x2, y2)); }
    void setBox(const QRect &box);
    /// True when the point lies in the box, edges included.
    bool contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }

    bool operator==(const MapArea &) const = default;
};

/// The box from one corner to the other with its corners sorted.
QRect normalisedBox(QPoint a, QPoint b);

} // namespace lumaro
