#include "uploadcontroller.h"
#include "interaction.h"
#include "pagehost.h"
#include "projectpaths.h"
#include "projectstate.h"
#include "sftpconnection.h"
#include "uploadprogressdialog.h"

#include <QAction>
#include <QDir>
#include <QEventLoop>
#include <QMenu>
#include <QThread>

namespace lumaro {

namespace {

const QString kLumaro = QStringLiteral("Lumaro");

QString passwordKey(const UploadSettings &s)
{
    return QStringLiteral("password %1@%2:%3").arg(s.user, s.host).arg(s.port);
}

QString passphraseKey(const UploadSettings &s)
{
    return QStringLiteral("key %1").arg(QDir::cleanPath(s.keyFile));
}

} // namespace

UploadController::UploadController(PageHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
    if (QAction *action = m_host.command(commandName()))
        connect(action, &QAction::triggered, this, &UploadController::upload);
    // The settings change in the project preferences: the Project menu
    // looks again each time it opens.
    if (QAction *menuAction = m_host.command(QStringLiteral("Project1"))) {
        if (QMenu *menu = menuAction->menu<QMenu *>())
            connect(menu, &QMenu::aboutToShow, this, &UploadController::updateEnabled);
    }
    updateEnabled();
}

void UploadController::updateEnabled()
{
    QAction *action = m_host.command(commandName());
    if (!action)
        return;
    const ProjectState *state = m_host.projectState();
    action->setEnabled(state && state->isOpen() && state->isSaved()
                       && UploadSettings::read(state->optionsFileName()).isSet());
}

QString UploadController::trustQuestion(const QString &hostName, const HostKey &key)
{
    return QStringLiteral("Lumaro has not connected to %1 before.\n\n"
                          "Its %2 key has the fingerprint\n%3\n\n"
                          "Compare it with the fingerprint your web host gives you. "
                          "Trust this server and upload?")
        .arg(hostName, key.type, key.fingerprint());
}

bool UploadController::askSecrets(UploadJob &job)
{
    const UploadSettings &s = job.settings;
    QWidget *window = m_host.hostWindow();
    if (s.login == UploadSettings::Login::Password) {
        const QString key = passwordKey(s);
        if (!m_secrets.contains(key)) {
            const std::optional<QString> answer = interaction().secret(
                window, kLumaro,
                QStringLiteral("Password of %1 at %2:").arg(s.user.isEmpty() ? QStringLiteral("your user") : s.user, s.host));
            if (!answer)
                return false;
            m_secrets.insert(key, *answer);
        }
        job.password = m_secrets.value(key);
    } else if (s.login == UploadSettings::Login::Key) {
        bool exists = false;
        if (SftpConnection::keyFileOpensWithoutPassphrase(s.keyFile, &exists))
            return true;
        if (!exists) {
            interaction().warning(window, kLumaro,
                                  QStringLiteral("The key file %1 does not exist.").arg(QDir::toNativeSeparators(s.keyFile)));
            return false;
        }
        const QString key = passphraseKey(s);
        if (!m_secrets.contains(key)) {
            const std::optional<QString> answer = interaction().secret(
                window, kLumaro, QStringLiteral("Passphrase of the key %1:").arg(QDir::toNativeSeparators(s.keyFile)));
            if (!answer)
                return false;
            m_secrets.insert(key, *answer);
        }
        job.passphrase = m_secrets.value(key);
    }
    return true;
}

bool UploadController::trustNewHost(const QString &hostName, const HostKey &key)
{
    const MessageRequest request{kLumaro, trustQuestion(hostName, key), QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Question, QMessageBox::No};
    return interaction().message(m_host.hostWindow(), request) == QMessageBox::Yes;
}

UploadReport UploadController::runWithProgress(const UploadJob &job)
{
    UploadProgressDialog dialog(job.settings.destination(), m_host.hostWindow());
    UploadProgressDialog *view = &dialog;
    UploadHooks hooks;
    // The upload runs on a thread of its own so the window stays alive;
    // what it shows and asks goes through this thread. The dialog outlives
    // the thread.
    hooks.progress = [view](const UploadProgress &p) {
        QMetaObject::invokeMethod(view, [view, p] { view->setProgress(p); }, Qt::QueuedConnection);
        return !view->cancelRequested();
    };
    hooks.trustNewHost = [this](const QString &name, const HostKey &key) {
        bool trusted = false;
        QMetaObject::invokeMethod(this, [&] { trusted = trustNewHost(name, key); }, Qt::BlockingQueuedConnection);
        return trusted;
    };
    UploadReport report;
    QThread *worker = QThread::create([&] { report = Uploader::run(job, hooks); });
    connect(worker, &QThread::finished, &dialog, [&dialog] { dialog.done(QDialog::Accepted); }, Qt::QueuedConnection);
    worker->start();
    dialog.exec();
    worker->wait();
    delete worker;
    return report;
}

void UploadController::upload()
{
    ProjectState *state = m_host.projectState();
    if (!state || !state->isOpen() || !state->isSaved())
        return;
    QWidget *window = m_host.hostWindow();
    UploadJob job;
    job.projectFile = state->path();
    job.optionsFile = state->optionsFileName();
    job.pages = state->records();
    job.settings = UploadSettings::read(job.optionsFile);
    if (const QString problem = job.settings.problem(); !problem.isEmpty()) {
        interaction().warning(window, kLumaro, problem + QStringLiteral(" See Project preferences, Upload."));
        return;
    }
    if (!askSecrets(job))
        return;
    UploadReport report = runWithProgress(job);
    if (report.ok && !report.obsolete.isEmpty()) {
        const MessageRequest request{
            kLumaro,
            QStringLiteral("These files on the server are no longer published:\n%1\n\nDelete them from the server?")
                .arg(report.obsolete.join(u'\n')),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No};
        if (interaction().message(window, request) == QMessageBox::Yes) {
            const QStringList sent = report.sent;
            job.deleteObsolete = true;
            report = runWithProgress(job);
            report.sent = sent + report.sent;
        }
    }
    finish(job, report);
}

void UploadController::finish(const UploadJob &job, const UploadReport &report)
{
    if (report.loginFailed) {
        // A wrong password or passphrase is asked again next time.
        m_secrets.remove(passwordKey(job.settings));
        m_secrets.remove(passphraseKey(job.settings));
    }
    const QString where = job.settings.host;
    if (report.ok) {
        QString text = report.sent.isEmpty() ? QStringLiteral("Nothing to upload: %1 is up to date").arg(where)
            : QStringLiteral("%1 %2 sent to %3").arg(report.sent.size())
                  .arg(report.sent.size() == 1 ? QStringLiteral("file") : QStringLiteral("files"), where);
        if (!report.deleted.isEmpty())
            text += QStringLiteral(", %1 deleted").arg(report.deleted.size());
        m_host.showStatus(text);
        return;
    }
    if (report.hostDeclined) {
        m_host.showStatus(QStringLiteral("Nothing uploaded"));
        return;
    }
    interaction().warning(m_host.hostWindow(), kLumaro, report.error);
}

} // namespace lumaro
