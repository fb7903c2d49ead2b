#include "elementstart.h"
#include "tagdecoder.h"

#include <QStringView>

namespace lumaro {

bool ElementStart::begins(const QString &text, const QString &start, qsizetype from)
{
    if (from < 0 || !QStringView(text).mid(from).startsWith(start))
        return false;
    const qsizetype next = from + start.size();
    if (next >= text.size())
        return true;
    const QChar c = text.at(next);
    return c == QLatin1Char('>') || c == QLatin1Char('/') || TagDecoder::isAttributeSeparator(c);
}

qsizetype ElementStart::tagEnd(const QString &text, qsizetype from)
{
    const qsizetype close = text.indexOf(QLatin1Char('>'), qMax<qsizetype>(0, from));
    return close < 0 ? text.size() : close + 1;
}

qsizetype ElementStart::endTag(const QString &text, const QString &endTag, qsizetype from, qsizetype *after)
{
    const qsizetype at = text.indexOf(endTag, qMax<qsizetype>(0, from));
    if (after)
        *after = at < 0 ? text.size() : tagEnd(text, at + endTag.size());
    return at;
}

bool ElementStart::isZero(const QString &number)
{
    return number.trimmed().isEmpty() || number == QLatin1String("0");
}

} // namespace lumaro
