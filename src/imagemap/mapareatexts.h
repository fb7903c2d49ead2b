#pragma once

#include "maparea.h"

namespace lumaro {

/// The read-only texts of the area properties dialog for one entry.
class MapAreaTexts {
public:
    /// "Rectangle" or "Circle".
    static QString type(const MapArea &area);
    /// Rectangle: "40 , 50"; circle: "Diameter=40 , Omkreds=126", the
    /// circumference from 22/7 rounded half to even.
    static QString size(const MapArea &area);
    /// Rectangle: "X1=10, Y1=10 , X2=50, Y2=60"; circle: "Centrum=30 , 30".
    static QString placement(const MapArea &area);
};

} // namespace lumaro
