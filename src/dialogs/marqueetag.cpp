#include "marqueetag.h"
#include "elementstart.h"
#include "tagattributes.h"
#include "tagdecoder.h"

namespace lumaro {

namespace {

const QString kMarquee = QStringLiteral("<MARQUEE");
const QString kFont = QStringLiteral("<FONT");
const QString kColor = QStringLiteral("COLOR");

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
        // A FONT start tag directly before the marquee is its wrapper, kept
        // whole; its COLOR (quotes and all) is the foreground.
        const qsizetype fontEnd = ElementStart::tagEnd(tagText);
        if (ElementStart::begins(tagText, kMarquee, fontEnd)) {
            fontTag = tagText.left(fontEnd);
            foreground = TagAttributes::written(fontTag, kColor).value_or(QString());
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

    // Quotes are kept, so a quoted colour is written back quoted.
    background = TagAttributes::written(tag, QStringLiteral("BGCOLOR")).value_or(background);
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

    const QString wrapper = fontStart();
    if (!wrapper.isEmpty())
        out = wrapper + out + QStringLiteral("</FONT>");
    return out + trailing;
}

QString MarqueeTag::fontStart() const
{
    if (fontTag.isEmpty())
        return foreground.isEmpty() ? QString() : QStringLiteral("<FONT COLOR=") + foreground + QLatin1Char('>');
    const qsizetype value = TagAttributes::find(fontTag, kColor);
    if (value < 0) {
        if (foreground.isEmpty())
            return fontTag;
        return QStringLiteral("<FONT COLOR=") + foreground + fontTag.mid(kFont.size());
    }
    const qsizetype end = value + TagAttributes::written(fontTag, kColor)->size();
    if (!foreground.isEmpty())
        return fontTag.left(value) + foreground + fontTag.mid(end);
    // No colour any more: a FONT tag left without attributes goes whole.
    const QString rest = TagAttributes::without(fontTag, kColor);
    return rest == QLatin1String("<FONT>") ? QString() : rest;
}

} // namespace lumaro
