#include "commandline.h"

#include <cctype>
#include <gtest/gtest.h>

using lumaro::CommandLine;

namespace {

std::string testName(const char *text)
{
    std::string name;
    for (const char *c = text; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

struct ExtensionCase {
    const char *name;
    const char *expected;
};

class CommandLineExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(CommandLineExtension, TakesTheTextAfterTheLastDotOfTheFileNamePart)
{
    EXPECT_EQ(CommandLine::extension(QString::fromUtf8(GetParam().name)),
              QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Names, CommandLineExtension,
    ::testing::Values(ExtensionCase{"a.htm", "htm"}, ExtensionCase{"A.HTML", "html"},
                      ExtensionCase{"C:\\My", ""}, ExtensionCase{"C:\\dir.d\\page", ""},
                      ExtensionCase{"/home/x.y/page", ""}, ExtensionCase{"/home/x/page.Htm", "htm"},
                      ExtensionCase{"archive.tar.gz", "gz"}, ExtensionCase{"trailing.", ""},
                      ExtensionCase{".hidden", "hidden"}, ExtensionCase{"", ""},
                      ExtensionCase{"C:\\My Pages\\a.htm", "htm"}, ExtensionCase{"x\\y.LMP", "lmp"}),
    [](const auto &info) { return std::to_string(info.index) + "_" + testName(info.param.name); });

struct RuleCase {
    const char *title;
    QStringList arguments;
    QStringList documents;
    QString project;
};

class CommandLineRule : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CommandLineRule, OpensTheGluedNames)
{
    const RuleCase &c = GetParam();
    EXPECT_EQ(CommandLine::documentsToOpen(c.arguments), c.documents) << c.title;
    EXPECT_EQ(CommandLine::projectToOpen(c.arguments), c.project) << c.title;
}

const RuleCase ruleCases[] = {
    {"no arguments", {}, {}, {}},
    {"one document", {"a.htm"}, {"a.htm"}, {}},
    {"one upper-case html document", {"/p/INDEX.HTML"}, {"/p/INDEX.HTML"}, {}},
    {"one text file opens nothing", {"notes.txt"}, {}, {}},
    {"one argument without extension", {"README"}, {}, {}},
    {"one project", {"web.lmp"}, {}, {"web.lmp"}},
    {"path with a blank in the directory", {"C:\\My", "Pages\\a.htm"}, {"C:\\My Pages\\a.htm"}, {}},
    {"unix path with a blank", {"/tmp/My", "Pages/a.htm"}, {"/tmp/My Pages/a.htm"}, {}},
    {"two blanks in the name", {"/tmp/a", "b", "c.html"}, {"/tmp/a b c.html"}, {}},
    {"two separate documents open only the first", {"a.htm", "b.htm"}, {"a.htm"}, {}},
    {"a text file first stops the search", {"notes.txt", "b.htm"}, {}, {}},
    {"project and document", {"web.lmp", "a.htm"}, {}, {"web.lmp"}},
    {"document then project", {"a.htm", "web.lmp"}, {"a.htm"}, {}},
    {"project with a blank", {"/w/My", "Site.lmp"}, {}, {"/w/My Site.lmp"}},
    {"pieces that never form a wanted name", {"/tmp/My", "Pages"}, {}, {}},
    {"glued text file is not opened", {"/tmp/My", "notes.txt"}, {}, {}},
    // The piece that completed a glued name is part of that name: it is not
    // opened again as a file of its own when the next argument stops the search.
    {"completing piece not opened again", {"C:\\My", "Pages\\a.htm", "b.htm"}, {"C:\\My Pages\\a.htm"}, {}},
};

INSTANTIATE_TEST_SUITE_P(Arguments, CommandLineRule, ::testing::ValuesIn(ruleCases),
                         [](const auto &info) { return testName(info.param.title); });

TEST(CommandLineModes, WantedExtensionsAreComparedInLowerCase)
{
    EXPECT_EQ(CommandLine::filesToOpen({"A.HTM"}, {"htm"}, CommandLine::Mode::Documents), QStringList{"A.HTM"});
    EXPECT_TRUE(CommandLine::filesToOpen({"a.htmx"}, {"htm"}, CommandLine::Mode::Documents).isEmpty());
}

} // namespace
