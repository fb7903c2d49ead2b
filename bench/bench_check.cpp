// Speed of the page check: checking 1 MB and 10 MB pages, filling the
// results panel included, and working out the outline of a 1 MB page. The
// pages are hand-written HTML as users write it: sections of headings,
// paragraphs, tables and lists, with a bare "&" and an unknown attribute in
// every section.
#include "bench.h"

#include "checkresultspanel.h"
#include "pagechecker.h"

namespace {

QString sectionedPage(qsizetype chars)
{
    QString page = QStringLiteral("<!DOCTYPE html>\r\n<html><head><title>Bench</title></head><body>\r\n");
    for (int n = 1; page.size() < chars; ++n) {
        page += QStringLiteral("<h2 id=\"s%1\">Section %1</h2>\r\n"
                               "<p>Text with <b>bold</b>, <i>italic</i> and a <a href=\"page%1.html\">link</a>, "
                               "written by AT&T for section %1.</p>\r\n"
                               "<table border=\"1\" bogus=\"x\"><tr><td>one</td><td>two</td></tr>\r\n"
                               "<tr><td>three</td><td>four</td></tr></table>\r\n"
                               "<ul><li>first</li><li>second</li></ul>\r\n")
                    .arg(n);
    }
    return page + QStringLiteral("</body></html>\r\n");
}

using lumaro::bench::report;
using lumaro::bench::seconds;

LUMARO_BENCH("check")
{
    for (const qsizetype mb : {1, 10}) {
        const QString page = sectionedPage(mb * 1024 * 1024);
        lumaro::CheckResult result;
        lumaro::CheckResultsPanel panel;
        const double time = seconds([&] {
            result = lumaro::PageChecker::check(page, lumaro::CheckLevels{true, true, true});
            panel.showResult(result, QStringLiteral("page.html"));
        });
        report(QStringLiteral("check %1 MB page, panel filled (%2 reports)").arg(mb).arg(result.problems.size()),
               time, QStringLiteral("s"), mb == 1 ? QStringLiteral("< 0.5 s") : QStringLiteral("< 5 s"));
        if (mb == 1) {
            QList<lumaro::OutlineEntry> outline;
            const double outlineTime = seconds([&] { outline = lumaro::PageChecker::outline(page); });
            report(QStringLiteral("outline of a 1 MB page (%1 entries)").arg(outline.size()), outlineTime,
                   QStringLiteral("s"), QStringLiteral("< 0.3 s"));
        }
    }
}

} // namespace
