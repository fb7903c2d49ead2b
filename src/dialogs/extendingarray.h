#pragma once

#include <QList>

namespace lumaro {

/// An integer array indexed from 0 that has a value for every index: entries
/// never set hold the fill value. Writing beyond the stored part grows it, so
/// the table builder's per-column and per-row settings have no fixed limit.
class ExtendingArray {
public:
    explicit ExtendingArray(int fill = 0) : m_fill(fill) {}

    int value(int index) const
    {
        return index >= 0 && index < m_values.size() ? m_values[index] : m_fill;
    }

    void set(int index, int value)
    {
        if (index < 0)
            return;
        if (index >= m_values.size()) {
            if (value == m_fill)
                return;
            m_values.resize(index + 1, m_fill);
        }
        m_values[index] = value;
    }

    /// Every index, stored or not, now holds value.
    void fill(int value)
    {
        m_values.clear();
        m_fill = value;
    }

    /// Moves the entry at from to to, shifting the entries between.
    void move(int from, int to)
    {
        if (from < 0 || to < 0 || from == to)
            return;
        const int moved = value(from);
        if (from < to) {
            for (int i = from; i < to; ++i)
                set(i, value(i + 1));
        } else {
            for (int i = from; i > to; --i)
                set(i, value(i - 1));
        }
        set(to, moved);
    }

    /// Number of entries stored explicitly (for tests of the growth).
    int storedSize() const { return int(m_values.size()); }

private:
    QList<int> m_values;
    int m_fill;
};

} // namespace lumaro
