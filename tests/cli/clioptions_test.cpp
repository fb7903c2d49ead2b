#include "clioptions.h"

#include <gtest/gtest.h>

using namespace lumaro::cli;

namespace {
CliParseResult parse(std::initializer_list<const char *> args)
{
    QStringList list;
    for (const char *a : args)
        list.append(QString::fromUtf8(a));
    return parseArguments(list);
}
} // namespace

TEST(CliOptions, SetSplitsAtTheLastSlashBeforeTheEquals)
{
    CliOptions::Override a;
    ASSERT_TRUE(parseOverride("editor\\color/usecolor=1", &a));
    EXPECT_EQ(a.section, "editor\\color");
    EXPECT_EQ(a.name, "usecolor");
    EXPECT_EQ(a.value, "1");
    CliOptions::Override b;
    ASSERT_TRUE(parseOverride("editor/color/usecolor=1", &b));
    EXPECT_EQ(b.section, "editor/color");
    EXPECT_EQ(b.name, "usecolor");
    CliOptions::Override c;
    ASSERT_TRUE(parseOverride("imexport/standardfont=times/roman=x", &c));
    EXPECT_EQ(c.section, "imexport");
    EXPECT_EQ(c.name, "standardfont");
    EXPECT_EQ(c.value, "times/roman=x");
    CliOptions::Override d;
    EXPECT_FALSE(parseOverride("usecolor=1", &d));
    EXPECT_FALSE(parseOverride("editor/=1", &d));
    EXPECT_FALSE(parseOverride("editor/usecolor", &d));
}

TEST(CliOptions, AcceptsTheDocumentedForms)
{
    auto r = parse({"--set", "editor/color/usecolor=1", "colour", "a.html", "-o", "a.rtf"});
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.options.command, "colour");
    EXPECT_EQ(r.options.inputs, QStringList{"a.html"});
    EXPECT_EQ(r.options.outputFile, "a.rtf");
    ASSERT_EQ(r.options.overrides.size(), 1);

    r = parse({"entities", "-d", "out", "a.html", "b.html", "c.html"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.options.inputs.size(), 3);
    EXPECT_EQ(r.options.outputDir, "out");

    r = parse({"html2text", "-"});
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.options.inputs, QStringList{"-"});

    EXPECT_EQ(parse({"--version"}).options.action, CliOptions::Action::Version);
    EXPECT_EQ(parse({"colour", "--help"}).options.action, CliOptions::Action::Help);
}

TEST(CliOptions, UsageErrors)
{
    const std::vector<QStringList> cases = {
        {},
        {"colourise", "a.html"},
        {"colour"},
        {"colour", "a.html", "-o"},
        {"colour", "a.html", "--frobnicate"},
        {"entities", "a.html", "b.html"},
        {"entities", "a.html", "-o", "x", "-d", "y"},
        {"publish", "a.lmp", "b.lmp"},
        {"publish", "a.lmp", "-o", "x"},
        {"chars", "-", "-", "-d", "out"},
        {"--set", "nonsense", "colour", "a.html"},
    };
    for (const QStringList &args : cases) {
        const CliParseResult r = parseArguments(args);
        EXPECT_FALSE(r.ok);
        EXPECT_FALSE(r.error.isEmpty());
    }
}

TEST(CliOptions, HelpFitsAnEightyColumnTerminalAndNamesEveryCommand)
{
    const QStringList lines = helpText().split('\n');
    for (const QString &line : lines)
        EXPECT_LT(line.size(), 80) << line.toStdString();
    for (const QString &command : subcommands()) {
        EXPECT_TRUE(helpText().contains("  " + command + " ")) << command.toStdString();
        EXPECT_TRUE(helpText().contains("lumaro-cli " + command)) << "example for " << command.toStdString();
    }
}
