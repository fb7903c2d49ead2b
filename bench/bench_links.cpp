// Speed of the link check: generated projects of 1,000 and 10,000 pages,
// 50 local addresses each (pages of other folders with anchors, pictures,
// root-relative style sheets, a few broken ones), read from disk.
#include "bench.h"

#include "linkchecker.h"
#include "projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kPagesPerFolder = 100;
constexpr int kPictures = 500;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QString pagePath(int n)
{
    return QStringLiteral("f%1/page%2.html").arg(n / kPagesPerFolder).arg(n);
}

// One page: its anchors, then 50 addresses of the site.
QByteArray page(int n, int pages)
{
    QByteArray text = "<html><head><link rel=stylesheet href=\"/site.css\"></head><body>\r\n";
    for (int a = 0; a < 5; ++a)
        text += "<h2 id=\"s" + QByteArray::number(a) + "\">Section</h2><a name=\"n" + QByteArray::number(a) + "\"></a>\r\n";
    for (int r = 1; r < 50; ++r) {
        const int other = (n * 7 + r * 13) % pages;
        if (r % 3 == 0)
            text += "<p><img src=\"../img/pic" + QByteArray::number((n + r) % kPictures) + ".gif\" alt=\"p\"></p>\r\n";
        else if (r % 11 == 0)
            text += "<p><a href=\"../" + pagePath(other).toUtf8() + "#gone\">broken anchor</a></p>\r\n";
        else
            text += "<p>See <a href=\"../" + pagePath(other).toUtf8() + "#s" + QByteArray::number(r % 5)
                + "\">page " + QByteArray::number(other) + "</a> for more.</p>\r\n";
    }
    return text + "</body></html>\r\n";
}

using lumaro::bench::report;
using lumaro::bench::seconds;

LUMARO_BENCH("links")
{
    for (const int pages : {1000, 10000}) {
        QTemporaryDir dir;
        const QString root = dir.path();
        QDir().mkpath(root + QStringLiteral("/img"));
        for (int p = 0; p < kPictures; ++p)
            writeFile(root + QStringLiteral("/img/pic%1.gif").arg(p), "GIF89a");
        writeFile(root + QStringLiteral("/site.css"), "body {}");
        QList<lumaro::ProjectRecord> records;
        for (int n = 0; n < pages; ++n) {
            if (n % kPagesPerFolder == 0)
                QDir().mkpath(root + QStringLiteral("/f%1").arg(n / kPagesPerFolder));
            const QString path = root + u'/' + pagePath(n);
            writeFile(path, page(n, pages));
            records.append({path, false});
        }
        const QString project = root + QStringLiteral("/site.lmp");
        lumaro::ProjectFile::write(project, lumaro::ProjectFile::image(project, records), nullptr);

        lumaro::LinkReport result;
        const double time = seconds([&] { result = lumaro::LinkChecker::check(lumaro::LinkJob::forProjectFile(project)); });
        report(QStringLiteral("links of %1 pages, %2 addresses (%3 errors)")
                   .arg(pages).arg(result.references).arg(result.count(lumaro::CheckLevel::Error)),
               time, QStringLiteral("s"), pages == 1000 ? QStringLiteral("< 1 s") : QStringLiteral("< 10 s"));
        if (pages == 10000)
            report(QStringLiteral("peak memory after the 10,000-page check"), lumaro::bench::peakResidentMb(),
                   QStringLiteral("MB"), QStringLiteral("< 300 MB"));
    }
}

} // namespace
