#include "tagattributes.h"
#include "tagdecoder.h"

namespace lumaro {

namespace {
bool endsBareValue(QChar c)
{
    return TagDecoder::isAttributeSeparator(c) || c == QLatin1Char('>');
}
} // namespace

qsizetype TagAttributes::find(const QString &text, const QString &name)
{
    const QString key = name + QLatin1Char('=');
    for (qsizetype at = text.indexOf(key, 0, Qt::CaseSensitive); at >= 0;
         at = text.indexOf(key, at + 1, Qt::CaseSensitive)) {
        if (at > 0 && TagDecoder::isAttributeSeparator(text.at(at - 1)))
            return at + key.size();
    }
    return -1;
}

std::optional<QString> TagAttributes::value(const QString &text, const QString &name)
{
    const qsizetype begin = find(text, name);
    if (begin < 0)
        return std::nullopt;
    if (begin < text.size() && text.at(begin) == QLatin1Char('"')) {
        const qsizetype close = text.indexOf(QLatin1Char('"'), begin + 1);
        return close < 0 ? text.mid(begin + 1) : text.mid(begin + 1, close - begin - 1);
    }
    qsizetype end = begin;
    while (end < text.size() && !endsBareValue(text.at(end)))
        ++end;
    return text.mid(begin, end - begin);
}

QString TagAttributes::value(const QString &text, const QString &name, const QString &fallback)
{
    return value(text, name).value_or(fallback);
}

std::optional<QString> TagAttributes::number(const QString &text, const QString &name)
{
    const std::optional<QString> v = value(text, name);
    if (!v)
        return std::nullopt;
    qsizetype digits = 0;
    while (digits < v->size() && v->at(digits).isDigit() && v->at(digits).unicode() < 128)
        ++digits;
    if (digits == 0)
        return std::nullopt;
    return v->left(digits);
}

bool TagAttributes::flag(const QString &text, const QString &word)
{
    // Skip quoted values, so a word inside VALUE="... CHECKED ..." is no flag.
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            continue;
        }
        if (quoted || i == 0 || !TagDecoder::isAttributeSeparator(text.at(i - 1)))
            continue;
        if (QStringView(text).mid(i, word.size()) != word)
            continue;
        const qsizetype after = i + word.size();
        if (after >= text.size() || endsBareValue(text.at(after)))
            return true;
    }
    return false;
}

} // namespace lumaro
