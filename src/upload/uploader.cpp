#include "uploader.h"
#include "installdir.h"
#include "publishedtree.h"
#include "publisher.h"
#include "remotepath.h"
#include "sftpconnection.h"
#include "sitemirror.h"
#include "uploadmanifest.h"
#include "uploadplan.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QMutex>
#include <QSet>
#include <memory>
#include <numeric>
#include <thread>
#include <vector>

namespace lumaro {

bool Uploader::isStale(const SiteMirror::Plan &plan)
{
    for (const SiteMirror::FileCopy &copy : plan.files) {
        const QFileInfo copied(copy.target);
        if (!copied.exists() || QFileInfo(copy.source).lastModified() > copied.lastModified())
            return true;
    }
    return false;
}

namespace {

// Connections of a large upload.
constexpr int kLanes = 3;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

/// One upload from start to end.
class UploadRun {
public:
    UploadRun(const UploadJob &job, const UploadHooks &hooks)
        : m_job(job), m_hooks(hooks)
    {
    }

    UploadReport run();

private:
    bool fail(const QString &message)
    {
        m_report.error = message;
        return false;
    }
    bool publishFirst(QString *site);
    bool checkHostKey();
    bool authenticate(SftpConnection &c);
    bool logIn();
    bool prepareFolder();
    bool listRemote(const PublishedTree &tree);
    bool send(const UploadPlan &plan);
    bool place(SftpConnection &c, const QString &temporary, const QString &relative, QString *why);
    std::unique_ptr<SftpConnection> openLane(const HostKey &key);
    bool removeObsolete(const UploadPlan &plan);
    bool stopAt(const QString &relative, const QString &reason);
    void saveManifest(bool now);
    bool report(const UploadProgress &progress)
    {
        return !m_hooks.progress || m_hooks.progress(progress);
    }
    void done(const QString &verb, const QString &relative)
    {
        if (m_hooks.fileDone)
            m_hooks.fileDone(verb + u' ' + relative);
    }

    const UploadJob &m_job;
    const UploadHooks &m_hooks;
    UploadReport m_report;
    SftpConnection m_connection;
    SiteMirror::Plan m_mirror; ///< the copy publishing makes of the root
    QString m_folder;
    bool m_folderExists = true;
    RemoteListing m_remote;
    QStringList m_strayTemporaries;
    UploadManifest m_manifest;
    QString m_manifestFile;
    bool m_manifestChanged = false;
    QElapsedTimer m_sinceSave;
};

bool UploadRun::publishFirst(QString *site)
{
    const QString publishDir = QDir::cleanPath(m_job.publishDirectory.isEmpty()
        ? InstallDir::file(QStringLiteral("published files")) : m_job.publishDirectory);
    QString root;
    *site = Publisher::publishedSite(m_job.optionsFile, publishDir, &root);
    if (site->isEmpty())
        return fail(QStringLiteral("The project uses no standard root, so there is no published site to upload."));
    if (!QFileInfo(root).isDir())
        return fail(QStringLiteral("The project root %1 is not a folder.").arg(native(root)));
    // The copy publishing makes now: what the site is, and whether the
    // published folder is behind it.
    m_mirror = SiteMirror::plan(root, *site, publishDir);
    if (!Uploader::isStale(m_mirror))
        return true;
    Publisher::Job publish;
    publish.optionsFile = m_job.optionsFile;
    publish.pages = m_job.pages;
    publish.publishDirectory = publishDir;
    const PublishReport published = Publisher::publish(publish);
    if (!published.ok)
        return fail(published.error);
    if (!published.problems.isEmpty())
        return fail(QStringLiteral("Publishing before the upload failed; nothing was uploaded.\n")
                    + published.problems.join(u'\n'));
    m_report.published = true;
    return true;
}

bool UploadRun::checkHostKey()
{
    const HostKey key = m_connection.serverKey();
    const QString name = m_job.settings.knownHostsName();
    if (key.base64.isEmpty())
        return fail(QStringLiteral("The server %1 offered no host key.").arg(name));
    const QStringList files = m_job.knownHostsFiles.isEmpty() ? KnownHosts::files() : m_job.knownHostsFiles;
    const HostKeyVerdict verdict = KnownHosts::check(files, name, key);
    switch (verdict.status) {
    case HostKeyVerdict::Status::Known:
        return true;
    case HostKeyVerdict::Status::Revoked:
        m_report.hostKeyRefused = true;
        return fail(QStringLiteral("The %1 key of %2 (%3) is marked as revoked in %4, line %5. Nothing was uploaded.")
                        .arg(key.type, name, key.fingerprint(), native(verdict.file)).arg(verdict.line));
    case HostKeyVerdict::Status::Changed:
        m_report.hostKeyRefused = true;
        return fail(QStringLiteral("The host key of %1 has changed. Nothing was uploaded.\n\n"
                                   "Stored key (%2, line %3): %4\n"
                                   "Key offered now: %5 %6\n\n"
                                   "Someone may be posing as the server. If the server's key was really "
                                   "replaced, remove the old entry and upload again:\n%7")
                        .arg(name, native(verdict.file)).arg(verdict.line)
                        .arg(verdict.storedFingerprint, key.type, key.fingerprint(),
                             KnownHosts::removeCommand(verdict.file, name)));
    case HostKeyVerdict::Status::Unknown:
        break;
    }
    if (!m_hooks.trustNewHost) {
        m_report.unknownHost = true;
        return fail(QStringLiteral("The server %1 is not known: its %2 key has the fingerprint %3. "
                                   "Nothing was uploaded. To trust it, add this line to %4:\n%5")
                        .arg(name, key.type, key.fingerprint(), native(KnownHosts::userFile()),
                             KnownHosts::entryLine(name, key)));
    }
    if (!m_hooks.trustNewHost(name, key)) {
        m_report.cancelled = true;
        m_report.hostDeclined = true;
        return fail(QStringLiteral("The server's key was not trusted; nothing was uploaded."));
    }
    const QString own = m_job.trustedHostsFile.isEmpty() ? KnownHosts::ownFile() : m_job.trustedHostsFile;
    QString why;
    if (!KnownHosts::add(own, name, key, &why))
        return fail(QStringLiteral("Cannot write %1: %2").arg(native(own), why));
    return true;
}

bool UploadRun::authenticate(SftpConnection &c)
{
    const UploadSettings &s = m_job.settings;
    switch (s.login) {
    case UploadSettings::Login::Agent:
        return c.loginWithAgent();
    case UploadSettings::Login::Key:
        return c.loginWithKey(s.keyFile, m_job.passphrase);
    case UploadSettings::Login::Password:
        return c.loginWithPassword(m_job.password);
    }
    return false;
}

bool UploadRun::logIn()
{
    if (authenticate(m_connection))
        return true;
    m_report.loginFailed = true;
    const UploadSettings &s = m_job.settings;
    const QString who = s.user.isEmpty() ? s.host : s.user + u'@' + s.host;
    return fail(QStringLiteral("Cannot log in to %1: %2.").arg(who, m_connection.error()));
}

bool UploadRun::prepareFolder()
{
    if (m_folder.isEmpty())
        return true;
    // Each missing folder on the way is created; in a dry run the folder
    // only counts as empty.
    const bool absolute = m_folder.startsWith(u'/');
    const QStringList pieces = m_folder.split(u'/', Qt::SkipEmptyParts);
    QString path = absolute ? QStringLiteral("/") : QString();
    for (const QString &piece : pieces) {
        path = path.isEmpty() ? piece : (path.endsWith(u'/') ? path + piece : path + u'/' + piece);
        if (!m_folderExists)
            continue;
        const std::optional<RemoteEntry> entry = m_connection.entryAt(path);
        if (m_connection.connectionLost())
            return fail(m_connection.error());
        if (!entry) {
            m_folderExists = false;
        } else if (entry->kind == RemoteEntry::Kind::File || entry->kind == RemoteEntry::Kind::Other) {
            return fail(QStringLiteral("The remote folder %1 is not a folder on the server.").arg(path));
        }
    }
    if (m_folderExists || m_job.dryRun)
        return true;
    path = absolute ? QStringLiteral("/") : QString();
    for (const QString &piece : pieces) {
        path = path.isEmpty() ? piece : (path.endsWith(u'/') ? path + piece : path + u'/' + piece);
        if (!m_connection.entryAt(path) && !m_connection.makeDirectory(path))
            return fail(m_connection.error());
    }
    m_folderExists = true;
    return true;
}

bool UploadRun::listRemote(const PublishedTree &tree)
{
    if (!m_folderExists)
        return true;
    // Only the folders of the site and of the manifest are read: the rest
    // of the server's folder is none of the upload's business.
    QSet<QString> wanted(tree.directories.cbegin(), tree.directories.cend());
    for (auto it = m_manifest.entries.cbegin(); it != m_manifest.entries.cend(); ++it) {
        for (QString dir = RemotePath::parentOf(it.key()); !dir.isEmpty(); dir = RemotePath::parentOf(dir))
            wanted.insert(dir);
    }
    QStringList queue{QString()};
    for (qsizetype i = 0; i < queue.size(); ++i) {
        const QString dir = queue[i];
        QList<QPair<QString, RemoteEntry>> entries;
        if (!m_connection.list(RemotePath::join(m_folder, dir), &entries))
            return fail(m_connection.error());
        for (const auto &[name, entry] : std::as_const(entries)) {
            const QString relative = dir.isEmpty() ? name : dir + u'/' + name;
            if (entry.kind == RemoteEntry::Kind::File && RemotePath::isTemporaryName(name)) {
                m_strayTemporaries.append(relative);
                continue;
            }
            m_remote.insert(relative, entry);
            if (entry.kind == RemoteEntry::Kind::Directory && wanted.contains(relative))
                queue.append(relative);
        }
    }
    return true;
}

void UploadRun::saveManifest(bool now)
{
    if (!m_manifestChanged || (!now && m_sinceSave.isValid() && m_sinceSave.elapsed() < 2000))
        return;
    QString why;
    if (m_manifest.save(m_manifestFile, &why))
        m_manifestChanged = false;
    m_sinceSave.start();
}

bool UploadRun::stopAt(const QString &relative, const QString &reason)
{
    saveManifest(true);
    const int sent = int(m_report.sent.size());
    return fail(QStringLiteral("The upload stopped at %1: %2\n%3 %4 sent before it; the next upload goes on from there.")
                    .arg(relative, reason).arg(sent).arg(sent == 1 ? QStringLiteral("file was") : QStringLiteral("files were")));
}

bool UploadRun::place(SftpConnection &c, const QString &temporary, const QString &relative, QString *why)
{
    const QString target = RemotePath::join(m_folder, relative);
    if (!m_remote.contains(relative)) {
        if (c.rename(temporary, target))
            return true;
        *why = c.error();
        return false;
    }
    // SFTP as OpenSSH serves it renames only onto a free name, and libssh
    // has no call for the server's atomic replace. So the old file moves
    // aside under a temporary name, the new one takes its name and the old
    // one goes: a reader finds the old file, for a moment none, then the
    // new one, never a part of one. A stop in between leaves both under
    // temporary names, which the next upload removes before sending again.
    const QString aside = RemotePath::join(
        m_folder, RemotePath::temporaryFor(relative, QRandomGenerator::system()->generate64()));
    if (!c.rename(target, aside)) {
        *why = c.error();
        return false;
    }
    if (!c.rename(temporary, target)) {
        *why = c.error();
        // The old file goes back; if even that fails, the next upload
        // sends the file again.
        if (!c.connectionLost())
            c.rename(aside, target);
        return false;
    }
    c.removeFile(aside);
    return true;
}

std::unique_ptr<SftpConnection> UploadRun::openLane(const HostKey &key)
{
    auto lane = std::make_unique<SftpConnection>();
    const UploadSettings &s = m_job.settings;
    // A further connection must reach the same server: the key checked
    // for the first one.
    if (!lane->connectTo(s.host.trimmed(), s.port, s.user) || lane->serverKey().base64 != key.base64
        || !authenticate(*lane) || !lane->startSftp())
        return nullptr;
    return lane;
}

bool UploadRun::send(const UploadPlan &plan)
{
    UploadProgress progress;
    progress.filesTotal = int(plan.send.size());
    progress.bytesTotal = plan.sendBytes;
    if (m_job.dryRun) {
        for (const LocalFile &file : plan.send) {
            m_report.sent.append(file.relative);
            done(QStringLiteral("sent"), file.relative);
        }
        return true;
    }

    // Each file costs the server a few answers in turn (open, write, close,
    // rename); a large upload goes over several connections at once so
    // their waits overlap. Small ones keep to one.
    std::vector<SftpConnection *> lanes{&m_connection};
    std::vector<std::unique_ptr<SftpConnection>> extra;
    const int wanted = plan.send.size() >= 60 ? kLanes : 1;
    const HostKey key = m_connection.serverKey();
    for (int i = 1; i < wanted; ++i) {
        if (auto lane = openLane(key)) {
            lanes.push_back(lane.get());
            extra.push_back(std::move(lane));
        }
    }

    QMutex lock;
    qsizetype next = 0;
    qint64 bytesDone = 0;
    std::vector<qint64> inFlight(lanes.size(), 0);
    bool stop = false;
    QString stopFile;
    QString stopReason;
    auto stopWith = [&](const QString &relative, const QString &reason, bool cancelled) {
        if (stop && !stopFile.isEmpty())
            return;
        stop = true;
        stopFile = relative;
        stopReason = reason;
        m_report.cancelled = cancelled;
    };
    auto show = [&](const QString &current) {
        progress.bytesDone = bytesDone + std::accumulate(inFlight.cbegin(), inFlight.cend(), qint64(0));
        progress.current = current;
        return report(progress);
    };

    auto run = [&](size_t laneIndex) {
        SftpConnection &c = *lanes[laneIndex];
        for (;;) {
            QMutexLocker locked(&lock);
            if (stop || next >= plan.send.size())
                return;
            const LocalFile &file = plan.send[next++];
            if (!show(file.relative)) {
                stopWith(file.relative, QStringLiteral("cancelled before it was sent."), true);
                return;
            }
            locked.unlock();

            QFile in(file.path);
            if (!in.open(QIODevice::ReadOnly)) {
                locked.relock();
                stopWith(file.relative, QStringLiteral("cannot read %1: %2").arg(native(file.path), in.errorString()), false);
                return;
            }
            const QString temporary = RemotePath::join(
                m_folder, RemotePath::temporaryFor(file.relative, QRandomGenerator::system()->generate64()));
            qint64 written = 0;
            QByteArray sha256;
            bool otherStopped = false;
            const bool ok = c.writeNewFile(temporary, in, [&](qint64 n) {
                QMutexLocker chunk(&lock);
                written = n;
                inFlight[laneIndex] = n;
                otherStopped = stop;
                return !stop && show(file.relative);
            }, &sha256);
            QString placeError;
            const bool placed = ok && place(c, temporary, file.relative, &placeError);
            if (!placed && !c.connectionLost())
                c.removeFile(temporary); // the half copy goes, where the connection allows it
            locked.relock();
            inFlight[laneIndex] = 0;
            if (!placed) {
                // A file given up because another connection stopped is not
                // the reason for stopping.
                if (!otherStopped)
                    stopWith(file.relative,
                             c.stopped() ? QStringLiteral("cancelled while it was sent.")
                                         : (!ok ? c.error() : placeError),
                             c.stopped());
                return;
            }
            bytesDone += file.size;
            ++progress.filesDone;
            m_manifest.entries.insert(file.relative, {written, file.modified, sha256});
            m_manifestChanged = true;
            m_report.sent.append(file.relative);
            done(QStringLiteral("sent"), file.relative);
            saveManifest(false);
        }
    };
    std::vector<std::thread> others;
    for (size_t i = 1; i < lanes.size(); ++i)
        others.emplace_back(run, i);
    run(0);
    for (std::thread &t : others)
        t.join();
    std::sort(m_report.sent.begin(), m_report.sent.end());
    if (stop)
        return stopAt(stopFile, stopReason);
    show(QString());
    return true;
}

bool UploadRun::removeObsolete(const UploadPlan &plan)
{
    for (const QString &relative : plan.remove) {
        if (!m_job.dryRun) {
            if (!m_connection.removeFile(RemotePath::join(m_folder, relative)))
                return stopAt(relative, m_connection.error());
            m_manifest.entries.remove(relative);
            m_manifestChanged = true;
        }
        m_report.deleted.append(relative);
        done(QStringLiteral("deleted"), relative);
    }
    return true;
}

UploadReport UploadRun::run()
{
    const UploadSettings &s = m_job.settings;
    if (const QString problem = s.problem(); !problem.isEmpty()) {
        fail(problem);
        return m_report;
    }
    m_folder = *RemotePath::normalizedFolder(s.folder);
    QString site;
    if (!publishFirst(&site))
        return m_report;
    PublishedTree tree = PublishedTree::scan(site);
    if (!tree.refused.isEmpty()) {
        fail(QStringLiteral("Nothing was uploaded: these names of the published site may not be sent:\n")
             + tree.refused.join(u'\n'));
        return m_report;
    }
    // Publishing replaces files but never removes any: what publishing the
    // site now makes is the site, and copies of files since removed from
    // the project root count as no longer published.
    const SiteMirror::Plan &mirror = m_mirror;
    QSet<QString> keptFiles;
    QSet<QString> keptDirectories;
    const QDir siteDir(site);
    for (const SiteMirror::FileCopy &copy : mirror.files)
        keptFiles.insert(siteDir.relativeFilePath(copy.target));
    for (const QString &d : mirror.directories)
        keptDirectories.insert(siteDir.relativeFilePath(d));
    tree.keepOnly(keptFiles, keptDirectories);
    m_manifestFile = m_job.manifestFile.isEmpty() ? UploadManifest::fileFor(m_job.projectFile, s) : m_job.manifestFile;
    m_manifest = UploadManifest::load(m_manifestFile);

    if (!m_connection.connectTo(s.host.trimmed(), s.port, s.user)) {
        fail(m_connection.error());
        return m_report;
    }
    if (!checkHostKey() || !logIn())
        return m_report;
    if (!m_connection.startSftp() ) {
        fail(m_connection.error());
        return m_report;
    }
    if (!prepareFolder() || !listRemote(tree))
        return m_report;

    UploadPlan plan = UploadPlanner::plan(tree, m_manifest, m_remote, m_job.deleteObsolete,
                                          [](const LocalFile &f) { return UploadPlanner::sha256Of(f.path); });
    if (!plan.refused.isEmpty()) {
        fail(QStringLiteral("Nothing was uploaded: the server's folder does not fit the published site:\n")
             + plan.refused.join(u'\n'));
        return m_report;
    }
    m_report.obsolete = plan.obsolete;
    if (!m_job.dryRun) {
        m_manifestChanged = plan.manifest.entries != m_manifest.entries;
        m_manifest = plan.manifest;
        for (const QString &temporary : std::as_const(m_strayTemporaries))
            m_connection.removeFile(RemotePath::join(m_folder, temporary));
        for (const QString &dir : std::as_const(plan.makeDirectories)) {
            if (!m_connection.makeDirectory(RemotePath::join(m_folder, dir))) {
                fail(m_connection.error());
                saveManifest(true);
                return m_report;
            }
        }
    }
    if (send(plan) && removeObsolete(plan))
        m_report.ok = true;
    if (!m_job.dryRun)
        saveManifest(true);
    return m_report;
}

} // namespace

UploadReport Uploader::run(const UploadJob &job, const UploadHooks &hooks)
{
    return UploadRun(job, hooks).run();
}

} // namespace lumaro
