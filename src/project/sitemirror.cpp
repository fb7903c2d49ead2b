#include "sitemirror.h"
#include "projectpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lumaro {

namespace {

bool isInside(const QString &canonical, const QString &directory)
{
    return !canonical.isEmpty()
        && (canonical == directory || ProjectPaths::isBelow(canonical, directory));
}

} // namespace

SiteMirror::Plan SiteMirror::plan(const QString &root, const QString &target, const QString &excluded)
{
    Plan plan;
    const QString rootCanonical = QFileInfo(root).canonicalFilePath();
    const QString excludedCanonical = excluded.isEmpty() ? QString() : QFileInfo(excluded).canonicalFilePath();

    // Directory pairs (source, target), the root first, then level by level.
    QList<FileCopy> directories{{QDir::cleanPath(root), QDir::cleanPath(target)}};
    qsizetype levelStart = 0;
    for (int level = 1; level <= MaxLevels && levelStart < directories.size(); ++level) {
        const qsizetype levelEnd = directories.size();
        for (qsizetype d = levelStart; d < levelEnd; ++d) {
            const QString source = directories[d].source;
            const QString into = directories[d].target;
            const QFileInfoList entries = QDir(source).entryInfoList(
                QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name);
            for (const QFileInfo &info : entries) {
                if (info.fileName().startsWith(u'.'))
                    continue;
                if (!excludedCanonical.isEmpty() && isInside(info.canonicalFilePath(), excludedCanonical))
                    continue;
                const QString sub = into + u'/' + info.fileName();
                directories.append({info.filePath(), sub});
                plan.directories.append(sub);
            }
        }
        levelStart = levelEnd;
    }

    for (const FileCopy &dir : std::as_const(directories)) {
        const QFileInfoList entries = QDir(dir.source).entryInfoList(
            QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo &info : entries) {
            if (info.isSymLink()) {
                // A link is copied as the file it names, and only when that
                // file lies inside the root.
                if (!info.isFile() || !isInside(info.canonicalFilePath(), rootCanonical))
                    continue;
            } else if (!info.isFile()) {
                continue;
            }
            plan.files.append({info.filePath(), dir.target + u'/' + info.fileName()});
        }
    }
    return plan;
}

namespace {

// Opens target for writing in place: a link is removed rather than written
// through, a directory in the way is an error.
bool openTarget(QFile &out, QString *error)
{
    const QFileInfo existing(out.fileName());
    if (existing.isSymLink()) {
        QFile::remove(out.fileName());
    } else if (existing.isDir()) {
        if (error)
            *error = QStringLiteral("A directory of that name is in the way");
        return false;
    }
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}

bool failed(QFile &out, const QString &why, QString *error)
{
    if (error)
        *error = why;
    out.close();
    QFile::remove(out.fileName());
    return false;
}

} // namespace

bool SiteMirror::copyFile(const QString &source, const QString &target, QString *error)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    QFile out(target);
    if (!openTarget(out, error))
        return false;
    QByteArray buffer(1 << 18, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0)
            return failed(out, in.errorString(), error);
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n)
            return failed(out, out.errorString(), error);
    }
    if (!out.flush())
        return failed(out, out.errorString(), error);
    return true;
}

bool SiteMirror::writeFile(const QString &target, const QByteArray &bytes, QString *error)
{
    QFile out(target);
    if (!openTarget(out, error))
        return false;
    if (out.write(bytes) != bytes.size() || !out.flush())
        return failed(out, out.errorString(), error);
    return true;
}

} // namespace lumaro
