#pragma once

#include "maparea.h"

#include <QList>

namespace lumaro {

/// The areas of the map being built, in drawing order, with the current
/// entry that the delete and area properties buttons act on.
///
/// Deleted entries stay in the list with the shape code Deleted and are
/// skipped by the hit test and the markup. The list grows without a cap.
class MapAreaList {
public:
    const QList<MapArea> &areas() const { return m_areas; }
    qsizetype size() const { return m_areas.size(); }
    bool isEmpty() const { return m_areas.isEmpty(); }
    const MapArea &at(qsizetype index) const { return m_areas.at(index); }
    /// Number of entries that are not deleted.
    qsizetype liveCount() const;

    /// Appends an entry and makes it the current one; returns its index.
    qsizetype append(const MapArea &area);
    /// Rewrites the entry at index in place (the current entry stays).
    void replace(qsizetype index, const MapArea &area);
    void clear();

    /// Index of the first live entry whose box holds the point, or -1.
    qsizetype hit(int x, int y) const;
    /// The selection tool's search: the entry hit becomes the current one;
    /// when nothing is hit the last entry does. Returns the hit or -1.
    qsizetype search(int x, int y);

    /// Index of the current entry, -1 when there is none.
    qsizetype current() const { return m_current; }
    /// True when there is a current entry and it is not deleted.
    bool currentIsLive() const;
    /// Marks the current entry deleted; false when it was not live.
    bool removeCurrent();

private:
    QList<MapArea> m_areas;
    qsizetype m_current = -1;
};

} // namespace lumaro
