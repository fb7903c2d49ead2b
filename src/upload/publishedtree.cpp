#include "publishedtree.h"
#include "projectpaths.h"
#include "remotepath.h"

#include <QDir>
#include <QFileInfo>

namespace lumaro {

namespace {

constexpr int kMaxDepth = 100;

bool inside(const QString &path, const QString &root)
{
    return path == root || ProjectPaths::isBelow(path, root);
}

void walk(PublishedTree &tree, const QString &dir, const QString &prefix, const QString &root, int depth)
{
    const QFileInfoList entries = QDir(dir).entryInfoList(
        QDir::Dirs | QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    QList<QFileInfo> subdirectories;
    for (const QFileInfo &info : entries) {
        const QString relative = prefix + info.fileName();
        QString why;
        if (!RemotePath::isSafeRelative(relative, &why)) {
            tree.refused.append(why);
            continue;
        }
        if (info.isSymLink()) {
            // Where the link leads, links followed; a dangling link is judged
            // by the path it names.
            QString target = info.canonicalFilePath();
            if (target.isEmpty())
                target = QDir::cleanPath(QFileInfo(info.symLinkTarget()).absoluteFilePath());
            if (!inside(target, root)) {
                tree.refused.append(QStringLiteral("\"%1\": a link to %2, outside the published folder")
                                        .arg(relative, QDir::toNativeSeparators(target)));
                continue;
            }
            if (!info.isFile()) {
                tree.skipped.append(relative);
                continue;
            }
        } else if (info.isDir()) {
            subdirectories.append(info);
            continue;
        } else if (!info.isFile()) {
            tree.skipped.append(relative);
            continue;
        }
        tree.files.append({relative, info.filePath(), info.size(), info.lastModified().toMSecsSinceEpoch()});
        tree.totalBytes += info.size();
    }
    if (depth >= kMaxDepth)
        return;
    for (const QFileInfo &sub : std::as_const(subdirectories)) {
        const QString relative = prefix + sub.fileName();
        tree.directories.append(relative);
        walk(tree, sub.filePath(), relative + u'/', root, depth + 1);
    }
}

} // namespace

PublishedTree PublishedTree::scan(const QString &root)
{
    PublishedTree tree;
    const QString canonical = QFileInfo(root).canonicalFilePath();
    if (canonical.isEmpty()) {
        tree.refused.append(QStringLiteral("The published folder %1 does not exist.").arg(QDir::toNativeSeparators(root)));
        return tree;
    }
    walk(tree, canonical, QString(), canonical, 0);
    return tree;
}

void PublishedTree::keepOnly(const QSet<QString> &keptFiles, const QSet<QString> &keptDirectories)
{
    files.removeIf([&](const LocalFile &f) { return !keptFiles.contains(f.relative); });
    directories.removeIf([&](const QString &d) { return !keptDirectories.contains(d); });
    totalBytes = 0;
    for (const LocalFile &f : std::as_const(files))
        totalBytes += f.size;
}

} // namespace lumaro
