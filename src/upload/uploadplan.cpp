#include "uploadplan.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSet>
#include <algorithm>

namespace lumaro {

UploadPlan UploadPlanner::plan(const PublishedTree &tree, const UploadManifest &manifest,
                               const RemoteListing &remote, bool deleteObsolete, const Hasher &hash)
{
    UploadPlan plan;
    plan.manifest = manifest;
    plan.refused = tree.refused;

    for (const QString &dir : tree.directories) {
        const auto it = remote.constFind(dir);
        if (it == remote.cend())
            plan.makeDirectories.append(dir);
        else if (it->kind != RemoteEntry::Kind::Directory)
            plan.refused.append(QStringLiteral("\"%1\": the server holds a file or link of that name, not a folder").arg(dir));
    }

    QSet<QString> published;
    for (const LocalFile &file : tree.files) {
        published.insert(file.relative);
        const auto there = remote.constFind(file.relative);
        if (there != remote.cend() && there->kind == RemoteEntry::Kind::Directory) {
            plan.refused.append(QStringLiteral("\"%1\": the server holds a folder of that name").arg(file.relative));
            continue;
        }
        const auto known = manifest.entries.constFind(file.relative);
        bool sameHere = false;
        if (known != manifest.entries.cend() && known->size == file.size) {
            if (known->modified == file.modified) {
                sameHere = true;
            } else if (hash(file) == known->sha256) {
                // Touched but not changed: remember the new time.
                sameHere = true;
                plan.manifest.entries[file.relative].modified = file.modified;
            }
        }
        const bool sameThere = there != remote.cend() && there->kind == RemoteEntry::Kind::File
            && known != manifest.entries.cend() && there->size == known->size;
        if (sameHere && sameThere)
            continue;
        plan.send.append(file);
        plan.sendBytes += file.size;
    }

    QStringList gone;
    for (auto it = manifest.entries.cbegin(); it != manifest.entries.cend(); ++it) {
        if (published.contains(it.key()))
            continue;
        const auto there = remote.constFind(it.key());
        if (there == remote.cend() || there->kind != RemoteEntry::Kind::File) {
            gone.append(it.key()); // no longer on the server: nothing to remember
            continue;
        }
        if (deleteObsolete && there->size == it->size)
            plan.remove.append(it.key());
        else
            plan.obsolete.append(it.key());
    }
    for (const QString &path : std::as_const(gone))
        plan.manifest.entries.remove(path);
    std::sort(plan.remove.begin(), plan.remove.end());
    std::sort(plan.obsolete.begin(), plan.obsolete.end());
    return plan;
}

QByteArray UploadPlanner::sha256Of(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash sum(QCryptographicHash::Sha256);
    if (!sum.addData(&file))
        return {};
    return sum.result().toHex();
}

} // namespace lumaro
