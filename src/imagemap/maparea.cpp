#include "maparea.h"

#include <algorithm>

namespace lumaro {

void MapArea::setBox(const QRect &box)
{
    x1 = box.left();
    y1 = box.top();
    x2 = box.right();
    y2 = box.bottom();
}

QRect normalisedBox(QPoint a, QPoint b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

} // namespace lumaro
