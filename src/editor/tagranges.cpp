#include "tagranges.h"

namespace lumaro {

QList<TagRange> TagRanges::wholePage(QStringView text)
{
    QList<TagRange> ranges;
    int open = -1;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'<')
            open = i;
        else if (c == u'>' && open >= 0)
            ranges.append({open, i + 1});
    }
    return ranges;
}

QList<TagRange> TagRanges::inserted(QStringView text, int start, int end)
{
    QList<TagRange> ranges;
    qsizetype caret = 0;
    const qsizetype limit = end - start;
    while (caret < limit) {
        const qsizetype open = text.indexOf(u'<', caret);
        if (open < 0 || open >= limit)
            break;
        // The ">" is looked for after the "<": a stray ">" in front of it
        // must not make a range out of the plain text between the two.
        const qsizetype close = text.indexOf(u'>', open);
        if (close < 0)
            break;
        ranges.append({int(start + open), int(start + close + 1)});
        caret = close + 1;
    }
    return ranges;
}

std::optional<TagRange> TagRanges::markonflyle(const TextWindow &buffer, int caret, int toPos)
{
    for (int i = caret; i <= toPos && buffer.contains(i); ++i) {
        const QChar c = buffer.at(i);
        if (c == u'<')
            return std::nullopt;
        if (c == u'>')
            return TagRange{caret - 1, i + 1};
    }
    return std::nullopt;
}

std::optional<TagRange> TagRanges::markonflygr(const TextWindow &buffer, int fromPos, int caret)
{
    for (int i = caret; i >= fromPos; --i) {
        if (!buffer.contains(i))
            continue;
        const QChar c = buffer.at(i);
        if (c == u'>')
            return std::nullopt;
        if (c == u'<')
            return TagRange{i, caret};
    }
    return std::nullopt;
}

} // namespace lumaro
