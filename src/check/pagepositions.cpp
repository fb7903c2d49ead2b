#include "pagepositions.h"

namespace lumaro {

PagePositions::PagePositions(const QString &text, int tabSize)
    : m_tabSize(tabSize > 0 ? tabSize : 8)
{
    m_page.reserve(text.size());
    m_lineStarts.append(0);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r')) {
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
        } else if (c != QLatin1Char('\n')) {
            m_page.append(c);
            continue;
        }
        m_page.append(QLatin1Char('\n'));
        m_lineStarts.append(int(m_page.size()));
    }
}

int PagePositions::position(int line, int column)
{
    if (line < 1)
        return 0;
    if (line > m_lineStarts.size())
        return int(m_page.size());
    const int lineIndex = line - 1;
    const int lineEnd = lineIndex + 1 < m_lineStarts.size() ? m_lineStarts.at(lineIndex + 1) - 1 : int(m_page.size());
    int pos = m_lineStarts.at(lineIndex);
    int col = 1;
    if (lineIndex == m_lastLine && column >= m_lastColumn) {
        pos = m_lastPosition;
        col = m_lastColumn;
    }
    while (col < column && pos < lineEnd) {
        const QChar c = m_page.at(pos);
        if (c.isNull()) {
            ++pos;
            continue;
        }
        if (c == QLatin1Char('\t'))
            col += m_tabSize - (col - 1) % m_tabSize;
        else
            ++col;
        pos += (c.isHighSurrogate() && pos + 1 < lineEnd && m_page.at(pos + 1).isLowSurrogate()) ? 2 : 1;
    }
    while (pos < lineEnd && m_page.at(pos).isNull())
        ++pos;
    m_lastLine = lineIndex;
    m_lastColumn = col;
    m_lastPosition = pos;
    return pos;
}

} // namespace lumaro
