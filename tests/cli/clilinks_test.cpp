// lumaro-cli links: one line per finding in the form of "check", and the
// exit status telling whether anything is broken.
#include "../check/linktestsite.h"
#include "httptestserver.h"
#include "projectfile.h"

#include <QEventLoop>
#include <QProcess>
#include <gtest/gtest.h>

using namespace lumaro::test;

namespace {

struct LinksRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs the command while this process's event loop keeps serving the test server.
LinksRun links(const QStringList &arguments)
{
    QProcess p;
    QEventLoop loop;
    QObject::connect(&p, &QProcess::finished, &loop, &QEventLoop::quit);
    p.start(QStringLiteral(LUMARO_CLI_PATH), QStringList{QStringLiteral("links")} + arguments);
    if (p.waitForStarted() && p.state() != QProcess::NotRunning)
        loop.exec();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString orphanNotes(const QString &root)
{
    QString notes;
    for (const char *file : {"Pics/Photo.JPG", "bl\xc3\xa5.gif", "empty/notes.txt", "my file.gif", "style.css"})
        notes += root + u'/' + QString::fromUtf8(file) + QStringLiteral(":1:1: note: no page refers to this file\n");
    return notes;
}

TEST(CliLinks, FolderLinesAndExitStatus)
{
    const QString root = makeLinkSite(QStringLiteral("cli-folder"));
    writeBytes(root + QStringLiteral("/index.html"),
               "<html><body>\r\n<img src=\"Logo.gif\">\r\n<a href=\"http://example.com/\">x</a>\r\n</body></html>\r\n");
    LinksRun r = links({root});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, root + QStringLiteral("/index.html:2:11: error: \"Logo.gif\" exists only as \"logo.gif\": "
                                           "the case differs, and the server tells them apart\n")
                         + root + QStringLiteral("/index.html:3:10: note: external link \"http://example.com/\" (not checked)\n")
                         + orphanNotes(root));

    writeBytes(root + QStringLiteral("/index.html"), "<img src=\"logo.gif\">");
    r = links({root + u'/'});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, orphanNotes(root));
}

TEST(CliLinks, ProjectWithExternalAddressesAsked)
{
    HttpTestServer server;
    const QString root = makeLinkSite(QStringLiteral("cli-project"));
    const QString page = root + QStringLiteral("/index.html");
    writeBytes(page, "<a href=\"" + server.url("/found").toUtf8() + "\">f</a>\n<a href=\"" + server.url("/missing").toUtf8()
                         + "\">m</a><img src=logo.gif>");
    const QString project = root + QStringLiteral("/site.lmp");
    QString error;
    ASSERT_TRUE(lumaro::ProjectFile::write(project, lumaro::ProjectFile::image(project, {{page, true}}), &error));

    LinksRun r = links({project, QStringLiteral("--external")});
    EXPECT_EQ(r.exitCode, 1) << qPrintable(r.err);
    const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), page + QStringLiteral(":2:10: error: external link \"%1\" answers 404 Not Found")
                                        .arg(server.url("/missing")));
    EXPECT_FALSE(r.out.contains(QStringLiteral("/found")));

    r = links({project});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(page + QStringLiteral(":1:10: note: external link"))) << qPrintable(r.out);
}

TEST(CliLinks, UsageErrors)
{
    const QString root = makeLinkSite(QStringLiteral("cli-usage"));
    EXPECT_EQ(links({}).exitCode, 2);
    EXPECT_EQ(links({root, root}).exitCode, 2);
    EXPECT_EQ(links({root, QStringLiteral("-o"), root + QStringLiteral("/out.txt")}).exitCode, 2);
    EXPECT_EQ(links({root, QStringLiteral("--bogus")}).exitCode, 2);
    const LinksRun missing = links({root + QStringLiteral("/none.lmp")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no such project or folder"))) << qPrintable(missing.err);
    writeBytes(root + QStringLiteral("/short.lmp"), "");
    EXPECT_EQ(links({root + QStringLiteral("/short.lmp")}).exitCode, 0);
}

} // namespace
