#include "linkbuilder.h"
#include "picturefiles.h"

#include <QUrl>
#include <cmath>

namespace lumaro {

const QStringList &LinkBuilder::protocols()
{
    static const QStringList list = {QStringLiteral("none"),    QStringLiteral("http://"),
                                     QStringLiteral("gopher:"), QStringLiteral("file://"),
                                     QStringLiteral("ftp://"),  QStringLiteral("mailto:")};
    return list;
}

QString LinkBuilder::prefix(int index)
{
    if (index <= 0 || index >= protocols().size())
        return {};
    return protocols().at(index);
}

QString LinkBuilder::url() const
{
    const QString target = jump.isEmpty() ? QString() : u'#' + jump;
    const QString protocolPrefix = prefix(protocol);
    // "file://" + "/home/a b.html" would be a URL with a raw blank in it.
    if (protocolPrefix == QLatin1String("file://") && server.isEmpty() && anchor.startsWith(u'/'))
        return QString::fromLatin1(QUrl::fromLocalFile(anchor).toEncoded()) + target;
    return protocolPrefix + server + PictureFiles::quoteSafe(anchor) + target;
}

QStringList LinkBuilder::nameFilters()
{
    return PictureFiles::nameFilters(QStringLiteral(
        "Html,Htm files|*.html;*.htm|Image files: jpeg, gif|*.gif;*.jpg;*.jpeg|Video files|*.avi|"
        "Sound files|*.wav;*.mdi;*.midi;*.au;*.mid|Map files|*.map|Gif images|*.gif|All files|*.*"));
}

QString LinkBuilder::nameFilter(int mode)
{
    const QStringList filters = nameFilters();
    const int index = mode - 1;
    return index >= 0 && index < filters.size() ? filters.at(index) : filters.constLast();
}

QSize LinkBuilder::previewSize(int width, int height)
{
    if (width <= 0 || height <= 0)
        return {};
    QSize size(previewSide, previewSide);
    if (width > height)
        size.setHeight(qMax(1, int(std::lround(double(previewSide) * height / width))));
    else if (height > width)
        size.setWidth(qMax(1, int(std::lround(double(previewSide) * width / height))));
    return size;
}

} // namespace lumaro
