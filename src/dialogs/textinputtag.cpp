#include "textinputtag.h"
#include "formfieldreader.h"
#include "tagattributes.h"

namespace lumaro {

namespace {
const QString kField = QStringLiteral("<INPUT");
}

void TextInputTag::decode(const QString &tagText)
{
    const Type keep = type;
    *this = TextInputTag();
    type = keep;
    if (tagText.isEmpty())
        return;
    prompt = FormFieldReader::prompt(tagText, kField);
    const QString tag = FormFieldReader::tag(tagText, kField);
    name = TagAttributes::value(tag, QStringLiteral("NAME"), QString());
    size = FormFieldReader::number(tag, QStringLiteral("SIZE"), size);
    maxLength = FormFieldReader::number(tag, QStringLiteral("MAXLENGTH"), maxLength);
}

QString TextInputTag::build() const
{
    QString text = prompt;
    if (name.isEmpty())
        return text;
    text += QStringLiteral("<INPUT NAME=\"") + name + QStringLiteral("\" ");
    text += type == Type::Password ? QStringLiteral("TYPE=PASSWORD ") : QStringLiteral("TYPE=TEXT ");
    text += QStringLiteral("SIZE=\"") + size + QStringLiteral("\" ");
    if (maxLength != QLatin1String("0"))
        text += QStringLiteral("MAXLENGTH=\"") + maxLength + QStringLiteral("\">");
    else
        text += QLatin1Char('>');
    return text;
}

} // namespace lumaro
