#include "mapfile.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace lumaro {

bool MapFile::save(const QString &fileName, const MapDocument &map, QString *error)
{
    QSaveFile file(fileName);
    const QByteArray bytes = MapMarkup::fileBytes(map);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(fileName), file.errorString());
        return false;
    }
    return true;
}

bool MapFile::load(const QString &fileName, MapReadResult *result, QString *error)
{
    QFile file(fileName);
    const QString shown = QDir::toNativeSeparators(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(shown, file.errorString());
        return false;
    }
    if (file.size() > maxBytes) {
        if (error)
            *error = QStringLiteral("%1 is too large to be a map file").arg(shown);
        return false;
    }
    *result = MapMarkup::readFile(file.read(maxBytes + 1));
    return true;
}

} // namespace lumaro
