// Uploading a generated site of 1,000 pages (about 10 MB in nested folders)
// to a real OpenSSH server on 127.0.0.1, side by side in one run with
// "rsync -a -e ssh" of the same tree to the same server; then an upload
// with nothing changed.
#include "bench.h"
#include "publisher.h"
#include "sshserver.h"
#include "tinifil.h"
#include "uploader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

using namespace lumaro;

namespace {

constexpr int kSections = 10;
constexpr int kParts = 10;
constexpr int kPages = 10;

bool writeFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray page(QRandomGenerator &random)
{
    static const char *const words[] = {"lorem", "ipsum", "dolor", "sit", "amet", "site", "page", "table",
                                        "image", "link", "anchor", "upload", "server", "folder"};
    QByteArray text = "<HTML>\r\n<HEAD><TITLE>Page</TITLE></HEAD>\r\n<BODY>\r\n";
    while (text.size() < 10000) {
        text += "<P>";
        for (int w = 0; w < 30; ++w) {
            text += words[random.bounded(int(std::size(words)))];
            text += ' ';
        }
        text += "</P>\r\n";
    }
    return text + "</BODY>\r\n</HTML>\r\n";
}

UploadJob jobFor(const QString &base, const test::SshServer &server)
{
    UploadJob job;
    job.projectFile = base + QStringLiteral("/web.lmp");
    job.optionsFile = base + QStringLiteral("/web.lmo");
    job.settings.host = QStringLiteral("127.0.0.1");
    job.settings.port = server.port();
    job.settings.folder = base + QStringLiteral("/remote-lumaro");
    job.settings.login = UploadSettings::Login::Key;
    job.settings.keyFile = server.clientKey();
    job.publishDirectory = base + QStringLiteral("/published");
    job.manifestFile = base + QStringLiteral("/upload.manifest");
    job.knownHostsFiles = {base + QStringLiteral("/known_hosts")};
    return job;
}

} // namespace

LUMARO_BENCH("upload")
{
    if (!test::SshServer::available()) {
        std::printf("  sshd is not installed: skipped\n");
        return;
    }
    QTemporaryDir dir;
    const QString base = dir.path();
    test::SshServer server(base + QStringLiteral("/server"));
    if (!server.start()) {
        std::printf("  sshd did not start: %s\n", qPrintable(server.error()));
        return;
    }
    QRandomGenerator random(20261209);
    const QString root = base + QStringLiteral("/web");
    qint64 bytes = 0;
    for (int s = 0; s < kSections; ++s)
        for (int p = 0; p < kParts; ++p)
            for (int n = 0; n < kPages; ++n) {
                const QByteArray text = page(random);
                bytes += text.size();
                writeFile(QStringLiteral("%1/sec%2/part%3/page%4.html").arg(root).arg(s).arg(p).arg(n), text);
            }
    writeFile(base + QStringLiteral("/known_hosts"), server.knownHostsLine().toUtf8() + '\n');
    tinifil options(base + QStringLiteral("/web.lmo"));
    options.writeuseroot(true);
    options.writeroot(root);
    options.writeconvchar(false);
    const UploadJob job = jobFor(base, server);
    Publisher::Job publish;
    publish.optionsFile = job.optionsFile;
    publish.publishDirectory = job.publishDirectory;
    Publisher::publish(publish);
    const QString published = job.publishDirectory + QStringLiteral("/web");

    // rsync over the same server, with the same key and host check.
    double rsyncTime = -1;
    if (!QStandardPaths::findExecutable(QStringLiteral("rsync")).isEmpty()) {
        const QString ssh = QStringLiteral("ssh -p %1 -i %2 -o UserKnownHostsFile=%3 -o StrictHostKeyChecking=yes "
                                           "-o BatchMode=yes -F /dev/null")
                                .arg(server.port()).arg(server.clientKey(), base + QStringLiteral("/known_hosts"));
        QProcess rsync;
        rsyncTime = bench::seconds([&] {
            rsync.start(QStringLiteral("rsync"), {QStringLiteral("-a"), QStringLiteral("-e"), ssh, published + u'/',
                                                  QStringLiteral("127.0.0.1:%1/remote-rsync/").arg(base)});
            rsync.waitForFinished(600000);
        });
        if (rsync.exitCode() != 0) {
            std::printf("  rsync failed: %s\n", rsync.readAllStandardError().constData());
            rsyncTime = -1;
        }
    }

    UploadReport first;
    const double firstTime = bench::seconds([&] { first = Uploader::run(job); });
    if (!first.ok) {
        std::printf("  upload failed: %s\n", qPrintable(first.error));
        return;
    }
    UploadReport again;
    const double againTime = bench::seconds([&] { again = Uploader::run(job); });

    bench::report(QStringLiteral("pages in the site"), double(first.sent.size()), QStringLiteral("n"));
    bench::report(QStringLiteral("bytes in the site"), bytes / 1048576.0, QStringLiteral("MiB"));
    if (rsyncTime > 0)
        bench::report(QStringLiteral("rsync -a -e ssh, first copy"), rsyncTime, QStringLiteral("s"));
    bench::report(QStringLiteral("upload, first (all files)"), firstTime, QStringLiteral("s"),
                  rsyncTime > 0 ? QStringLiteral("<= %1 s").arg(2 * rsyncTime, 0, 'f', 3) : QString());
    if (rsyncTime > 0)
        bench::report(QStringLiteral("upload / rsync"), firstTime / rsyncTime, QStringLiteral("x"), QStringLiteral("<= 2"));
    bench::report(QStringLiteral("upload, nothing changed (%1 sent)").arg(again.sent.size()), againTime,
                  QStringLiteral("s"), QStringLiteral("< 1 s"));
}
