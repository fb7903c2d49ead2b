#include "tagbuilder.h"

namespace lumaro {

TagBuilder::TagBuilder(const QString &tagName)
    : m_name(tagName)
    , m_text(QLatin1Char('<') + tagName)
{
}

TagBuilder &TagBuilder::add(const QString &name, const QString &value)
{
    m_text += QLatin1Char(' ') + name + QLatin1Char('=') + value;
    return *this;
}

TagBuilder &TagBuilder::addIfNotEmpty(const QString &name, const QString &value)
{
    if (!value.isEmpty())
        add(name, value);
    return *this;
}

QString TagBuilder::finish(bool editExisting) const
{
    if (editExisting)
        return m_text + QLatin1Char('>');
    return m_text + QStringLiteral(">\r\n\r\n</") + m_name + QLatin1Char('>');
}

QString TagBuilder::element(const QString &content) const
{
    return m_text + QLatin1Char('>') + content + QStringLiteral("</") + m_name + QLatin1Char('>');
}

} // namespace lumaro
