// The checker on pages written for it: each problem with the right line,
// column and page position, and the outline of a page's shape.
#include "pagechecker.h"
#include "pagepositions.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

const char *const kPage = "<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>\r\n";
const char *const kEnd = "\r\n</body></html>\r\n";

/// The page around body; "\u2400" in body stands for a NUL.
QString page(const char *body)
{
    return QString::fromUtf8(kPage) + QString::fromUtf8(body).replace(QChar(0x2400), QChar(0)) + QString::fromUtf8(kEnd);
}

/// The first problem whose message contains the text.
const CheckProblem *find(const CheckResult &r, const char *text)
{
    for (const CheckProblem &p : r.problems)
        if (p.message.contains(QString::fromUtf8(text)))
            return &p;
    return nullptr;
}

void dump(const CheckResult &r)
{
    for (const CheckProblem &p : r.problems)
        std::printf("%d:%d %s %s (pos %d)\n", p.line, p.column, qPrintable(checkLevelName(p.level)), qPrintable(p.message), p.position);
}

struct ProblemCase {
    const char *label;
    const char *body;     ///< the third line of the page onward
    const char *message;  ///< part of the report's text
    CheckLevel level;
    const char *at;       ///< the page text the report points at
};

class CheckProblems : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(CheckProblems, FoundWhereTheyAre)
{
    const ProblemCase &c = GetParam();
    const QString text = page(c.body);
    CheckLevels levels;
    levels.info = true;
    const CheckResult r = PageChecker::check(text, levels);
    const CheckProblem *p = find(r, c.message);
    if (!p)
        dump(r);
    ASSERT_NE(p, nullptr) << c.message;
    EXPECT_EQ(p->level, c.level);
    EXPECT_EQ(p->line, 3);
    const PagePositions map(text, PageChecker::kTabSize);
    EXPECT_TRUE(map.pageText().mid(p->position).startsWith(QString::fromUtf8(c.at)))
        << qPrintable(map.pageText().mid(p->position, 20));
}

const ProblemCase kProblems[] = {
    {"MissingEndTag", "<table><tr><td><b>a</td></tr></table>", "missing </b> before </td>", CheckLevel::Warning, "<b>a"},
    {"MissingEndTable", "<table><tr><td>a</td></tr>", "missing </table>", CheckLevel::Warning, "<table>"},
    {"UnknownAttribute", "<p bogus=\"1\">x</p>", "proprietary attribute \"bogus\"", CheckLevel::Warning, "<p bogus"},
    {"BareAmpersand", "<p>AT&T</p>", "unescaped & or unknown entity", CheckLevel::Warning, "&T"},
    {"AfterTab", "\t<p>AT&T</p>", "unescaped & or unknown entity", CheckLevel::Warning, "&T"},
    {"AfterTwoTabs", "a\t\tb <p>AT&T</p>", "unescaped & or unknown entity", CheckLevel::Warning, "&T"},
    {"AfterUtf8Letter", "<p>\xc3\xa6\xc3\xb8\xc3\xa5 AT&T</p>", "unescaped & or unknown entity", CheckLevel::Warning, "&T"},
    {"AfterLetterBeyondBmp", "<p>\xf0\x9f\x98\x80 AT&T</p>", "unescaped & or unknown entity", CheckLevel::Warning, "&T"},
    {"UnclosedQuote", "<p><a href=\"x.html>link</a></p>", "missing </a>", CheckLevel::Warning, "<a href"},
    {"AfterNul", "<p>a\u2400 <FOO>x</FOO></p>", "<foo> is not recognized", CheckLevel::Error, "<FOO>"},
    {"AfterNuls", "\u2400\u2400<p>\u2400<FOO>x</FOO></p>", "<foo> is not recognized", CheckLevel::Error, "<FOO>"},
    {"AmpersandAfterNul", "<p>\u2400AT&T</p>", "unescaped & or unknown entity", CheckLevel::Warning, "&T"},
};

INSTANTIATE_TEST_SUITE_P(Pages, CheckProblems, ::testing::ValuesIn(kProblems),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(PageChecker, CleanPageHasNoProblems)
{
    const CheckResult r = PageChecker::check(page("<p>Hello</p>"));
    dump(r);
    EXPECT_EQ(r.count(CheckLevel::Error), 0);
    EXPECT_EQ(r.count(CheckLevel::Warning), 0);
    EXPECT_EQ(r.summary(), QStringLiteral("0 errors, 0 warnings"));
}

} // namespace

namespace {

TEST(PageOutline, NestedTablesAndHeadings)
{
    const QString text = page("<h1>Intro <b>here</b></h1>\r\n"
                              "<table><tr><td>\r\n"
                              "  <table id=\"inner\"><tr><td><h2>Deep</h2></td></tr></table>\r\n"
                              "</td></tr></table>\r\n"
                              "<div><p><a name=\"top\">t</a></p><ul><li>x</li></ul></div>");
    const QList<OutlineEntry> outline = PageChecker::outline(text);
    QStringList seen;
    for (const OutlineEntry &e : outline)
        seen << QStringLiteral("%1%2@%3").arg(QString(e.depth * 2, QLatin1Char(' ')), e.label).arg(e.line);
    EXPECT_EQ(seen, (QStringList{"H1 Intro here@3", "TABLE@4", "  TABLE #inner@5", "    H2 Deep@5", "DIV@7",
                                 "  A \"top\"@7", "  UL@7"}));
    // Each entry points at its start tag.
    const PagePositions map(text, PageChecker::kTabSize);
    for (const OutlineEntry &e : outline)
        EXPECT_TRUE(map.pageText().mid(e.position).startsWith(QLatin1Char('<') + e.name.toLower()))
            << qPrintable(e.label);
    // The same outline comes with a check.
    EXPECT_EQ(PageChecker::check(text).outline.size(), outline.size());
}

TEST(PageChecker, ProblemRangeSelectsTheTag)
{
    const QString p = QStringLiteral("ab <td class=x>c <b\nd");
    EXPECT_EQ(PageChecker::problemRange(p, 3), std::make_pair(3, 12));  // at "<"
    EXPECT_EQ(PageChecker::problemRange(p, 8), std::make_pair(3, 12));  // inside the tag
    EXPECT_EQ(PageChecker::problemRange(p, 1), std::make_pair(1, 1));   // plain text
    EXPECT_EQ(PageChecker::problemRange(p, 17), std::make_pair(17, 2)); // unclosed: to the line end
    EXPECT_EQ(PageChecker::problemRange(p, 999), std::make_pair(17, 2)); // clamped into the unclosed tag
    EXPECT_EQ(PageChecker::problemRange(QString(), 5), std::make_pair(0, 0));
}

TEST(PageChecker, HostilePagesCheckedWithoutCrash)
{
    QByteArray junk(64 * 1024, '\0');
    quint32 seed = 12345;
    for (char &c : junk) {
        seed = seed * 1664525u + 1013904223u;
        c = char(seed >> 24);
    }
    const QString texts[] = {
        QString(),
        QString::fromLatin1(junk),
        QString::fromUtf8(junk),
        QString(20000, QLatin1Char('<')),
        QStringLiteral("<div>").repeated(5000),
        QStringLiteral("<p a=\"").repeated(3000),
    };
    for (const QString &text : texts) {
        const CheckResult r = PageChecker::check(text);
        const PagePositions map(text, PageChecker::kTabSize);
        for (const CheckProblem &p : r.problems) {
            EXPECT_GE(p.position, 0);
            EXPECT_LE(p.position, map.pageText().size());
        }
    }
}

TEST(PageChecker, SummaryCountsByKind)
{
    CheckResult r;
    r.problems = {{1, 1, CheckLevel::Error, {}, 0}, {1, 2, CheckLevel::Warning, {}, 1},
                  {1, 3, CheckLevel::Warning, {}, 2}, {1, 4, CheckLevel::Info, {}, 3}};
    EXPECT_EQ(r.summary(), QStringLiteral("1 error, 2 warnings, 1 note"));
}

} // namespace
