// The link check over a site written for it: each kind of address, each
// finding, at the line and column where the address is written.
#include "linkchecker.h"
#include "linkscanner.h"
#include "linktestsite.h"
#include "directorytable.h"
#include "projectfile.h"
#include "projectpaths.h"
#include "tinifil.h"

#include <gtest/gtest.h>

using namespace lumaro;
using namespace lumaro::test;

namespace {

/// The findings for one file as "LINE:COLUMN: level: message" lines.
QStringList linesFor(const QList<CheckProblem> &problems, const QString &file)
{
    QStringList lines;
    for (const CheckProblem &p : problems)
        if (p.file == file)
            lines << QStringLiteral("%1:%2: %3: %4").arg(p.line).arg(p.column).arg(checkLevelName(p.level), p.message);
    return lines;
}

QList<CheckProblem> allFindings(const LinkReport &report)
{
    return report.problems + LinkChecker::uncheckedExternals(report.externals);
}

struct ReferenceCase {
    const char *label;
    const char *body;    ///< line 2 of index.html (UTF-8; written as Windows-1252 when cp1252)
    const char *at;      ///< where the finding points in the body; nullptr: no finding
    const char *finding; ///< "level: message"
    bool cp1252 = false;
};

class LinkReferences : public ::testing::TestWithParam<ReferenceCase> {};

TEST_P(LinkReferences, FoundWhereWritten)
{
    const ReferenceCase &c = GetParam();
    const QString root = makeLinkSite(QStringLiteral("refs-") + QString::fromLatin1(c.label));
    const QString body = QString::fromUtf8(c.body);
    const QByteArray bytes = "<html><body>\r\n"
        + (c.cp1252 ? body.toLatin1() : body.toUtf8()) + "\r\n</body></html>\r\n";
    const QString page = root + QStringLiteral("/index.html");
    writeBytes(page, bytes);

    LinkJob job = LinkJob::forFolder(root);
    const LinkReport report = LinkChecker::check(job);
    const QStringList lines = linesFor(allFindings(report), page);
    if (!c.at) {
        EXPECT_EQ(lines, QStringList()) << c.label;
        return;
    }
    const qsizetype column = body.indexOf(QString::fromUtf8(c.at));
    ASSERT_GE(column, 0) << c.at;
    EXPECT_EQ(lines, QStringList{QStringLiteral("2:%1: %2").arg(column + 1).arg(QString::fromUtf8(c.finding))});
}

const ReferenceCase kReferences[] = {
    {"AnchorFound", "<a href=\"sub/page.html\">p</a>", nullptr, ""},
    {"AnchorMissing", "<a href=\"nothere.html\">x</a>", "nothere", "error: missing file \"nothere.html\""},
    {"AreaMissing", "<map name=\"m\"><area href=gone.html></map>", "gone", "error: missing file \"gone.html\""},
    {"ImageWrongCase", "<img src=\"LOGO.gif\">", "LOGO",
     "error: \"LOGO.gif\" exists only as \"logo.gif\": the case differs, and the server tells them apart"},
    {"FolderWrongCase", "<img src='pics/Photo.JPG'>", "pics",
     "error: \"pics/Photo.JPG\" exists only as \"Pics/Photo.JPG\": the case differs, and the server tells them apart"},
    {"LowSrc", "<img src=\"logo.gif\" lowsrc=\"low.gif\">", "low.", "error: missing file \"low.gif\""},
    {"DynSrc", "<IMG DYNSRC=\"clip.avi\">", "clip", "error: missing file \"clip.avi\""},
    {"UseMapFound", "<img src=logo.gif usemap=\"#m\"><map name=\"m\"></map>", nullptr, ""},
    {"UseMapMissing", "<img src=logo.gif usemap=\"#none\"><map name=\"m\"></map>", "#none", "error: missing map \"#none\""},
    {"UseMapInOtherPage", "<img src=logo.gif usemap=\"sub/page.html#nav\">", nullptr, ""},
    {"BodyBackgroundUnquoted", "<body background=Pics/Photo.JPG bgcolor=white>", nullptr, ""},
    {"BodyBackgroundMissing", "<body background=Pics/bg.gif>", "Pics/bg", "error: missing file \"Pics/bg.gif\""},
    {"Frame", "<frame src=\"left.html\">", "left", "error: missing file \"left.html\""},
    {"IFrame", "<iframe src=\"in.html\"></iframe>", "in.html", "error: missing file \"in.html\""},
    {"FormAction", "<form action=\"send.cgi\"></form>", "send", "error: missing file \"send.cgi\""},
    {"LinkHref", "<link rel=stylesheet href=\"site.css\">", "site", "error: missing file \"site.css\""},
    {"ScriptSrc", "<script src=\"app.js\">var s = '<a href=\"no.html\">';</script>", "app", "error: missing file \"app.js\""},
    {"BgSound", "<bgsound src=\"tune.mid\">", "tune", "error: missing file \"tune.mid\""},
    {"Embed", "<embed src=\"movie.swf\">", "movie", "error: missing file \"movie.swf\""},
    {"InputImage", "<input type=image src=\"go.gif\">", "go.gif", "error: missing file \"go.gif\""},
    {"StyleAttribute", "<div style=\"background: url('nopic.gif') no-repeat\">x</div>", "nopic",
     "error: missing file \"nopic.gif\""},
    {"StyleAttributeEntityQuotes", "<td style=\"background:url(&quot;Pics/none.gif&quot;)\">", "&quot;Pics",
     "error: missing file \"Pics/none.gif\""},
    {"StyleElement", "<style>/* url(old.gif) */ body { background: url( nobg.gif ) }</style>", "nobg",
     "error: missing file \"nobg.gif\""},
    {"CommentSkipped", "<!-- <img src=\"gone.gif\"> --><img src=logo.gif>", nullptr, ""},
    {"EntityDecoded", "<a href=\"a&amp;b.html\">x</a>", nullptr, ""},
    {"EntityMissing", "<a href=\"a&#38;c.html\">x</a>", "a&#38;c", "error: missing file \"a&c.html\""},
    {"PercentDecoded", "<img src=\"my%20file.gif\">", nullptr, ""},
    {"PercentMissing", "<img src=\"my%20fil.gif\">", "my%20fil", "error: missing file \"my fil.gif\""},
    {"AnchorByName", "<a href=\"sub/page.html#top\">t</a>", nullptr, ""},
    {"AnchorById", "<a href=\"sub/page.html#part2\">t</a>", nullptr, ""},
    {"AnchorMissingInOtherPage", "<a href=\"sub/page.html#bottom\">t</a>", "sub/page.html#bottom",
     "error: missing anchor \"#bottom\" in \"sub/page.html\""},
    {"AnchorInSamePage", "<p id=\"here\"><a href=\"#here\">h</a>", nullptr, ""},
    {"AnchorMissingInSamePage", "<a name=\"top\"></a><a href=\"#nowhere\">h</a>", "#nowhere",
     "error: missing anchor \"#nowhere\""},
    {"FileUrlOutside", "<img src=\"file:///C:/My%20Documents/me.gif\">", "file:",
     "error: \"file:///C:/My%20Documents/me.gif\" is outside the site and will not be found once published"},
    {"DrivePathOutside", "<img src=\"C:\\My Documents\\me.gif\">", "C:",
     "error: \"C:\\My Documents\\me.gif\" is outside the site and will not be found once published"},
    {"AboveRootOutside", "<a href=\"../up.html\">u</a>", "../",
     "error: \"../up.html\" is outside the site and will not be found once published"},
    {"FolderWithIndex", "<a href=\"docs/\">d</a> <a href=docs>d</a>", nullptr, ""},
    {"FolderWithoutIndex", "<a href=\"empty/\">e</a>", "empty", "warning: folder \"empty/\" has no index page"},
    {"RootRelative", "<img src=\"/Pics/Photo.JPG\">", nullptr, ""},
    {"RootRelativeMissing", "<img src=\"/nope.gif\">", "/nope", "error: missing file \"nope.gif\""},
    {"QueryIgnored", "<a href=\"sub/page.html?x=1#top\">q</a>", nullptr, ""},
    {"OtherSchemesIgnored", "<a href=\"mailto:me@example.com\">m</a><a href=\"javascript:go()\">j</a>", nullptr, ""},
    {"ExternalListed", "<a href=\"http://example.com/a\">e</a>", "http:",
     "info: external link \"http://example.com/a\" (not checked)"},
    {"Windows1252Found", "<img src=\"bl\xc3\xa5.gif\">", nullptr, "", true},
    {"Windows1252Missing", "<img src=\"bl\xc3\xa6.gif\">", "bl", "error: missing file \"bl\xc3\xa6.gif\"", true},
};

INSTANTIATE_TEST_SUITE_P(Site, LinkReferences, ::testing::ValuesIn(kReferences),
                         [](const auto &info) { return std::string(info.param.label); });

// Addresses read through the project's root and directory table.
struct ProjectCase {
    const char *label;
    const char *page;    ///< the page below the root that holds the address
    const char *address; ///< ROOT stands for the root folder, OUT for a folder beside it
    bool rootWithSlash;  ///< the root option names the root with a "/" at its end
    const char *finding; ///< nullptr: none
};

class LinkProjectSettings : public ::testing::TestWithParam<ProjectCase> {};

TEST_P(LinkProjectSettings, ResolvedAsPublished)
{
    const ProjectCase &c = GetParam();
    const QString root = makeLinkSite(QStringLiteral("proj-") + QString::fromLatin1(c.label));
    const QString outside = TestSandbox::makeDir(QStringLiteral("out-") + QString::fromLatin1(c.label));
    writeSiteFile(outside, QStringLiteral("me.gif"));
    QString address = QString::fromUtf8(c.address);
    address.replace(QLatin1String("ROOT"), root).replace(QLatin1String("OUT"), outside);
    const QString page = root + u'/' + QString::fromUtf8(c.page);
    writeSiteFile(root, QString::fromUtf8(c.page), "<img src=\"" + address.toUtf8() + "\">");

    const QString project = TestSandbox::makeDir(QStringLiteral("lmp-") + QString::fromLatin1(c.label))
        + QStringLiteral("/site.lmp");
    QString error;
    ASSERT_TRUE(ProjectFile::write(project, ProjectFile::image(project, {{page, true}}), &error));
    tinifil options(ProjectPaths::changeExtension(project, QStringLiteral(".lmo")));
    options.writeuseroot(true);
    options.writeroot(c.rootWithSlash ? root + u'/' : root);
    writeBytes(ProjectPaths::changeExtension(project, QStringLiteral(".lmu")),
               DirectoryTable::encode({{root + QStringLiteral("/Pics"), QStringLiteral("http://www.example.dk/pics/")},
                                       {root + QStringLiteral("/Pics"), QStringLiteral("/images/")}}));

    const LinkReport report = LinkChecker::check(LinkJob::forProjectFile(project));
    EXPECT_EQ(report.pages, 1);
    QStringList expected;
    if (c.finding)
        expected << QStringLiteral("1:11: ") + QString::fromUtf8(c.finding).replace(QLatin1String("OUT"), outside);
    EXPECT_EQ(linesFor(report.problems, page), expected);
}

const ProjectCase kProjectCases[] = {
    {"RootPathInRootPage", "index.html", "ROOT/logo.gif", false, nullptr},
    {"RootPathInSubPage", "sub/p.html", "ROOT/logo.gif", false, nullptr},
    {"RootPathWithSlashInSubPage", "sub/p.html", "ROOT/logo.gif", true,
     "error: missing file \"sub/logo.gif\" (published as \"logo.gif\")"},
    {"RootPathMissing", "index.html", "ROOT/gone.gif", false, "error: missing file \"gone.gif\" (published as \"/gone.gif\")"},
    {"TableUrl", "sub/p.html", "http://www.example.dk/pics/Photo.JPG", false, nullptr},
    {"TableUrlMissing", "sub/p.html", "http://www.example.dk/pics/none.jpg", false, "error: missing file \"Pics/none.jpg\""},
    {"TableRootRelative", "index.html", "/images/Photo.JPG", false, nullptr},
    {"LocalPathOutside", "index.html", "OUT/me.gif", false,
     "error: \"OUT/me.gif\" is outside the site and will not be found once published"},
};

INSTANTIATE_TEST_SUITE_P(Project, LinkProjectSettings, ::testing::ValuesIn(kProjectCases),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(LinkChecker, OrphansAreNotes)
{
    const QString root = makeLinkSite(QStringLiteral("orphans"));
    writeBytes(root + QStringLiteral("/index.html"),
               "<a href=\"sub/page.html\">p</a><img src=\"Pics/Photo.JPG\"><a href=docs/>d</a>");
    const LinkReport report = LinkChecker::check(LinkJob::forFolder(root));
    QStringList notes;
    for (const CheckProblem &p : report.problems) {
        EXPECT_EQ(p.level, CheckLevel::Info) << qPrintable(p.message);
        notes << p.file.mid(root.size() + 1) + u' ' + p.message;
    }
    // Pages are where visitors come in; the other files need a page that names them.
    EXPECT_EQ(notes, (QStringList{QString::fromUtf8("bl\xc3\xa5.gif no page refers to this file"),
                                  QStringLiteral("empty/notes.txt no page refers to this file"),
                                  QStringLiteral("logo.gif no page refers to this file"),
                                  QStringLiteral("my file.gif no page refers to this file"),
                                  QStringLiteral("style.css no page refers to this file")}));
    EXPECT_EQ(report.pages, 4);
    EXPECT_EQ(report.summary(), QStringLiteral("0 errors, 0 warnings, 5 notes in 4 pages"));
}

TEST(LinkChecker, OpenPageTextAndPositionsInIt)
{
    const QString root = makeLinkSite(QStringLiteral("opentext"));
    const QString page = root + QStringLiteral("/index.html");
    writeBytes(page, "<p>on disk, nothing wrong</p>");
    LinkJob job = LinkJob::forFolder(root);
    // The editor's text stands for the page: its positions count one per line break.
    job.texts.insert(page, QStringLiteral("<p>\r\n\r\n<img  src=\"gone.gif\">"));
    const LinkReport report = LinkChecker::check(job);
    const QStringList lines = linesFor(report.problems, page);
    ASSERT_EQ(lines, QStringList{QStringLiteral("3:12: error: missing file \"gone.gif\"")});
    const CheckProblem &p = report.problems.first();
    EXPECT_EQ(p.position, 16);
    EXPECT_EQ(p.length, 8);
}

TEST(LinkChecker, ProjectPagesOutsideTheRootAndUnreadable)
{
    const QString root = makeLinkSite(QStringLiteral("outsidepages"));
    const QString other = TestSandbox::makeDir(QStringLiteral("elsewhere")) + QStringLiteral("/x.html");
    writeBytes(other, "<img src=gone.gif>");
    const QString project = root + QStringLiteral("/site.lmp");
    const QString missing = root + QStringLiteral("/missing.html");
    QString error;
    ASSERT_TRUE(ProjectFile::write(project, ProjectFile::image(project, {{other, false}, {missing, true},
                                                                         {root + QStringLiteral("/notes.txt"), false}}),
                                   &error));
    const LinkReport report = LinkChecker::check(LinkJob::forProjectFile(project));
    EXPECT_EQ(report.pages, 2);
    ASSERT_GE(report.problems.size(), 2);
    EXPECT_EQ(report.problems.at(0).file, other);
    EXPECT_EQ(report.problems.at(0).level, CheckLevel::Warning);
    EXPECT_TRUE(report.problems.at(0).message.startsWith(QStringLiteral("the page is not below the site's root")));
    EXPECT_EQ(report.problems.at(1).file, missing);
    EXPECT_TRUE(report.problems.at(1).message.startsWith(QStringLiteral("cannot be read: ")));
    EXPECT_EQ(LinkChecker::check(LinkJob::forProjectFile(root + QStringLiteral("/none.lmp"))).failure.isEmpty(), false);
}

TEST(LinkScanner, HostileTextScannedWithinBounds)
{
    const QString texts[] = {
        QString(), QStringLiteral("<"), QStringLiteral("<a href"), QStringLiteral("<a href="),
        QStringLiteral("<a href=\"x"), QStringLiteral("<!--"), QStringLiteral("<style>url("),
        QStringLiteral("<div style=\"url('x"), QStringLiteral("<img src=&#99999999999;>"),
        QStringLiteral("<a href=\"&#xD800;\">"), QStringLiteral("<a href=x").repeated(2000),
    };
    for (const QString &text : texts) {
        const PageLinks links = LinkScanner::scan(text);
        for (const PageReference &r : links.references) {
            EXPECT_GE(r.position, 0);
            EXPECT_LE(r.position + r.length, text.size());
        }
    }
}

} // namespace
