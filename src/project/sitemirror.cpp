#include "sitemirror.h"
#include "projectpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

QString SiteMirror::resolvedPath(const QString &path)
{
    QString existing = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList rest;
    // Walks up to the nearest part that exists; a dangling link counts as
    // not existing, as nothing could be written through it yet.
    while (!QFileInfo::exists(existing)) {
        const qsizetype slash = existing.lastIndexOf(u'/');
        if (slash < 0)
            return QDir::cleanPath(path);
        rest.prepend(existing.mid(slash + 1));
        existing = slash == 0 ? QStringLiteral("/") : existing.left(slash);
    }
    QString resolved = QFileInfo(existing).canonicalFilePath();
    for (const QString &part : std::as_const(rest))
        resolved += (resolved.endsWith(u'/') ? QString() : QStringLiteral("/")) + part;
    return resolved;
}

bool SiteMirror::overlaps(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    return a == b || ProjectPaths::isBelow(a, b) || ProjectPaths::isBelow(b, a);
}

bool SiteMirror::makeDirectory(const QString &path)
{
    const QFileInfo existing(path);
    if (existing.isSymLink())
        QFile::remove(path);
    return QDir().mkpath(path);
}

namespace {

// Clears the way for a new file at target: a link is removed rather than
// written through, a directory in the way is an error.
bool clearTarget(const QString &target, QString *error)
{
    const QFileInfo existing(target);
    if (existing.isSymLink()) {
        QFile::remove(target);
    } else if (existing.isDir()) {
        if (error)
            *error = QStringLiteral("A directory of that name is in the way");
        return false;
    }
    return true;
}

// Gives a written copy the source's modification time and permissions; the
// time first, while the copy can still be opened for writing.
void keepAttributes(const QString &target, const QString &source, bool keepTime)
{
    const QFileInfo from(source);
    if (keepTime) {
        QFile copy(target);
        if (copy.open(QIODevice::ReadWrite | QIODevice::ExistingOnly)) {
            copy.setFileTime(from.lastModified(), QFileDevice::FileModificationTime);
            copy.close();
        }
    }
    QFile::setPermissions(target, from.permissions());
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
    if (!clearTarget(target, error))
        return false;
    // The copy is written beside the target and renamed over it.
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    QByteArray buffer(1 << 18, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), buffer.size());
        if (n < 0) {
            if (error)
                *error = in.errorString();
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n)
            break;
    }
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    keepAttributes(target, source, true);
    return true;
}

bool SiteMirror::writeFile(const QString &target, const QByteArray &bytes, QString *error,
                           const QString &source, bool keepTime)
{
    if (!clearTarget(target, error))
        return false;
    QSaveFile out(target);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly)) {
        if (error)
            *error = out.errorString();
        return false;
    }
    out.write(bytes);
    if (!out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    if (!source.isEmpty())
        keepAttributes(target, source, keepTime);
    return true;
}

} // namespace lumaro
