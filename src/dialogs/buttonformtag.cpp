#include "buttonformtag.h"

namespace lumaro {

void ButtonFormTag::decode(const QString &tagText)
{
    type = tagText.contains(QLatin1String("RESET")) ? Type::Reset : Type::Submit;
}

QString ButtonFormTag::build() const
{
    return type == Type::Reset ? QStringLiteral("<INPUT TYPE=RESET>") : QStringLiteral("<INPUT TYPE=SUBMIT>");
}

} // namespace lumaro
