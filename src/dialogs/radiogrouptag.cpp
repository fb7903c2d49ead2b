#include "radiogrouptag.h"
#include "tagattributes.h"

namespace lumaro {

namespace {

/// End of the tag that starts at `at`: just past its ">" (a ">" inside a
/// quoted value does not count), or the end of the text when it is unclosed.
qsizetype tagEnd(const QString &text, qsizetype at)
{
    bool quoted = false;
    for (qsizetype i = at; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char('>') && !quoted)
            return i + 1;
    }
    // An unbalanced quote: fall back to the first ">" at all.
    const qsizetype close = text.indexOf(QLatin1Char('>'), at);
    return close < 0 ? text.size() : close + 1;
}

bool isLineBreak(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

} // namespace

void RadioGroupTag::decode(const QString &tagText)
{
    *this = RadioGroupTag();
    if (tagText.isEmpty())
        return;
    const QString input = QStringLiteral("<INPUT");
    QList<Button> read;
    int marked = 0;
    qsizetype from = 0;
    for (qsizetype at = tagText.indexOf(input, from); at >= 0; at = tagText.indexOf(input, from)) {
        const qsizetype end = tagEnd(tagText, at);
        const QString tag = tagText.mid(at, end - at);
        if (read.isEmpty())
            name = TagAttributes::value(tag, QStringLiteral("NAME"), QString());
        read.append({tagText.mid(from, at - from), TagAttributes::value(tag, QStringLiteral("VALUE"), QString())});
        // Browsers show the button marked CHECKED; older pages say SELECTED.
        if (marked == 0
            && (TagAttributes::flag(tag, QStringLiteral("CHECKED")) || TagAttributes::flag(tag, QStringLiteral("SELECTED"))))
            marked = int(read.size());
        from = end;
        while (from < tagText.size() && isLineBreak(tagText.at(from)))
            ++from;
    }
    if (read.isEmpty()) {
        // No button to read: keep the default group, with whatever name the text gives.
        name = TagAttributes::value(tagText, QStringLiteral("NAME"), QString());
        return;
    }
    selected = marked;
    while (read.size() < MinButtons)
        read.append(Button());
    buttons = read;
}

QString RadioGroupTag::build() const
{
    QString text;
    if (name.isEmpty())
        return text;
    for (qsizetype k = 0; k < buttons.size(); ++k) {
        const Button &b = buttons.at(k);
        text += b.prompt + QStringLiteral("<INPUT NAME=\"") + name + QStringLiteral("\" TYPE=RADIO VALUE=\"") + b.value
            + QStringLiteral("\" ") + (k + 1 == selected ? QStringLiteral("CHECKED>") : QStringLiteral(">"));
    }
    return text;
}

} // namespace lumaro
