#include "uploadmanifest.h"
#include "remotepath.h"
#include "uploadsettings.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace lumaro {

namespace {

const QByteArray kHeader = "lumaro upload manifest 1";

bool isHex64(const QByteArray &text)
{
    return text.size() == 64
        && std::all_of(text.cbegin(), text.cend(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

} // namespace

QString UploadManifest::fileFor(const QString &projectFile, const UploadSettings &settings)
{
    const QString folder = RemotePath::normalizedFolder(settings.folder).value_or(settings.folder);
    const QString key = QFileInfo(projectFile).absoluteFilePath() + u'\n' + settings.user + u'@'
        + settings.host.trimmed() + u':' + QString::number(settings.port) + u'\n' + folder;
    const QByteArray digest = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/upload/")
        + QString::fromLatin1(digest) + QStringLiteral(".manifest");
}

UploadManifest UploadManifest::parse(const QByteArray &bytes)
{
    UploadManifest manifest;
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != kHeader)
        return manifest;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        // The path is last and may hold any character but a line break.
        const qsizetype t1 = line.indexOf('\t');
        const qsizetype t2 = t1 < 0 ? -1 : line.indexOf('\t', t1 + 1);
        const qsizetype t3 = t2 < 0 ? -1 : line.indexOf('\t', t2 + 1);
        if (t3 < 0)
            continue;
        ManifestEntry entry;
        entry.sha256 = line.left(t1);
        bool sizeOk = false;
        bool timeOk = false;
        entry.size = line.mid(t1 + 1, t2 - t1 - 1).toLongLong(&sizeOk);
        entry.modified = line.mid(t2 + 1, t3 - t2 - 1).toLongLong(&timeOk);
        const QString path = QString::fromUtf8(line.mid(t3 + 1));
        if (!isHex64(entry.sha256) || !sizeOk || !timeOk || entry.size < 0
            || !RemotePath::isSafeRelative(path))
            continue;
        manifest.entries.insert(path, entry);
    }
    return manifest;
}

QByteArray UploadManifest::serialize() const
{
    QStringList paths = entries.keys();
    std::sort(paths.begin(), paths.end());
    QByteArray out = kHeader + '\n';
    for (const QString &path : std::as_const(paths)) {
        const ManifestEntry &e = entries[path];
        out += e.sha256 + '\t' + QByteArray::number(e.size) + '\t' + QByteArray::number(e.modified) + '\t'
            + path.toUtf8() + '\n';
    }
    return out;
}

UploadManifest UploadManifest::load(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

bool UploadManifest::save(const QString &fileName, QString *error) const
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QSaveFile file(fileName);
    const QByteArray bytes = serialize();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace lumaro
