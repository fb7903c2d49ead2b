#pragma once

#include "mapmarkup.h"

namespace lumaro {

/// Map files on disk: written in UTF-8 through QSaveFile, so a failed save
/// leaves the old file as it was; read with the markup reader.
class MapFile {
public:
    /// Larger files are refused rather than read: a map of that size is
    /// not a map, and reading it would stall the builder.
    static constexpr qint64 maxBytes = 16 * 1024 * 1024;

    /// Writes the map; false with a reason naming the file on failure.
    static bool save(const QString &fileName, const MapDocument &map, QString *error);
    /// Reads the map; false with a reason naming the file when the file
    /// cannot be read. A file that holds no readable areas is not a failure.
    static bool load(const QString &fileName, MapReadResult *result, QString *error);
};

} // namespace lumaro
