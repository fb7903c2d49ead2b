#include "fonttag.h"
#include "elementtext.h"
#include "tagattributes.h"
#include "tagbuilder.h"

namespace lumaro {

QString FontTag::startTag() const
{
    return kind == Kind::Font ? QStringLiteral("<FONT") : QStringLiteral("<BASEFONT");
}

void FontTag::decode(const QString &tagText)
{
    *this = FontTag(kind);
    if (!tagText.startsWith(startTag())) {
        if (kind == Kind::Font)
            text = tagText;
        return;
    }
    const qsizetype contentStart = ElementText::startTagEnd(tagText);
    const QString start = ElementText::startTag(tagText);
    faces = TagAttributes::value(start, QStringLiteral("FACE"), QString());
    const QString sizeValue = TagAttributes::value(start, QStringLiteral("SIZE"), QString());
    if (sizeValue.size() == 1 && sizeValue.at(0) >= QLatin1Char('1') && sizeValue.at(0) <= QLatin1Char('7'))
        size = sizeValue.at(0).unicode() - '0';
    color = ElementText::rawValue(start, QStringLiteral("COLOR")).value_or(QString());

    if (kind == Kind::BaseFont) {
        after = tagText.mid(contentStart);
        return;
    }
    // The content runs to the end tag that closes this FONT (nested FONT
    // elements stay inside it), or to the end of the selection.
    const QString close = QStringLiteral("</FONT");
    const qsizetype end = ElementText::matchingEndTag(tagText, contentStart, startTag(), close);
    if (end < 0) {
        text = tagText.mid(contentStart);
        return;
    }
    text = tagText.mid(contentStart, end - contentStart);
    after = tagText.mid(ElementText::endTagEnd(tagText, end + close.size()));
}

QString FontTag::build() const
{
    TagBuilder b(kind == Kind::Font ? QStringLiteral("FONT") : QStringLiteral("BASEFONT"));
    b.addIfNotEmpty(QStringLiteral("COLOR"), color);
    b.add(QStringLiteral("SIZE"), QString::number(qBound(1, size, 7)));
    QString out = b.text();
    // The face list may hold blanks ("Courier New"), so it is quoted.
    if (!faces.isEmpty())
        out += QStringLiteral(" FACE=\"") + faces + QLatin1Char('"');
    out += QLatin1Char('>');
    if (kind == Kind::Font)
        out += text + QStringLiteral("</FONT>");
    return out + after;
}

QString FontTag::appendFace(const QString &faces, const QString &face)
{
    return faces.isEmpty() ? face : faces + QLatin1Char(',') + face;
}

} // namespace lumaro
