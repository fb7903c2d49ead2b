#include "elementlocator.h"

#include <QStringList>

namespace lumaro {

namespace {

/// Elements whose content a browser reads as text up to their end tag.
bool isRawText(const QString &name)
{
    static const QStringList names{QStringLiteral("script"),   QStringLiteral("style"),
                                   QStringLiteral("textarea"), QStringLiteral("title"),
                                   QStringLiteral("xmp"),      QStringLiteral("iframe"),
                                   QStringLiteral("noembed"),  QStringLiteral("noframes"),
                                   QStringLiteral("noscript"), QStringLiteral("plaintext")};
    return names.contains(name);
}

bool isNameStart(QChar c) { return c.isLetter(); }
bool isNameChar(QChar c) { return !c.isSpace() && c != u'/' && c != u'>'; }

/// Index just past the '>' closing the tag that starts at from, honouring
/// quoted attribute values; the text's end when it is not closed.
qsizetype tagEnd(const QString &text, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'"' || c == u'\'') {
            // Only an attribute value opens a quote: it follows "=".
            qsizetype back = i - 1;
            while (back > from && text.at(back).isSpace())
                --back;
            if (back > from && text.at(back) == u'=')
                quote = c;
        } else if (c == u'>') {
            return i + 1;
        }
    }
    return text.size();
}

} // namespace

bool ElementLocator::isImpliedName(const QString &tagName)
{
    const QString name = tagName.toLower();
    return name == u"html" || name == u"head" || name == u"body" || name == u"tbody";
}

int ElementLocator::startTagPosition(const QString &text, const QString &tagName, int index)
{
    const QString wanted = tagName.toLower();
    if (wanted.isEmpty() || index < 0)
        return -1;
    // An implied element may have no tag before the ones that are written,
    // so only the first written one is a sure match.
    const int target = isImpliedName(wanted) ? 0 : index;
    int seen = 0;
    int found = -1;
    forEachStartTag(text, [&](qsizetype open, qsizetype, const QString &name) {
        if (name != wanted)
            return true;
        if (seen == target) {
            found = int(open);
            return false;
        }
        ++seen;
        return true;
    });
    return found;
}

QString ElementLocator::markStartTags(const QString &text, const QString &attribute)
{
    QString marked;
    marked.reserve(text.size() + text.size() / 8);
    qsizetype copied = 0;
    forEachStartTag(text, [&](qsizetype open, qsizetype nameEnd, const QString &) {
        marked += QStringView(text).mid(copied, nameEnd - copied);
        marked += QLatin1Char(' ') + attribute + QStringLiteral("=\"") + QString::number(open) + QLatin1Char('"');
        copied = nameEnd;
        return true;
    });
    marked += QStringView(text).mid(copied);
    return marked;
}

bool ElementLocator::isStartTagAt(const QString &text, int position, const QString &tagName)
{
    if (position < 0 || tagName.isEmpty() || position + 1 + tagName.size() > text.size()
        || text.at(position) != u'<')
        return false;
    if (QStringView(text).mid(position + 1, tagName.size()).compare(tagName, Qt::CaseInsensitive) != 0)
        return false;
    const qsizetype after = position + 1 + tagName.size();
    return after == text.size() || !isNameChar(text.at(after));
}

void ElementLocator::forEachStartTag(const QString &text,
                                     const std::function<bool(qsizetype, qsizetype, const QString &)> &visit)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype open = text.indexOf(u'<', i);
        if (open < 0 || open + 1 >= n)
            return;
        const QChar next = text.at(open + 1);
        if (text.mid(open, 4) == u"<!--") {
            const qsizetype close = text.indexOf(QStringLiteral("-->"), open + 4);
            if (close < 0)
                return;
            i = close + 3;
            continue;
        }
        if (next == u'!' || next == u'?' || next == u'/') {
            // Declarations, processing instructions and end tags make no element.
            const qsizetype close = text.indexOf(u'>', open + 2);
            if (close < 0)
                return;
            i = close + 1;
            continue;
        }
        if (!isNameStart(next)) {
            i = open + 1; // a lone "<" is text
            continue;
        }
        qsizetype nameEnd = open + 1;
        while (nameEnd < n && isNameChar(text.at(nameEnd)))
            ++nameEnd;
        const QString name = text.mid(open + 1, nameEnd - open - 1).toLower();
        if (!visit(open, nameEnd, name))
            return;
        i = tagEnd(text, nameEnd);
        if (isRawText(name)) {
            if (name == u"plaintext")
                return;
            const qsizetype close = text.indexOf(QStringLiteral("</") + name, i, Qt::CaseInsensitive);
            if (close < 0)
                return;
            i = close;
        }
    }
}

} // namespace lumaro
