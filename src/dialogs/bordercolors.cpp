#include "bordercolors.h"
#include "tagbuilder.h"
#include "tagdecoder.h"

namespace lumaro {

void BorderColors::setBorder(const QString &value)
{
    m_border = value;
    if (!value.isEmpty()) {
        m_light.clear();
        m_dark.clear();
    }
}

void BorderColors::setLight(const QString &value)
{
    m_light = value;
    if (!value.isEmpty())
        m_border.clear();
}

void BorderColors::setDark(const QString &value)
{
    m_dark = value;
    if (!value.isEmpty())
        m_border.clear();
}

void BorderColors::decode(const QString &tagText)
{
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("BGCOLOR")))
        setBackground(*v);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("BORDERCOLOR")))
        setBorder(*v);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("BORDERCOLORLIGHT")))
        setLight(*v);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("BORDERCOLORDARK")))
        setDark(*v);
}

void BorderColors::appendTo(TagBuilder &builder) const
{
    builder.addIfNotEmpty(QStringLiteral("BGCOLOR"), m_background)
        .addIfNotEmpty(QStringLiteral("BORDERCOLOR"), m_border)
        .addIfNotEmpty(QStringLiteral("BORDERCOLORLIGHT"), m_light)
        .addIfNotEmpty(QStringLiteral("BORDERCOLORDARK"), m_dark);
}

} // namespace lumaro
