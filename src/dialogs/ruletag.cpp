#include "ruletag.h"
#include "elementstart.h"
#include "tagattributes.h"

namespace lumaro {

namespace {

/// The decimal digits that begin value, looking at no more than the first
/// ten characters; nothing when it begins with none.
QString leadingDigits(const QString &value)
{
    const QString head = value.left(10);
    qsizetype n = 0;
    while (n < head.size() && head.at(n).unicode() >= '0' && head.at(n).unicode() <= '9')
        ++n;
    return head.left(n);
}

} // namespace

void RuleTag::setWidthPercent(bool on)
{
    widthPercent = on;
    width = on ? QStringLiteral("100") : QStringLiteral("0");
}

void RuleTag::decode(const QString &tagText)
{
    *this = RuleTag();
    if (!ElementStart::begins(tagText, QStringLiteral("<HR")))
        return;
    const qsizetype end = ElementStart::tagEnd(tagText);
    const QString tag = tagText.left(end);
    trailing = tagText.mid(end);

    const QString alignValue = TagAttributes::value(tag, QStringLiteral("ALIGN"), QString());
    if (alignValue == QLatin1String("LEFT"))
        align = Align::Left;
    else if (alignValue == QLatin1String("RIGHT"))
        align = Align::Right;
    else if (alignValue == QLatin1String("CENTER"))
        align = Align::Center;

    // The width's unit decides the toggle, which in turn presets the width.
    const std::optional<QString> widthValue = TagAttributes::value(tag, QStringLiteral("WIDTH"));
    setWidthPercent(widthValue && widthValue->contains(QLatin1Char('%')));
    noShade = TagAttributes::flag(tag, QStringLiteral("NOSHADE"));
    if (widthValue) {
        if (const QString digits = leadingDigits(*widthValue); !digits.isEmpty())
            width = digits;
    }
    if (const auto sizeValue = TagAttributes::value(tag, QStringLiteral("SIZE"))) {
        if (const QString digits = leadingDigits(*sizeValue); !digits.isEmpty())
            height = digits;
    }
}

QString RuleTag::build() const
{
    QString out = QStringLiteral("<HR");
    switch (align) {
    case Align::None: out += QLatin1Char(' '); break;
    case Align::Left: out += QStringLiteral(" ALIGN=LEFT "); break;
    case Align::Right: out += QStringLiteral(" ALIGN=RIGHT "); break;
    case Align::Center: out += QStringLiteral(" ALIGN=CENTER "); break;
    }
    if (!ElementStart::isZero(width))
        out += QStringLiteral("WIDTH=") + width + (widthPercent ? QStringLiteral("% ") : QStringLiteral(" "));
    if (noShade)
        out += QStringLiteral("NOSHADE ");
    if (!ElementStart::isZero(height))
        out += QStringLiteral("SIZE=") + height + QLatin1Char(' ');
    return out + QLatin1Char('>') + trailing;
}

} // namespace lumaro
