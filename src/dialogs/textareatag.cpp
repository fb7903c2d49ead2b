#include "textareatag.h"
#include "formfieldreader.h"
#include "tagattributes.h"

namespace lumaro {

namespace {
const QString kField = QStringLiteral("<TEXTAREA");
}

void TextAreaTag::decode(const QString &tagText)
{
    *this = TextAreaTag();
    if (tagText.isEmpty())
        return;
    prompt = FormFieldReader::prompt(tagText, kField);
    const QString tag = FormFieldReader::tag(tagText, kField);
    name = TagAttributes::value(tag, QStringLiteral("NAME"), QString());
    height = FormFieldReader::number(tag, QStringLiteral("ROWS"), height);
    width = FormFieldReader::number(tag, QStringLiteral("COLS"), width);
}

QString TextAreaTag::build() const
{
    QString text = prompt;
    if (name.isEmpty())
        return text;
    text += QStringLiteral("<TEXTAREA NAME=\"") + name + QStringLiteral("\" COLS=") + width
        + QStringLiteral(" ROWS=") + height + QStringLiteral("></TEXTAREA>");
    return text;
}

} // namespace lumaro
