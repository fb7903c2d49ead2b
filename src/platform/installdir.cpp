#include "installdir.h"
#include "tregini.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace lumaro {

namespace {
QString g_seeded;
}

QString InstallDir::shippedDataDir()
{
    const QString fromEnv = qEnvironmentVariable("LUMARO_SOURCE_DATA_DIR");
    if (!fromEnv.isEmpty() && QFileInfo(fromEnv).isDir())
        return fromEnv;
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString installed = QDir(appDir).absoluteFilePath(QStringLiteral("../share/lumaro"));
    if (!appDir.isEmpty() && QFileInfo(installed).isDir())
        return QDir::cleanPath(installed);
#ifdef LUMARO_SOURCE_DATA_DIR
    if (QFileInfo(QStringLiteral(LUMARO_SOURCE_DATA_DIR)).isDir())
        return QStringLiteral(LUMARO_SOURCE_DATA_DIR);
#endif
    return {};
}

void InstallDir::seed(const QString &directory)
{
    const QString source = shippedDataDir();
    QDir().mkpath(directory);
    if (source.isEmpty())
        return;
    QDirIterator it(source, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    const QDir sourceDir(source);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString target = QDir(directory).filePath(sourceDir.relativeFilePath(from));
        if (QFileInfo::exists(target))
            continue;
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(from, target);
        // Shipped files may be read-only in the prefix; the user's copy is theirs.
        QFile(target).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                     | QFile::ReadOther);
    }
}

QString InstallDir::path()
{
    const QString configured = tregini().readinstalldir();
    if (!configured.isEmpty()) {
        QString dir = configured;
        while (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
            dir.chop(1);
        return dir;
    }
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString dir = QDir(dataHome).filePath(QStringLiteral("lumaro"));
    if (g_seeded != dir) {
        seed(dir);
        g_seeded = dir;
    }
    return dir;
}

QString InstallDir::file(const QString &name)
{
    QString n = name;
    while (n.startsWith(QLatin1Char('\\')) || n.startsWith(QLatin1Char('/')))
        n.remove(0, 1);
    return path() + QLatin1Char('/') + n;
}

void InstallDir::reset()
{
    g_seeded.clear();
}

} // namespace lumaro
