#include "selectformtag.h"
#include "tagattributes.h"
#include "tagdecoder.h"

#include <QRegularExpression>

namespace lumaro {

namespace {

/// End of the start tag: the first ">" outside a quoted value, or the end.
qsizetype startTagEnd(const QString &text)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && text.at(i) == QLatin1Char('>'))
            return i;
    }
    return text.size();
}

bool isLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

QString optionText(QStringView raw)
{
    while (!raw.isEmpty() && isLineBreak(raw.front()))
        raw = raw.mid(1);
    while (!raw.isEmpty() && isLineBreak(raw.back()))
        raw.chop(1);
    // A line break inside a hand-written option would split it into two
    // lines of the options box; it reads as one blank instead.
    QString text = raw.toString();
    static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
    text.replace(breaks, QStringLiteral(" "));
    return text;
}

} // namespace

void SelectFormTag::decode(const QString &tagText)
{
    *this = SelectFormTag();
    if (tagText.isEmpty())
        return;
    // The attributes belong to the start tag; the options' texts are not read
    // for them.
    const QString option = QStringLiteral("<OPTION");
    const qsizetype headEnd = tagText.startsWith(option) ? 0 : startTagEnd(tagText);
    const QString head = tagText.left(headEnd);
    name = TagAttributes::value(head, QStringLiteral("NAME"), QString());
    size = TagAttributes::number(head, QStringLiteral("SIZE")).value_or(size);
    multiple = TagAttributes::flag(head, QStringLiteral("MULTIPLE"));

    for (qsizetype at = tagText.indexOf(option, headEnd); at >= 0; at = tagText.indexOf(option, at + 1)) {
        qsizetype begin = at + option.size();
        if (begin >= tagText.size())
            break;
        const QChar next = tagText.at(begin);
        if (next == QLatin1Char('>')) {
            ++begin;
        } else if (TagDecoder::isAttributeSeparator(next)) {
            // "<OPTION SELECTED>" and the like: the attributes have no field.
            const qsizetype close = tagText.indexOf(QLatin1Char('>'), begin);
            if (close < 0)
                break;
            begin = close + 1;
        } else {
            continue;  // "<OPTIONS" or another tag
        }
        qsizetype end = tagText.indexOf(QLatin1Char('<'), begin);
        if (end < 0)
            end = tagText.size();
        options.append(optionText(QStringView(tagText).mid(begin, end - begin)));
        at = end - 1;
    }
}

QString SelectFormTag::build() const
{
    QString text = QStringLiteral("<SELECT NAME=\"") + name + QStringLiteral("\" SIZE=") + size;
    if (multiple)
        text += QStringLiteral(" MULTIPLE");
    text += QStringLiteral("> \r\n");
    for (const QString &o : options)
        text += QStringLiteral("<OPTION>") + o;
    return text + QStringLiteral("</SELECT>");
}

} // namespace lumaro
