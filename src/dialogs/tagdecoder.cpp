#include "tagdecoder.h"

namespace lumaro {

bool TagDecoder::isAttributeSeparator(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool TagDecoder::startsWithTag(const QString &text, const QString &start)
{
    return text.startsWith(start, Qt::CaseSensitive);
}

QString TagDecoder::valueAt(const QString &rest)
{
    const qsizetype space = rest.indexOf(QLatin1Char(' '));
    const qsizetype close = rest.indexOf(QLatin1Char('>'));
    qsizetype end = rest.size();
    if (space >= 0 && (close < 0 || space < close))
        end = space;
    else if (close >= 0)
        end = close;
    return rest.left(end);
}

std::optional<QString> TagDecoder::attribute(const QString &text, const QString &name)
{
    const QString key = name + QLatin1Char('=');
    for (qsizetype at = text.indexOf(key, 0, Qt::CaseSensitive); at >= 0;
         at = text.indexOf(key, at + 1, Qt::CaseSensitive)) {
        // Only where the name starts an attribute: "ALIGN=" inside
        // "VALIGN=" or "LINK=" inside "VLINK=" is another attribute.
        if (at > 0 && isAttributeSeparator(text.at(at - 1)))
            return valueAt(text.mid(at + key.size()));
    }
    return std::nullopt;
}

QString TagDecoder::content(const QString &text)
{
    const qsizetype close = text.indexOf(QLatin1Char('>'));
    if (close < 0)
        return QString();
    const qsizetype begin = close + 1;
    const qsizetype next = text.indexOf(QLatin1Char('<'), begin);
    return next < 0 ? text.mid(begin) : text.mid(begin, next - begin);
}

} // namespace lumaro
