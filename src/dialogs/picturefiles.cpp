#include "picturefiles.h"
#include "imagereaders.h"

namespace lumaro {

namespace {
QString lowerExtension(const QString &path)
{
    const QString name = PictureFiles::fileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot).toLower();
}

/// "*.*" is every file; other patterns stay as written (the file dialog
/// matches them in any case).
QString plainPattern(const QString &pattern)
{
    return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
}
} // namespace

QString PictureFiles::fileName(const QString &path)
{
    const qsizetype cut = qMax(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}

bool PictureFiles::isGif(const QString &path) { return lowerExtension(path) == QLatin1String(".gif"); }

bool PictureFiles::isJpeg(const QString &path)
{
    const QString ext = lowerExtension(path);
    return ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg");
}

QSize PictureFiles::readSize(const QString &path)
{
    int width = 0;
    int height = 0;
    if (isGif(path)) {
        readGifSize(path, width, height);
    } else if (isJpeg(path)) {
        bool jfif = false;
        readJpegSize(path, width, height, jfif);
    }
    return {width, height};
}

QString PictureFiles::quoteSafe(const QString &text)
{
    QString out = text;
    return out.replace(u'"', QStringLiteral("%22"));
}

QStringList PictureFiles::nameFilters(const QString &pipeFilter)
{
    const QStringList parts = pipeFilter.split(u'|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        for (QString &p : patterns)
            p = plainPattern(p.trimmed());
        entries.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return entries;
}

} // namespace lumaro
