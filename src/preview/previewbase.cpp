#include "previewbase.h"

#include <QDir>
#include <QFileInfo>

namespace lumaro {

namespace {
QUrl directoryUrl(const QString &directory)
{
    QString path = QDir::cleanPath(QDir::fromNativeSeparators(directory));
    if (!path.endsWith(u'/'))
        path += u'/';
    return QUrl::fromLocalFile(path);
}
} // namespace

QUrl PreviewBase::baseUrl(const QString &pageFile, bool hasFile, const QString &projectRoot)
{
    if (hasFile && !pageFile.isEmpty()) {
        const QFileInfo info(pageFile);
        if (info.isAbsolute())
            return directoryUrl(info.absolutePath());
    }
    if (!projectRoot.isEmpty() && QFileInfo(projectRoot).isAbsolute())
        return directoryUrl(projectRoot);
    return {};
}

} // namespace lumaro
