#include "quicktags.h"
#include "picturefiles.h"

namespace lumaro {

QStringList QuickTags::imageFilters()
{
    return PictureFiles::nameFilters(QStringLiteral("Image files *.gif *.jpg|*.gif;*.jpg"));
}

QStringList QuickTags::anchorFilters()
{
    return PictureFiles::nameFilters(
        QStringLiteral("HTML files *.html *.htm|*.html;*.htm|Text files *.txt|*.txt|All files *.*|*.*"));
}

QString QuickTags::imageTag(const QString &src, int width, int height)
{
    QString tag = QStringLiteral("<IMG SRC=\"") + PictureFiles::quoteSafe(src) + u'"';
    if (width > 0 && height > 0)
        tag += QStringLiteral(" WIDTH=%1 HEIGHT=%2").arg(width).arg(height);
    return tag + QStringLiteral(" BORDER=0>");
}

QString QuickTags::anchorTag(const QString &url, const QString &text)
{
    return QStringLiteral("<A HREF=\"") + PictureFiles::quoteSafe(url) + QStringLiteral("\">") + text
        + QStringLiteral("</A>");
}

} // namespace lumaro
