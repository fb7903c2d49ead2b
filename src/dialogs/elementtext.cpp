#include "elementtext.h"
#include "tagattributes.h"
#include "tagdecoder.h"

namespace lumaro {

qsizetype ElementText::startTagEnd(const QString &text)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('>') && !quoted)
            return i + 1;
    }
    // An unbalanced quote: the tag still ends at its first ">".
    const qsizetype close = text.indexOf(QLatin1Char('>'));
    return close < 0 ? text.size() : close + 1;
}

QString ElementText::startTag(const QString &text)
{
    QString tag = text.left(startTagEnd(text));
    if (tag.endsWith(QLatin1Char('>')))
        tag.chop(1);
    return tag;
}

std::optional<QString> ElementText::rawValue(const QString &startTag, const QString &name)
{
    const qsizetype begin = TagAttributes::find(startTag, name);
    if (begin < 0)
        return std::nullopt;
    if (begin < startTag.size() && startTag.at(begin) == QLatin1Char('"')) {
        const qsizetype close = startTag.indexOf(QLatin1Char('"'), begin + 1);
        return close < 0 ? startTag.mid(begin) : startTag.mid(begin, close - begin + 1);
    }
    qsizetype end = begin;
    while (end < startTag.size() && !TagDecoder::isAttributeSeparator(startTag.at(end))
           && startTag.at(end) != QLatin1Char('>'))
        ++end;
    return startTag.mid(begin, end - begin);
}

bool ElementText::tagNameAt(const QString &text, qsizetype pos, const QString &tagStart)
{
    if (QStringView(text).mid(pos, tagStart.size()) != tagStart)
        return false;
    const qsizetype after = pos + tagStart.size();
    return after >= text.size() || text.at(after) == QLatin1Char('>') || TagDecoder::isAttributeSeparator(text.at(after));
}

qsizetype ElementText::matchingEndTag(const QString &text, qsizetype from, const QString &openStart,
                                      const QString &closeStart)
{
    int depth = 0;
    for (qsizetype at = text.indexOf(QLatin1Char('<'), from); at >= 0; at = text.indexOf(QLatin1Char('<'), at + 1)) {
        if (tagNameAt(text, at, closeStart)) {
            if (depth == 0)
                return at;
            --depth;
        } else if (tagNameAt(text, at, openStart)) {
            ++depth;
        }
    }
    return -1;
}

qsizetype ElementText::endTagEnd(const QString &text, qsizetype at)
{
    qsizetype end = at;
    while (end < text.size() && TagDecoder::isAttributeSeparator(text.at(end)))
        ++end;
    if (end < text.size() && text.at(end) == QLatin1Char('>'))
        return end + 1;
    return at;
}

} // namespace lumaro
