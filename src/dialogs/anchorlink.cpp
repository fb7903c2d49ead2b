#include "anchorlink.h"
#include "linktext.h"

namespace lumaro {

AnchorLink AnchorLink::decode(const QString &selection)
{
    AnchorLink link;
    if (!LinkText::isLink(selection)) {
        link.text = selection;
        return link;
    }
    const QString quote = QStringLiteral("\"");
    QString rest = selection;
    LinkText::cutThrough(rest, quote);
    // Only a "#" inside the address separates the anchor name: one that
    // appears later, in the link text, must not split the address.
    const qsizetype hash = rest.indexOf(QLatin1Char('#'));
    qsizetype addressEnd = rest.indexOf(QLatin1Char('"'));
    if (addressEnd < 0)
        addressEnd = rest.indexOf(QLatin1Char('>'));
    if (hash >= 0 && (addressEnd < 0 || hash < addressEnd)) {
        link.address = rest.left(hash);
        rest.remove(0, hash + 1);
        link.name = LinkText::before(rest, quote);
    } else {
        link.address = LinkText::before(rest, quote);
    }
    link.text = LinkText::linkText(rest);
    return link;
}

QString AnchorLink::build() const
{
    QString target = address;
    if (!name.isEmpty())
        target += QLatin1Char('#') + name;
    return QStringLiteral("<A HREF=\"") + target + QStringLiteral("\">") + text + QStringLiteral("</A>");
}

} // namespace lumaro
