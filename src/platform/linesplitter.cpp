#include "linesplitter.h"

namespace lumaro {

namespace {

/// The blank nearest before limit and after floor, else the first after limit.
qsizetype blankNear(QStringView text, qsizetype floor, qsizetype limit, qsizetype end)
{
    for (qsizetype i = limit; i > floor; --i) {
        if (text[i] == u' ')
            return i;
    }
    for (qsizetype i = limit + 1; i < end; ++i) {
        if (text[i] == u' ')
            return i;
    }
    return -1;
}

} // namespace

QList<int> LineSplitter::splitPoints(QStringView text, Sizes sizes)
{
    QList<int> points;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(u'\n', lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        qsizetype start = lineStart;
        const bool longLine = lineEnd - lineStart > sizes.longest;
        while (longLine && lineEnd - start > sizes.piece) {
            // The last piece must keep something after its break.
            const qsizetype blank = blankNear(text, start + sizes.piece / 2, start + sizes.piece, lineEnd - 1);
            if (blank < 0)
                break;
            points.append(int(blank));
            start = blank + 1;
        }
        lineStart = lineEnd + 1;
    }
    return points;
}

} // namespace lumaro
