#include "jumptoherelink.h"
#include "linktext.h"

namespace lumaro {

JumpToHereLink JumpToHereLink::decode(const QString &selection)
{
    JumpToHereLink link;
    if (!LinkText::isLink(selection)) {
        link.text = selection;
        return link;
    }
    const QString quote = QStringLiteral("\"");
    QString rest = selection;
    LinkText::cutThrough(rest, quote);
    link.name = LinkText::before(rest, quote);
    link.text = LinkText::linkText(rest);
    return link;
}

QString JumpToHereLink::build() const
{
    return QStringLiteral("<A NAME=\"") + name + QStringLiteral("\">") + text + QStringLiteral("</A>");
}

} // namespace lumaro
