#include "headingtag.h"
#include "elementtext.h"
#include "tagattributes.h"
#include "tagdecoder.h"

namespace lumaro {

namespace {

/// The level 1 .. 7 of a heading tag "<Hn" or "</Hn" whose "<" is at pos
/// (prefix is "<H" or "</H"), or 0.
int headingLevelAt(const QString &text, qsizetype pos, QLatin1String prefix)
{
    const qsizetype digit = pos + prefix.size();
    if (digit >= text.size() || QStringView(text).mid(pos, prefix.size()) != prefix)
        return 0;
    const QChar c = text.at(digit);
    if (c < QLatin1Char('1') || c > QLatin1Char('7'))
        return 0;
    // "<H12" or "<H1X" is no heading tag.
    const qsizetype after = digit + 1;
    if (after < text.size() && text.at(after) != QLatin1Char('>') && !TagDecoder::isAttributeSeparator(text.at(after)))
        return 0;
    return c.unicode() - '0';
}

} // namespace

void HeadingTag::decode(const QString &selection)
{
    *this = HeadingTag();
    const int found = headingLevelAt(selection, 0, QLatin1String("<H"));
    if (found == 0) {
        text = selection;
        return;
    }
    level = found;
    center = TagAttributes::value(ElementText::startTag(selection), QStringLiteral("ALIGN"), QString())
        == QLatin1String("CENTER");
    const qsizetype contentStart = ElementText::startTagEnd(selection);
    for (qsizetype at = selection.indexOf(QLatin1String("</H"), contentStart); at >= 0;
         at = selection.indexOf(QLatin1String("</H"), at + 1)) {
        if (headingLevelAt(selection, at, QLatin1String("</H")) > 0) {
            text = selection.mid(contentStart, at - contentStart);
            after = selection.mid(ElementText::endTagEnd(selection, at + 4));
            return;
        }
    }
    text = selection.mid(contentStart);
}

QString HeadingTag::build() const
{
    const QString n = QString::number(qBound(1, level, 7));
    const QString align = center ? QStringLiteral(" ALIGN=CENTER>") : QStringLiteral(" ALIGN=none>");
    return QStringLiteral("<H") + n + align + text + QStringLiteral("</H") + n + QLatin1Char('>') + after;
}

} // namespace lumaro
