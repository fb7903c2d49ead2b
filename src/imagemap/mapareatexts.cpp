#include "mapareatexts.h"

namespace lumaro {

namespace {

// Widths and centres in 64 bits: boxes read from a file may span the whole
// 32-bit range.
qint64 span(int from, int to) { return qint64(to) - qint64(from); }
/// (to - from) div 2 + from, div truncating toward zero.
qint64 centre(int from, int to) { return span(from, to) / 2 + from; }

/// round(d * 22 / 7) with halves going to the even neighbour.
qint64 circumference(qint64 d)
{
    const qint64 n = d * 22;
    qint64 q = n / 7;
    qint64 r = n % 7;
    if (r < 0) { // floor division, so the remainder is 0..6
        r += 7;
        --q;
    }
    // A remainder of 7/2 cannot occur, so there is never an exact half.
    return r * 2 > 7 ? q + 1 : q;
}

QString num(qint64 v) { return QString::number(v); }

} // namespace

QString MapAreaTexts::type(const MapArea &area)
{
    return area.shape == MapShape::Circle ? QStringLiteral("Circle") : QStringLiteral("Rectangle");
}

QString MapAreaTexts::size(const MapArea &area)
{
    const qint64 w = span(area.x1, area.x2);
    if (area.shape == MapShape::Circle)
        return QStringLiteral("Diameter=") + num(w) + QStringLiteral(" , Omkreds=") + num(circumference(w));
    return num(w) + QStringLiteral(" , ") + num(span(area.y1, area.y2));
}

QString MapAreaTexts::placement(const MapArea &area)
{
    if (area.shape == MapShape::Circle)
        return QStringLiteral("Centrum=") + num(centre(area.x1, area.x2)) + QStringLiteral(" , ")
            + num(centre(area.y1, area.y2));
    return QStringLiteral("X1=%1, Y1=%2 , X2=%3, Y2=%4").arg(area.x1).arg(area.y1).arg(area.x2).arg(area.y2);
}

} // namespace lumaro
