// Publishing a generated site: 1,000 pages of about 10 KB in nested folders,
// each holding local paths under the root in double-quoted attributes, plus
// pictures. Compared with the shell floor of the same work: "cp -r" of the
// root followed by one "sed -i" pass rewriting the root path in every page.
#include "bench.h"
#include "projectfile.h"
#include "publisher.h"
#include "specialchars.h"
#include "tinifil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

using namespace lumaro;

namespace {

constexpr int kSections = 10;
constexpr int kParts = 10;
constexpr int kPagesPerPart = 10;
constexpr int kPictures = 60;

QString pagePath(int s, int p, int n)
{
    return QStringLiteral("sec%1/part%2/page%3.html")
        .arg(s, 2, 10, QLatin1Char('0'))
        .arg(p, 2, 10, QLatin1Char('0'))
        .arg(n, 2, 10, QLatin1Char('0'));
}

const char *const kWords[] = {"lorem", "ipsum", "dolor", "sit", "amet", "caf\xC3\xA9", "cr\xC3\xA8me",
                              "site", "page", "table", "image", "link", "anchor", "b\xC3\xB8rn", "na\xC3\xAFve"};

QByteArray generatePage(const QByteArray &root, QRandomGenerator &random)
{
    QByteArray page;
    page.reserve(11000);
    page += "<HTML>\r\n<HEAD><TITLE>Page</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n";
    while (page.size() < 10000) {
        page += "<P ALIGN=LEFT>";
        for (int w = 0; w < 40; ++w) {
            page += kWords[random.bounded(int(std::size(kWords)))];
            page += ' ';
        }
        page += "</P>\r\n";
        if (random.bounded(2) == 0) {
            const QString target = pagePath(random.bounded(kSections), random.bounded(kParts),
                                             random.bounded(kPagesPerPart));
            page += "<A HREF=\"" + root + '/' + target.toUtf8() + "\">next</A>\r\n";
        } else {
            page += "<IMG SRC=\"" + root + "/img/pic" + QByteArray::number(random.bounded(kPictures))
                + ".gif\" WIDTH=100 HEIGHT=50 BORDER=0>\r\n";
        }
    }
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

bool writeFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct Site {
    QString root;
    QString project;
    QString chars;
    QList<ProjectRecord> pages;
};

Site generateSite(const QString &base)
{
    Site site;
    site.root = base + QStringLiteral("/site/web");
    site.project = base + QStringLiteral("/site/web.lmp");
    site.chars = base + QStringLiteral("/spectags.dat");
    QRandomGenerator random(20240601);
    const QByteArray root = site.root.toUtf8();
    for (int s = 0; s < kSections; ++s)
        for (int p = 0; p < kParts; ++p)
            for (int n = 0; n < kPagesPerPart; ++n) {
                const QString file = site.root + u'/' + pagePath(s, p, n);
                writeFile(file, generatePage(root, random));
                site.pages.append({file, (s + p + n) % 7 == 0});
            }
    for (int i = 0; i < kPictures; ++i) {
        QByteArray picture(20000, Qt::Uninitialized);
        for (char &b : picture)
            b = static_cast<char>(random.bounded(256));
        picture.replace(0, 6, "GIF89a");
        writeFile(site.root + QStringLiteral("/img/pic%1.gif").arg(i), picture);
    }
    writeFile(site.project, ProjectFile::image(site.project, site.pages));
    writeFile(site.chars, SpecialChars::toBytes(SpecialChars::standardPairs()));
    tinifil options(site.project.left(site.project.size() - 4) + QStringLiteral(".lmo"));
    options.writeuseroot(true);
    options.writeroot(site.root);
    options.writeconvchar(true);
    return site;
}

double publishOnce(const Site &site, const QString &target, bool convChar, int *converted)
{
    QDir(target).removeRecursively();
    tinifil(site.project.left(site.project.size() - 4) + QStringLiteral(".lmo")).writeconvchar(convChar);
    Publisher::Job job;
    job.optionsFile = site.project.left(site.project.size() - 4) + QStringLiteral(".lmo");
    job.pages = site.pages;
    job.publishDirectory = target;
    job.specialCharsFile = site.chars;
    PublishReport report;
    const double t = bench::seconds([&] { report = Publisher::publish(job); });
    *converted = report.ok ? report.converted : -1;
    return t;
}

double shellFloorOnce(const Site &site, const QString &target)
{
    QDir(target).removeRecursively();
    QDir().mkpath(target);
    const QString copy = target + QStringLiteral("/web");
    const QString script = QStringLiteral("cp -r '%1' '%2' && find '%2' -name '*.html' -exec sed -i 's|%1||g' {} +")
                               .arg(site.root, copy);
    return bench::seconds([&] { QProcess::execute(QStringLiteral("bash"), {QStringLiteral("-c"), script}); });
}

} // namespace

LUMARO_BENCH("publish")
{
    QTemporaryDir dir;
    const Site site = generateSite(dir.path());
    const QString target = dir.path() + QStringLiteral("/published files");
    constexpr int kRuns = 3;
    double best = 1e9, bestPlain = 1e9, floor = 1e9;
    int converted = 0;
    // Alternate the runs so both see the same page-cache state.
    for (int run = 0; run < kRuns; ++run) {
        floor = std::min(floor, shellFloorOnce(site, target));
        best = std::min(best, publishOnce(site, target, true, &converted));
        bestPlain = std::min(bestPlain, publishOnce(site, target, false, &converted));
    }
    bench::report(QStringLiteral("pages published"), converted, QStringLiteral("n"));
    bench::report(QStringLiteral("shell floor: cp -r + sed -i on every page"), floor, QStringLiteral("s"));
    bench::report(QStringLiteral("publish, characters to entities on"), best, QStringLiteral("s"),
                  QStringLiteral("<= %1 s").arg(2 * floor, 0, 'f', 3));
    bench::report(QStringLiteral("publish, characters to entities off"), bestPlain, QStringLiteral("s"),
                  QStringLiteral("<= %1 s").arg(2 * floor, 0, 'f', 3));
    bench::report(QStringLiteral("publish / floor"), best / floor, QStringLiteral("x"), QStringLiteral("<= 2"));
}
