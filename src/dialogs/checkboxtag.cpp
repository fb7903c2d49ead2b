#include "checkboxtag.h"
#include "formfieldreader.h"
#include "tagattributes.h"

namespace lumaro {

namespace {
const QString kField = QStringLiteral("<INPUT");
}

void CheckboxTag::decode(const QString &tagText)
{
    *this = CheckboxTag();
    if (tagText.isEmpty())
        return;
    prompt = FormFieldReader::prompt(tagText, kField);
    const QString tag = FormFieldReader::tag(tagText, kField);
    name = TagAttributes::value(tag, QStringLiteral("NAME"), QString());
    value = TagAttributes::value(tag, QStringLiteral("VALUE"), QString());
    checked = TagAttributes::flag(tag, QStringLiteral("CHECKED"));
}

QString CheckboxTag::build() const
{
    if (name.isEmpty())
        return QString();
    return prompt + QStringLiteral("<INPUT NAME=\"") + name + QStringLiteral("\" TYPE=CHECKBOX VALUE=\"") + value
        + QStringLiteral("\" ") + (checked ? QStringLiteral("CHECKED >") : QStringLiteral(">"));
}

} // namespace lumaro
