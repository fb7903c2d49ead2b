#include "linktext.h"

namespace lumaro {

void LinkText::cutThrough(QString &text, const QString &what)
{
    const qsizetype at = text.indexOf(what);
    if (at >= 0)
        text.remove(0, at + what.size());
}

QString LinkText::before(const QString &text, const QString &what)
{
    const qsizetype at = text.indexOf(what);
    return at < 0 ? QString() : text.left(at);
}

bool LinkText::isLink(const QString &selection)
{
    return selection.startsWith(QLatin1String("<A"), Qt::CaseSensitive);
}

QString LinkText::linkText(QString rest)
{
    cutThrough(rest, QStringLiteral(">"));
    return before(rest, QStringLiteral("</A"));
}

} // namespace lumaro
