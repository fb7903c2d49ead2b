// The checker on pages written for it: each problem with the right line,
// column and page position, and the outline of a page's shape.
#include "pagechecker.h"
#include "pagepositions.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

const char *const kPage = "<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>\r\n";
const char *const kEnd = "\r\n</body></html>\r\n";

QString page(const char *body) { return QString::fromUtf8(kPage) + QString::fromUtf8(body) + QString::fromUtf8(kEnd); }

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
