#include "maparealist.h"

#include <algorithm>

namespace lumaro {

qsizetype MapAreaList::liveCount() const
{
    return std::count_if(m_areas.cbegin(), m_areas.cend(), [](const MapArea &a) { return a.isLive(); });
}

qsizetype MapAreaList::append(const MapArea &area)
{
    m_areas.append(area);
    m_current = m_areas.size() - 1;
    return m_current;
}

void MapAreaList::replace(qsizetype index, const MapArea &area)
{
    if (index >= 0 && index < m_areas.size())
        m_areas[index] = area;
}

void MapAreaList::clear()
{
    m_areas.clear();
    m_current = -1;
}

qsizetype MapAreaList::hit(int x, int y) const
{
    for (qsizetype i = 0; i < m_areas.size(); ++i) {
        const MapArea &a = m_areas.at(i);
        if (a.kind == 1 && a.isLive() && a.contains(x, y))
            return i;
    }
    return -1;
}

qsizetype MapAreaList::search(int x, int y)
{
    const qsizetype found = hit(x, y);
    m_current = found >= 0 ? found : m_areas.size() - 1;
    return found;
}

bool MapAreaList::currentIsLive() const
{
    return m_current >= 0 && m_current < m_areas.size() && m_areas.at(m_current).isLive();
}

bool MapAreaList::removeCurrent()
{
    if (!currentIsLive())
        return false;
    m_areas[m_current].shape = MapShape::Deleted;
    return true;
}

} // namespace lumaro
