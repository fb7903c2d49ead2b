// Runs the built lumaro-cli as a separate process and checks its output
// against the library functions the editor itself uses.
#include "cliconversions.h"
#include "colordocument.h"
#include "colorsettings.h"
#include "installdir.h"
#include "specialchars.h"
#include "testsandbox.h"
#include "textfile.h"
#include "tregini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

CliRun runCli(const QStringList &args, const QByteArray &stdinData = {})
{
    QProcess p;
    p.setProgram(QStringLiteral(LUMARO_CLI_PATH));
    p.setArguments(args);
    p.start();
    p.waitForStarted();
    if (!stdinData.isEmpty())
        p.write(stdinData);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

void writeFile(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString &name)
{
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

const QByteArray kPage = "<HTML>\r\n<B>caf\xc3\xa9 cr\xc3\xa8me</B> a\\b{c} x > y\r\n<a href=\"x\">z</a>\r\n";
const QByteArray kRtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
                        "\\f0\\fs24 Hello {\\b bold} {\\cf1 red}\\par x}";

} // namespace

class CliProcess : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        dir = test::TestSandbox::makeDir("cli");
        InstallDir::path(); // seeds the table the process will read
    }
    QString dir;
};

TEST_F(CliProcess, ColourIsTheEditorsColouringDocument)
{
    writeFile(dir + "/a.html", kPage);
    for (bool colourOn : {false, true}) {
        tregini().writeusecolor(colourOn);
        const CliRun r = runCli({"colour", dir + "/a.html"});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_TRUE(r.err.isEmpty()) << r.err.constData();
        EXPECT_EQ(r.out, ColorDocument::rtf(TextFile::decode(kPage), ColorSettings::read()));
    }
}

TEST_F(CliProcess, SetOverridesOneRunAndNeverWritesTheSettings)
{
    writeFile(dir + "/a.html", kPage);
    QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    store.sync();
    const QString settingsFile = store.fileName();
    const QByteArray before = readFile(settingsFile);
    const CliRun plain = runCli({"colour", dir + "/a.html"});
    const CliRun coloured = runCli({"--set", "editor\\color/usecolor=1", "colour", dir + "/a.html"});
    const CliRun coloured2 = runCli({"--set", "editor/color/usecolor=1", "colour", dir + "/a.html"});
    ASSERT_EQ(coloured.exitCode, 0);
    EXPECT_NE(plain.out, coloured.out);
    EXPECT_TRUE(coloured.out.contains("{\\cf12 <B>}"));
    EXPECT_EQ(coloured.out, coloured2.out);
    EXPECT_EQ(readFile(settingsFile), before);
    EXPECT_FALSE(tregini().readusecolor());
}

TEST_F(CliProcess, StandardInputAndOutputFile)
{
    const CliRun r = runCli({"rtf2html", "-", "-o", dir + "/out.html"}, kRtf);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.isEmpty());
    const cli::Conversion inProcess = cli::rtf2html(kRtf);
    ASSERT_TRUE(inProcess.ok);
    EXPECT_EQ(readFile(dir + "/out.html"), inProcess.output);
    EXPECT_TRUE(inProcess.output.contains("<B>bold</B>"));
}

TEST_F(CliProcess, Html2TextMatchesTheLibrary)
{
    writeFile(dir + "/p.html", "<B>Hi</B><BR>there\r\n<P ALIGN=CENTER>x");
    const CliRun r = runCli({"html2text", dir + "/p.html"});
    ASSERT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, cli::html2text(readFile(dir + "/p.html")).output);
    EXPECT_TRUE(r.out.startsWith("Hi\r\nthere"));
}

TEST_F(CliProcess, EntitiesAndCharsRoundTrip)
{
    writeFile(dir + "/p.html", "caf\xc3\xa9 cr\xc3\xa8me &AElig;\r\n");
    const CliRun e = runCli({"entities", dir + "/p.html"});
    ASSERT_EQ(e.exitCode, 0) << e.err.constData();
    EXPECT_EQ(e.out, QByteArray("caf&eacute; cr&egrave;me &AElig;\r\n"));
    writeFile(dir + "/e.html", e.out);
    const CliRun c = runCli({"chars", dir + "/e.html"});
    ASSERT_EQ(c.exitCode, 0);
    EXPECT_EQ(c.out, QByteArray("caf\xc3\xa9 cr\xc3\xa8me \xc3\x86\r\n"));
}

TEST_F(CliProcess, DirectoryOutputWithThreeFiles)
{
    QDir().mkpath(dir + "/out");
    for (const char *n : {"a", "b", "c"})
        writeFile(dir + "/" + n + ".html", QByteArray("<P>") + n + " \xc3\xa9");
    const CliRun r = runCli({"html2text", "-d", dir + "/out", dir + "/a.html", dir + "/b.html", dir + "/c.html"});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    for (const char *n : {"a", "b", "c"}) {
        const QString out = dir + "/out/" + n + ".txt";
        ASSERT_TRUE(QFileInfo::exists(out)) << n;
        EXPECT_EQ(readFile(out), cli::html2text(readFile(dir + "/" + n + ".html")).output);
    }
    const CliRun e = runCli({"entities", "-d", dir + "/out", dir + "/a.html", dir + "/b.html"});
    ASSERT_EQ(e.exitCode, 0);
    EXPECT_EQ(readFile(dir + "/out/a.html"), QByteArray("<P>a &eacute;"));
}

TEST_F(CliProcess, ErrorsAreOneLineWithTheirExitCodeAndLeaveNoFile)
{
    writeFile(dir + "/a.html", kPage);
    writeFile(dir + "/not.rtf", "plain text");
    struct Case {
        QStringList args;
        int code;
        QString mentions;
    };
    const QList<Case> cases = {
        {{"colour", dir + "/missing.html", "-o", dir + "/o1"}, 1, "missing.html"},
        {{"rtf2html", dir + "/not.rtf", "-o", dir + "/o2"}, 1, "not.rtf"},
        {{"colour", dir + "/a.html", "-o", dir + "/no/such/dir/o3"}, 1, "o3"},
        {{"--set", "imexport/f2=nine", "rtf2html", "-", "-o", dir + "/o4"}, 1, ""},
        {{"colourise", dir + "/a.html"}, 2, "colourise"},
        {{"entities", dir + "/a.html", dir + "/a.html"}, 2, "-d"},
        {{"colour"}, 2, "colour"},
        {{"entities", dir + "/a.html", "-o", dir + "/a.html"}, 1, "a.html"},
        {{"chars", dir}, 1, dir},
    };
    for (const Case &c : cases) {
        const CliRun r = runCli(c.args, kRtf);
        EXPECT_EQ(r.exitCode, c.code) << c.args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        const QList<QByteArray> lines = r.err.trimmed().split('\n');
        EXPECT_EQ(lines.size(), 1) << r.err.constData();
        EXPECT_TRUE(r.err.startsWith("lumaro-cli: ")) << r.err.constData();
        if (!c.mentions.isEmpty())
            EXPECT_TRUE(QString::fromLocal8Bit(r.err).contains(c.mentions)) << r.err.constData();
    }
    for (const char *n : {"o1", "o2", "o4"})
        EXPECT_FALSE(QFileInfo::exists(dir + "/" + n)) << n;
    EXPECT_EQ(readFile(dir + "/a.html"), kPage);
}

TEST_F(CliProcess, MissingSpecialCharacterTableIsAnError)
{
    writeFile(dir + "/a.html", kPage);
    // An installation directory named by the settings is never seeded.
    QDir().mkpath(dir + "/empty-install");
    const CliRun r = runCli({"--set", "dir/installdir=" + dir + "/empty-install", "entities", dir + "/a.html"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.contains("spectags.dat")) << r.err.constData();
}

TEST_F(CliProcess, VersionAndHelp)
{
    const CliRun v = runCli({"--version"});
    EXPECT_EQ(v.exitCode, 0);
    EXPECT_TRUE(v.out.startsWith("lumaro-cli "));
    const CliRun h = runCli({"--help"});
    EXPECT_EQ(h.exitCode, 0);
    EXPECT_TRUE(h.out.contains("rtf2html"));
}

#include "projectfile.h"
#include "tinifil.h"

TEST_F(CliProcess, PublishesAProjectAndLeavesTheOriginals)
{
    const QString root = dir + "/site";
    QDir().mkpath(root + "/sub");
    const QByteArray index = "<A HREF=\"" + root.toUtf8() + "/sub/p.html\">caf\xc3\xa9</A>\r\n";
    const QByteArray page = "<IMG SRC=\"" + root.toUtf8() + "/pic.gif\">\r\n";
    writeFile(root + "/index.html", index);
    writeFile(root + "/sub/p.html", page);
    writeFile(root + "/pic.gif", "GIF89a");
    writeFile(dir + "/elsewhere.html", "x");

    const QString project = dir + "/site.lmp";
    QString error;
    ASSERT_TRUE(ProjectFile::write(project,
                                   ProjectFile::image(project, {{root + "/index.html", true},
                                                                {root + "/sub/p.html", false},
                                                                {dir + "/elsewhere.html", false}}),
                                   &error));
    tinifil options(dir + "/site.lmo");
    ASSERT_TRUE(options.writeroot(root));
    ASSERT_TRUE(options.writeuseroot(true));
    ASSERT_TRUE(options.writeconvchar(true));

    const CliRun r = runCli({"publish", project});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.startsWith("2 pages converted in ")) << r.out.constData();
    EXPECT_TRUE(r.err.contains("elsewhere.html")) << r.err.constData();

    EXPECT_TRUE(r.out.trimmed().endsWith("/site")) << r.out.constData();
    const QString target = InstallDir::file("published files") + "/site";
    EXPECT_EQ(readFile(target + "/index.html"), QByteArray("<A HREF=\"/sub/p.html\">caf&eacute;</A>\r\n"));
    EXPECT_EQ(readFile(target + "/sub/p.html"), QByteArray("<IMG SRC=\"/pic.gif\">\r\n"));
    EXPECT_EQ(readFile(target + "/pic.gif"), QByteArray("GIF89a"));
    EXPECT_EQ(readFile(root + "/index.html"), index);
    EXPECT_EQ(readFile(root + "/sub/p.html"), page);
}
