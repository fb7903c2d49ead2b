#include "droptext.h"

namespace lumaro {

QString DropText::fileName(const QString &path)
{
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

QString DropText::title(const QString &path)
{
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? name : name.left(dot);
}

QString DropText::extension(const QString &path)
{
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

QString DropText::imageTag(const QString &src, int width, int height)
{
    QString tag = QStringLiteral("<IMG SRC=\"") + src + QLatin1Char('"');
    if (width > 0 && height > 0)
        tag += QStringLiteral(" WIDTH=%1 HEIGHT=%2").arg(width).arg(height);
    return tag + QStringLiteral(" BORDER=0>");
}

QString DropText::anchorTag(const QString &url, const QString &title)
{
    return QStringLiteral("<A HREF=\"") + url + QStringLiteral("\">") + title + QStringLiteral("</A>");
}

std::optional<QString> DropText::shortcutUrl(const QString &text)
{
    const qsizetype at = text.indexOf(QLatin1String("url="), 0, Qt::CaseInsensitive);
    if (at < 0)
        return std::nullopt;
    const qsizetype start = at + 4;
    qsizetype end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    return text.mid(start, end - start);
}

} // namespace lumaro
