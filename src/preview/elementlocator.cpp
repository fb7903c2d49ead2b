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
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype open = text.indexOf(u'<', i);
        if (open < 0 || open + 1 >= n)
            return -1;
        const QChar next = text.at(open + 1);
        if (text.mid(open, 4) == u"<!--") {
            const qsizetype close = text.indexOf(QStringLiteral("-->"), open + 4);
            if (close < 0)
                return -1;
            i = close + 3;
            continue;
        }
        if (next == u'!' || next == u'?' || next == u'/') {
            // Declarations, processing instructions and end tags make no element.
            const qsizetype close = text.indexOf(u'>', open + 2);
            if (close < 0)
                return -1;
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
        if (name == wanted) {
            if (seen == target)
                return int(open);
            ++seen;
        }
        i = tagEnd(text, nameEnd);
        if (isRawText(name)) {
            if (name == u"plaintext")
                return -1;
            const qsizetype close = text.indexOf(QStringLiteral("</") + name, i, Qt::CaseInsensitive);
            if (close < 0)
                return -1;
            i = close;
        }
    }
    return -1;
}

} // namespace lumaro
