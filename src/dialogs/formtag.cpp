#include "formtag.h"
#include "tagattributes.h"

namespace lumaro {

void FormTag::decode(const QString &tagText)
{
    *this = FormTag();
    if (tagText.isEmpty())
        return;
    const QString m = TagAttributes::value(tagText, QStringLiteral("METHOD"), QString());
    if (m == QLatin1String("POST"))
        method = Method::Post;
    else if (m == QLatin1String("GET"))
        method = Method::Get;
    action = TagAttributes::value(tagText, QStringLiteral("ACTION"), QString());
}

QString FormTag::build() const
{
    if (action.isEmpty())
        return {};
    QString text = QStringLiteral("<FORM ");
    text += method == Method::Post ? QStringLiteral("METHOD=\"POST\" ") : QStringLiteral("METHOD=\"GET\" ");
    text += QStringLiteral("ACTION=\"") + action + QStringLiteral("\"> </FORM>");
    return text;
}

} // namespace lumaro
