#include "marqueetag.h"
#include "elementstart.h"
#include "tagattributes.h"
#include "tagdecoder.h"

namespace lumaro {

namespace {

const QString kMarquee = QStringLiteral("<MARQUEE");
const QString kFont = QStringLiteral("<FONT");

/// The wrapper's colour when tag is exactly the FONT start tag this dialog
/// writes (COLOR its one attribute); nothing for any other FONT tag, whose
/// further attributes the dialog could not keep.
std::optional<QString> fjerntext(const QString &tag)
{
    const QString inner = tag.mid(kFont.size(), tag.size() - kFont.size() - 1).trimmed();
    const QString key = QStringLiteral("COLOR=");
    if (!inner.startsWith(key) || !tag.endsWith(QLatin1Char('>')))
        return std::nullopt;
    const std::optional<QString> color = TagAttributes::value(tag, QStringLiteral("COLOR"));
    if (!color)
        return std::nullopt;
    // Nothing but the value may follow it.
    const QString bare = inner.mid(key.size());
    if (bare != *color && bare != QLatin1Char('"') + *color + QLatin1Char('"'))
        return std::nullopt;
    return color;
}

/// A WIDTH or HEIGHT value: "%" anywhere makes it a percentage, the number
/// is what comes before it.
void readSize(const QString &tag, const QString &name, QString &number, bool &percent)
{
    const std::optional<QString> v = TagAttributes::value(tag, name);
    if (!v)
        return;
    const qsizetype at = v->indexOf(QLatin1Char('%'));
    percent = at >= 0;
    number = percent ? v->left(at) : *v;
}

void readNumber(const QString &tag, const QString &name, QString &number)
{
    if (const auto v = TagAttributes::value(tag, name))
        number = *v;
}

} // namespace

void MarqueeTag::decode(const QString &tagText)
{
    *this = MarqueeTag();
    qsizetype start = 0;
    bool wrapped = false;
    if (ElementStart::begins(tagText, kFont)) {
        const qsizetype fontEnd = ElementStart::tagEnd(tagText);
        const std::optional<QString> color = fjerntext(tagText.left(fontEnd));
        if (color && ElementStart::begins(tagText, kMarquee, fontEnd)) {
            foreground = *color;
            wrapped = true;
            start = fontEnd;
        }
    }
    if (!wrapped && !ElementStart::begins(tagText, kMarquee)) {
        // Plain text (or any other markup) goes into a new marquee.
        text = tagText;
        return;
    }

    const qsizetype textFrom = ElementStart::tagEnd(tagText, start);
    decodeStartTag(tagText.mid(start, textFrom - start));

    qsizetype after = tagText.size();
    const qsizetype close = ElementStart::endTag(tagText, QStringLiteral("</MARQUEE"), textFrom, &after);
    text = tagText.mid(textFrom, (close < 0 ? tagText.size() : close) - textFrom);
    // The wrapper's end tag belongs to the element when it follows directly.
    const QString fontClose = QStringLiteral("</FONT>");
    if (wrapped && QStringView(tagText).mid(after).startsWith(fontClose))
        after += fontClose.size();
    trailing = tagText.mid(after);
}

void MarqueeTag::decodeStartTag(const QString &tag)
{
    const QString alignValue = TagAttributes::value(tag, QStringLiteral("ALIGN"), QString());
    if (alignValue == QLatin1String("TOP"))
        align = Align::Top;
    else if (alignValue == QLatin1String("MIDDLE"))
        align = Align::Middle;
    else if (alignValue == QLatin1String("BOTTOM"))
        align = Align::Bottom;

    const QString behaviorValue = TagAttributes::value(tag, QStringLiteral("BEHAVIOR"), QString());
    if (behaviorValue == QLatin1String("SCROLL"))
        behavior = Behavior::Scroll;
    else if (behaviorValue == QLatin1String("SLIDE"))
        behavior = Behavior::Slide;
    else if (behaviorValue == QLatin1String("ALTERNATE"))
        behavior = Behavior::Alternate;

    const QString directionValue = TagAttributes::value(tag, QStringLiteral("DIRECTION"), QString());
    if (directionValue == QLatin1String("RIGHT"))
        directionRight = true;
    else if (directionValue == QLatin1String("LEFT"))
        directionRight = false;

    readNumber(tag, QStringLiteral("BGCOLOR"), background);
    readSize(tag, QStringLiteral("HEIGHT"), height, heightPercent);
    readSize(tag, QStringLiteral("WIDTH"), width, widthPercent);
    readNumber(tag, QStringLiteral("HSPACE"), hspace);
    readNumber(tag, QStringLiteral("VSPACE"), vspace);
    readNumber(tag, QStringLiteral("SCROLLDELAY"), scrollDelay);
    readNumber(tag, QStringLiteral("SCROLLAMOUNT"), scrollAmount);
    readNumber(tag, QStringLiteral("LOOP"), loop);
    if (loop == QLatin1String("INFINITE"))
        loop = QStringLiteral("0");
}

QString MarqueeTag::build() const
{
    QString out = kMarquee;
    switch (align) {
    case Align::Top: out += QStringLiteral(" ALIGN=TOP"); break;
    case Align::Middle: out += QStringLiteral(" ALIGN=MIDDLE"); break;
    case Align::Bottom: out += QStringLiteral(" ALIGN=BOTTOM"); break;
    case Align::None: break;
    }
    switch (behavior) {
    case Behavior::Scroll: out += QStringLiteral(" BEHAVIOR=SCROLL"); break;
    case Behavior::Slide: out += QStringLiteral(" BEHAVIOR=SLIDE"); break;
    case Behavior::Alternate: out += QStringLiteral(" BEHAVIOR=ALTERNATE"); break;
    case Behavior::Default: break;
    }
    if (!background.isEmpty())
        out += QStringLiteral(" BGCOLOR=") + background;
    if (directionRight)
        out += QStringLiteral(" DIRECTION=RIGHT");

    const auto number = [&out](const char *name, const QString &value, bool percent = false) {
        if (!ElementStart::isZero(value))
            out += QLatin1Char(' ') + QLatin1String(name) + QLatin1Char('=') + value + (percent ? QStringLiteral("%") : QString());
    };
    number("HEIGHT", height, heightPercent);
    number("HSPACE", hspace);
    out += QStringLiteral(" LOOP=") + (ElementStart::isZero(loop) ? QStringLiteral("INFINITE") : loop);
    number("SCROLLAMOUNT", scrollAmount);
    number("SCROLLDELAY", scrollDelay);
    number("VSPACE", vspace);
    number("WIDTH", width, widthPercent);
    out += QLatin1Char('>') + text + QStringLiteral("</MARQUEE>");

    if (!foreground.isEmpty())
        out = QStringLiteral("<FONT COLOR=") + foreground + QLatin1Char('>') + out + QStringLiteral("</FONT>");
    return out + trailing;
}

} // namespace lumaro
