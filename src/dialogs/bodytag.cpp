#include "bodytag.h"
#include "elementtext.h"
#include "tagattributes.h"

#include <utility>

namespace lumaro {

void BodyTag::decode(const QString &selection)
{
    *this = BodyTag();
    if (!selection.startsWith(QLatin1String("<BODY")))
        return;
    editExisting = true;
    const QString start = ElementText::startTag(selection);
    after = selection.mid(ElementText::startTagEnd(selection));
    background = TagAttributes::value(start, QStringLiteral("BACKGROUND"), QString());
    watermark = TagAttributes::value(start, QStringLiteral("BGPROPERTIES"), QString()) == QLatin1String("FIXED");
    const auto raw = [&start](const char *name) {
        return ElementText::rawValue(start, QLatin1String(name)).value_or(QString());
    };
    bgcolor = raw("BGCOLOR");
    text = raw("TEXT");
    link = raw("LINK");
    vlink = raw("VLINK");
    // Margins are numbers: read without quotes, so the arrows can step them.
    topMargin = TagAttributes::value(start, QStringLiteral("TOPMARGIN"), QStringLiteral("0"));
    leftMargin = TagAttributes::value(start, QStringLiteral("LEFTMARGIN"), QStringLiteral("0"));
}

QString BodyTag::build() const
{
    QString out = QStringLiteral("<BODY");
    const auto add = [&out](const char *name, const QString &value) {
        out += QLatin1Char(' ') + QLatin1String(name) + QLatin1Char('=') + value;
    };
    // The address may hold blanks, so it is quoted.
    if (!background.isEmpty())
        add("BACKGROUND", QLatin1Char('"') + background + QLatin1Char('"'));
    if (watermark)
        add("BGPROPERTIES", QStringLiteral("FIXED"));
    for (const auto &[name, value] : {std::pair{"BGCOLOR", &bgcolor}, std::pair{"TEXT", &text},
                                      std::pair{"LINK", &link}, std::pair{"VLINK", &vlink}}) {
        if (!value->isEmpty())
            add(name, *value);
    }
    // An emptied margin box means no margin, the same as "0".
    for (const auto &[name, value] : {std::pair{"TOPMARGIN", &topMargin}, std::pair{"LEFTMARGIN", &leftMargin}}) {
        if (!value->isEmpty() && *value != QLatin1String("0"))
            add(name, *value);
    }
    out += QLatin1Char('>');
    if (!editExisting)
        out += QStringLiteral("\r\n\r\n\r\n</BODY>");
    return out + after;
}

} // namespace lumaro
