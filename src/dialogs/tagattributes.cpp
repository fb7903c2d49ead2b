#include "tagattributes.h"
#include "tagdecoder.h"

namespace lumaro {

namespace {
bool endsBareValue(QChar c)
{
    return TagDecoder::isAttributeSeparator(c) || c == QLatin1Char('>');
}

/// True when the double quote just before `at` closes a value: an even
/// number of quotes stands between the tag's "<" and `at`. Browsers start a
/// new attribute there (NAME="a"SRC="b").
bool afterClosingQuote(const QString &text, qsizetype at)
{
    if (at <= 0 || text.at(at - 1) != QLatin1Char('"'))
        return false;
    const qsizetype open = text.lastIndexOf(QLatin1Char('<'), at - 1);
    const qsizetype quotes = QStringView(text).mid(open + 1, at - open - 1).count(QLatin1Char('"'));
    return quotes % 2 == 0;
}

bool startsAttribute(const QString &text, qsizetype at)
{
    return at > 0 && (TagDecoder::isAttributeSeparator(text.at(at - 1)) || afterClosingQuote(text, at));
}
} // namespace

qsizetype TagAttributes::find(const QString &text, const QString &name)
{
    const QString key = name + QLatin1Char('=');
    for (qsizetype at = text.indexOf(key, 0, Qt::CaseSensitive); at >= 0;
         at = text.indexOf(key, at + 1, Qt::CaseSensitive)) {
        if (startsAttribute(text, at))
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

std::optional<QString> TagAttributes::written(const QString &text, const QString &name)
{
    const qsizetype begin = find(text, name);
    if (begin < 0)
        return std::nullopt;
    const std::optional<QString> inner = value(text, name);
    if (begin < text.size() && text.at(begin) == QLatin1Char('"'))
        return text.mid(begin, inner->size() + 2);  // mid() stops at the end of an unclosed value
    return inner;
}

QString TagAttributes::without(const QString &tag, const QString &name)
{
    const qsizetype value = find(tag, name);
    if (value < 0)
        return tag;
    const qsizetype end = value + written(tag, name)->size();
    qsizetype from = value - name.size() - 1;
    while (from > 0 && TagDecoder::isAttributeSeparator(tag.at(from - 1)))
        --from;
    return tag.left(from) + tag.mid(end);
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
    // A flag may carry a value of its own (NORESIZE="NORESIZE"): it is set
    // all the same.
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
            continue;
        }
        if (quoted || i == 0)
            continue;
        const QChar before = text.at(i - 1);
        if (!TagDecoder::isAttributeSeparator(before) && before != QLatin1Char('"'))
            continue;
        if (QStringView(text).mid(i, word.size()) != word)
            continue;
        const qsizetype after = i + word.size();
        if (after >= text.size() || endsBareValue(text.at(after)) || text.at(after) == QLatin1Char('='))
            return true;
    }
    return false;
}

} // namespace lumaro
