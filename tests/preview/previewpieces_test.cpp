#include "elementreport.h"
#include "previewbase.h"

#include <gtest/gtest.h>

namespace lumaro {
namespace {

struct BaseCase {
    const char *name;
    const char *pageFile;
    bool hasFile;
    const char *projectRoot;
    const char *expected;
};

class PreviewBaseTest : public ::testing::TestWithParam<BaseCase> {};

TEST_P(PreviewBaseTest, ResolvesAgainst)
{
    const BaseCase &c = GetParam();
    EXPECT_EQ(PreviewBase::baseUrl(QString::fromUtf8(c.pageFile), c.hasFile, QString::fromUtf8(c.projectRoot))
                  .toString()
                  .toStdString(),
              c.expected);
}

const BaseCase kBases[] = {
    {"SavedPage", "/home/u/site/index.html", true, "/home/u/root", "file:///home/u/site/"},
    {"SavedPageBlank", "/home/u/my site/a.html", true, "", "file:///home/u/my site/"},
    {"UntitledUsesRoot", "Untitled 1", false, "/home/u/root", "file:///home/u/root/"},
    {"UntitledRootSlash", "Untitled 1", false, "/home/u/root/", "file:///home/u/root/"},
    {"UntitledNoRoot", "Untitled 1", false, "", ""},
    {"RelativeRootIgnored", "Untitled 1", false, "root", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, PreviewBaseTest, ::testing::ValuesIn(kBases),
                         [](const auto &info) { return std::string(info.param.name); });

struct ReportCase {
    const char *name;
    const char *message;
    const char *tag;
    int index;
};

class ElementReportTest : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ElementReportTest, Parses)
{
    const ReportCase &c = GetParam();
    const ElementReport report = ElementReport::parse(QString::fromUtf8(c.message), QStringLiteral("tok"));
    EXPECT_EQ(report.tagName.toStdString(), c.tag);
    EXPECT_EQ(report.position, c.index);
}

const ReportCase kReports[] = {
    {"Report", "tok td 3", "td", 3},
    {"OtherToken", "tak td 3", "", -1},
    {"PageOwnLine", "hello world", "", -1},
    {"NegativeIndex", "tok td -1", "", -1},
    {"NoNumber", "tok td x", "", -1},
    {"ExtraWords", "tok td 3 4", "", -1},
};

INSTANTIATE_TEST_SUITE_P(Table, ElementReportTest, ::testing::ValuesIn(kReports),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace lumaro
