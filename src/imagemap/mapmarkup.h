#pragma once

#include "maparea.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumaro {

/// What a map holds apart from the picture itself: its name, its comment,
/// the picture's file name as the image tag names it, and the areas.
struct MapDocument {
    QString name;
    QString comment;
    QString pictureName;
    /// Areas in list order; deleted entries are left out when written.
    QList<MapArea> areas;
};

/// The result of reading map markup: never an error, only the areas that
/// could be read and how many AREA tags had to be left out.
struct MapReadResult {
    MapDocument map;
    /// True when a MAP start tag was found (its name was read).
    bool hasMapTag = false;
    /// AREA tags that were skipped: an unknown shape, too few coordinates,
    /// a coordinate that is not a 32-bit decimal number, or a tag cut short.
    int problems = 0;
    /// Lines (the map's name, a comment, an area) from which control
    /// characters other than tab were dropped: they would reach the page.
    int cleaned = 0;
};

/// The MAP markup of an image map, written inline in front of an image tag
/// or as a map file, and read back from either.
///
/// Both forms have the same lines, each ending in CR LF:
///   <MAP NAME="m">, <!-- comment -->, <!-- picture -->, then per live area
///   <AREA SHAPE="RECT" COORDS="x1,y1,x2,y2" HREF="url"> or
///   <AREA SHAPE="CIRCLE" COORDS="cx,cy,r" HREF="url"> and <!-- comment -->,
///   and </MAP>.
///
/// Reading does not depend on line breaks: a tag ends at the first ">"
/// outside double quotes and a comment at "-->". Comments after the MAP tag
/// are the map's comment and the picture's name only when they are there;
/// a comment after an AREA tag is that area's. Each area is read on its own
/// (RECT when SHAPE is missing) and boxes are normalised.
class MapMarkup {
public:
    static QString write(const MapDocument &map);
    static MapReadResult read(const QString &text);
    /// Reads a map file's bytes: UTF-8 when valid, else Windows-1252.
    static MapReadResult readFile(const QByteArray &bytes);
    /// The bytes of a map file: the lines in UTF-8.
    static QByteArray fileBytes(const MapDocument &map);

    /// The chosen file name with ".map" appended when its last part (after
    /// the last "/" or "\") has no extension.
    static QString mapFileName(const QString &chosen);
    /// The local path of a picture named in a map: a leading "file://" is
    /// dropped from "file:///..." names, "\" becomes "/", and a relative name
    /// is taken against baseDirectory when one is given.
    static QString picturePath(const QString &pictureName, const QString &baseDirectory);
};

} // namespace lumaro
