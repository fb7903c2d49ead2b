#include "jumptolink.h"
#include "linktext.h"

namespace lumaro {

JumpToLink JumpToLink::decode(const QString &selection)
{
    JumpToLink link;
    if (!LinkText::isLink(selection)) {
        link.text = selection;
        return link;
    }
    QString rest = selection;
    // The name follows the "#" of the start tag; a "#" in the link text is
    // text, not a name.
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    const qsizetype close = rest.indexOf(QLatin1Char('>'));
    if (hash >= 0 && (close < 0 || hash < close)) {
        rest.remove(0, hash + 1);
        link.name = LinkText::before(rest, QStringLiteral("\""));
    }
    link.text = LinkText::linkText(rest);
    return link;
}

QString JumpToLink::build() const
{
    return QStringLiteral("<A HREF=\"#") + name + QStringLiteral("\">") + text + QStringLiteral("</A>");
}

} // namespace lumaro
