#include "formfieldreader.h"
#include "tagattributes.h"

namespace lumaro {

qsizetype FormFieldReader::fieldStart(const QString &text, const QString &field)
{
    const qsizetype at = text.indexOf(field);
    return at >= 0 ? at : text.indexOf(QLatin1Char('<'));
}

QString FormFieldReader::prompt(const QString &text, const QString &field)
{
    const qsizetype open = fieldStart(text, field);
    return open > 0 ? text.left(open) : QString();
}

QString FormFieldReader::tag(const QString &text, const QString &field)
{
    const qsizetype open = fieldStart(text, field);
    return open > 0 ? text.mid(open) : text;
}

QString FormFieldReader::number(const QString &text, const QString &name, const QString &fallback)
{
    if (!TagAttributes::value(text, name))
        return fallback;
    return TagAttributes::number(text, name).value_or(QString());
}

} // namespace lumaro
