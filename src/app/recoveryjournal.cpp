#include "recoveryjournal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace lumaro {

namespace {

const QString kSuffix = QStringLiteral(".recovery");
// Larger files are not copies of a page this program could hold.
constexpr qint64 kMaxFileSize = qint64(1) << 30;

} // namespace

RecoveryJournal::RecoveryJournal(QString folder, ProcessIdentity self)
    : m_folder(std::move(folder))
    , m_self(std::move(self))
{
}

QString RecoveryJournal::defaultFolder()
{
    // The state directory of the XDG base directories; a relative value is
    // invalid there and is ignored like an unset one.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(state + QStringLiteral("/lumaro/recovery"));
}

QString RecoveryJournal::ownPrefix() const
{
    return QStringLiteral("%1-%2-").arg(m_self.pid).arg(m_self.startTicks);
}

QString RecoveryJournal::fileName(int slot) const
{
    return m_folder + QLatin1Char('/') + ownPrefix() + QString::number(slot) + kSuffix;
}

bool RecoveryJournal::ensureFolder(QString *error) const
{
    // The copies hold the user's unsaved text: nobody else may even list
    // them. The folder is made private, and one made open (by an earlier
    // version, or by hand) is narrowed.
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ExeOwner | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    const QFileInfo info(m_folder);
    if (info.exists() && !info.isDir()) {
        if (error)
            *error = QStringLiteral("Cannot create the folder %1.").arg(m_folder);
        return false;
    }
    if (!info.exists()) {
        const QString parent = QFileInfo(m_folder).absolutePath();
        if (!QDir().mkpath(parent) || !QDir().mkdir(m_folder, ownerOnly)) {
            if (error)
                *error = QStringLiteral("Cannot create the folder %1.").arg(m_folder);
            return false;
        }
        return true;
    }
    if ((info.permissions() & ~ownerOnly) != 0 && !QFile::setPermissions(m_folder, ownerOnly)) {
        if (error)
            *error = QStringLiteral("Cannot make the folder %1 private.").arg(m_folder);
        return false;
    }
    return true;
}

bool RecoveryJournal::write(int slot, const RecoveryRecord &record, QString *error) const
{
    if (!ensureFolder(error))
        return false;
    const QString name = fileName(slot);
    // QSaveFile writes through a link to its target; a link here was not
    // made by this program, so it goes and the copy takes its place.
    if (QFileInfo(name).isSymLink())
        QFile::remove(name);
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = record.encode();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

void RecoveryJournal::remove(int slot) const
{
    QFile::remove(fileName(slot));
}

void RecoveryJournal::removeAll() const
{
    const QDir dir(m_folder);
    const QStringList names = dir.entryList({ownPrefix() + QLatin1Char('*') + kSuffix}, QDir::Files | QDir::System);
    for (const QString &name : names)
        QFile::remove(dir.filePath(name));
}

RecoveryEntry RecoveryJournal::read(const QString &path)
{
    RecoveryEntry entry;
    entry.path = path;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        entry.error = QStringLiteral("The file is a link, not a recovery copy.");
        return entry;
    }
    if (!info.isFile()) {
        entry.error = QStringLiteral("The entry is not a file.");
        return entry;
    }
    entry.size = info.size();
    if (entry.size > kMaxFileSize) {
        entry.error = QStringLiteral("The file is too large to be a recovery copy.");
        return entry;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        entry.error = file.errorString();
        return entry;
    }
    const QByteArray bytes = file.read(kMaxFileSize + 1);
    RecoveryReadResult result = RecoveryRecord::decode(bytes);
    if (!result.ok) {
        entry.error = result.error;
        return entry;
    }
    entry.ok = true;
    entry.record = std::move(result.record);
    if (entry.record.hasFile)
        entry.diskChanged = !(DiskStamp::of(entry.record.pageName) == entry.record.disk);
    return entry;
}

QList<RecoveryEntry> RecoveryJournal::scan() const
{
    QList<RecoveryEntry> entries;
    const QDir dir(m_folder);
    const QStringList names =
        dir.entryList({QLatin1Char('*') + kSuffix}, QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString &name : names) {
        if (name.startsWith(ownPrefix()))
            continue;
        RecoveryEntry entry = read(dir.filePath(name));
        // Another instance still running keeps its copies to itself.
        if (entry.ok && (entry.record.owner == m_self || entry.record.owner.isRunning()))
            continue;
        entries.append(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const RecoveryEntry &a, const RecoveryEntry &b) {
        if (a.ok != b.ok)
            return a.ok; // the usable copies first, the skipped files after them
        return a.ok && a.record.savedAt < b.record.savedAt;
    });
    return entries;
}

} // namespace lumaro
