// The "upload" command: the project's published site sent to its server,
// for scripts. Standard output carries one line per file sent or deleted
// and nothing else; everything else goes to the error stream. No question
// is ever asked: an unknown server, a password login or a key that needs
// a passphrase end the run with status 1.
#include "clirunner.h"
#include "projectfile.h"
#include "projectpaths.h"
#include "sftpconnection.h"
#include "uploader.h"

#include <QFileInfo>

namespace lumaro::cli {

int CliRunner::runUpload(const CliOptions &options)
{
    const QString project = options.inputs.first();
    QByteArray image;
    QString why;
    if (!QFileInfo(project).isFile()) {
        error(project, QStringLiteral("no such file"));
        return 1;
    }
    if (!ProjectFile::read(project, &image, &why)) {
        error(project, why);
        return 1;
    }
    UploadJob job;
    job.projectFile = QFileInfo(project).absoluteFilePath();
    job.optionsFile = ProjectPaths::changeExtension(job.projectFile, QStringLiteral(".lmo"));
    job.pages = ProjectFile::records(image);
    job.settings = UploadSettings::read(job.optionsFile);
    job.dryRun = options.dryRun;
    job.deleteObsolete = options.deleteObsolete;
    if (!job.settings.isSet()) {
        error(project, QStringLiteral("the project has no upload settings (set them in Project preferences, Upload)"));
        return 1;
    }
    if (const QString problem = job.settings.problem(); !problem.isEmpty()) {
        error(project, problem);
        return 1;
    }
    if (job.settings.login == UploadSettings::Login::Password) {
        error(project, QStringLiteral("the project logs in with a password, which is never asked in batch; "
                                      "use the SSH agent or a key file"));
        return 1;
    }
    if (job.settings.login == UploadSettings::Login::Key
        && !SftpConnection::keyFileOpensWithoutPassphrase(job.settings.keyFile)) {
        error(job.settings.keyFile, QStringLiteral("the key file cannot be read without a passphrase, which is "
                                                   "never asked in batch; add the key to the SSH agent"));
        return 1;
    }

    UploadHooks hooks;
    hooks.fileDone = [this](const QString &line) {
        std::fputs((line + u'\n').toLocal8Bit().constData(), m_out);
        std::fflush(m_out);
    };
    const UploadReport report = Uploader::run(job, hooks);
    if (!report.ok) {
        error(project, report.error);
        return 1;
    }
    if (!report.obsolete.isEmpty() && !options.deleteObsolete)
        error(project, QStringLiteral("%1 remote %2 no longer published; --delete removes %3: %4")
                           .arg(report.obsolete.size())
                           .arg(report.obsolete.size() == 1 ? QStringLiteral("file is") : QStringLiteral("files are"),
                                report.obsolete.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                                report.obsolete.join(QStringLiteral(", "))));
    return 0;
}

} // namespace lumaro::cli
