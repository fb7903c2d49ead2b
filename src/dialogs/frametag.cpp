#include "frametag.h"
#include "tagattributes.h"

namespace lumaro {

void FrameTag::decode(const QString &tagText)
{
    *this = FrameTag();
    if (tagText.isEmpty())
        return;
    scrolling = Scrolling::Auto;
    editExisting = true;
    name = TagAttributes::value(tagText, QStringLiteral("NAME"), QString());
    src = TagAttributes::value(tagText, QStringLiteral("SRC"), QString());
    marginWidth = TagAttributes::value(tagText, QStringLiteral("MARGINWIDTH"), marginWidth);
    marginHeight = TagAttributes::value(tagText, QStringLiteral("MARGINHEIGHT"), marginHeight);
    frameBorder = TagAttributes::value(tagText, QStringLiteral("FRAMEBORDER"), frameBorder);
    noResize = TagAttributes::flag(tagText, QStringLiteral("NORESIZE"));
    const QString scroll = TagAttributes::value(tagText, QStringLiteral("SCROLLING"), QString());
    if (scroll == QLatin1String("YES"))
        scrolling = Scrolling::Yes;
    else if (scroll == QLatin1String("NO"))
        scrolling = Scrolling::No;
}

QString FrameTag::build() const
{
    auto quoted = [](const char *attribute, const QString &value) {
        return QLatin1String(attribute) + QStringLiteral("=\"") + value + QStringLiteral("\" ");
    };
    QString text = QStringLiteral("<FRAME ") + quoted("NAME", name) + quoted("SRC", src);
    if (scrolling == Scrolling::Yes)
        text += QStringLiteral("SCROLLING=\"YES\" ");
    else if (scrolling == Scrolling::No)
        text += QStringLiteral("SCROLLING=\"NO\" ");
    if (noResize)
        text += QStringLiteral("NORESIZE ");
    if (marginWidth != QLatin1String("0"))
        text += quoted("MARGINWIDTH", marginWidth);
    if (marginHeight != QLatin1String("0"))
        text += quoted("MARGINHEIGHT", marginHeight);
    if (frameBorder != QLatin1String("-1"))
        text += quoted("FRAMEBORDER", frameBorder);
    text += QLatin1Char('>');
    if (!editExisting)
        text += QStringLiteral("\r\n");
    return text;
}

} // namespace lumaro
