// lumaro-cli keeps files exact as the editor does: the text export gives the
// editor's bytes, the character conversions keep the byte-order mark, and
// -d never lets one output replace another.
#include "clirun.h"
#include "installdir.h"
#include "projectfile.h"
#include "testsandbox.h"
#include "tinifil.h"
#include "texportedit.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using test::CliResult;

CliResult cli(const QStringList &args)
{
    return test::runCli(args);
}

void put(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray get(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

/// What the editor's HTML-to-text button writes for a page opened from the
/// file: the page's whole text through the converter, in the page's format.
QByteArray editorExport(const QString &fileName)
{
    thtmlrichedit page;
    EXPECT_TRUE(page.loadcolored(fileName));
    texportedit converter;
    converter.setSource(page.text());
    EXPECT_TRUE(converter.exporter());
    return TextFile::encode(converter.content(), page.fileFormat());
}

class CliExact : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        dir = test::TestSandbox::makeDir(QStringLiteral("cliexact"));
    }
    QString dir;
};

} // namespace

TEST_F(CliExact, Html2TextGivesTheEditorsExportForEveryFile)
{
    const QByteArray files[] = {
        "a\nb",
        "a\r\nb\r\n",
        "a\rb\r\r",
        "<B>Hi</B><BR>there\n<P ALIGN=CENTER>x\n\n",
        "line\n\n\n",
        "\xEF\xBB\xBF<P>caf\xC3\xA9\r\nb",
        "caf\xe9\n<BR>\n",
        "x < y\n",
        "",
    };
    int i = 0;
    for (const QByteArray &bytes : files) {
        const QString name = dir + QStringLiteral("/p%1.html").arg(i++);
        put(name, bytes);
        const CliResult r = cli({QStringLiteral("html2text"), name});
        ASSERT_EQ(r.exitCode, 0) << r.err.constData();
        EXPECT_EQ(r.out, editorExport(name)) << bytes.constData();
    }
    // The example of the fault: the page holds "a", CR LF, "b", and the
    // export drops that line break.
    put(dir + "/ab.html", "a\nb");
    EXPECT_EQ(cli({QStringLiteral("html2text"), dir + "/ab.html"}).out, QByteArray("ab"));
}

TEST_F(CliExact, ConversionsKeepTheByteOrderMarkAndTheFinalBreaks)
{
    put(dir + "/p.html", "\xEF\xBB\xBF" "caf\xC3\xA9\r\n\r\n");
    const CliResult e = cli({QStringLiteral("entities"), dir + "/p.html"});
    ASSERT_EQ(e.exitCode, 0) << e.err.constData();
    EXPECT_EQ(e.out, QByteArray("\xEF\xBB\xBF" "caf&eacute;\r\n\r\n"));
    put(dir + "/e.html", e.out);
    const CliResult c = cli({QStringLiteral("chars"), dir + "/e.html"});
    ASSERT_EQ(c.exitCode, 0) << c.err.constData();
    EXPECT_EQ(c.out, QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9\r\n\r\n"));
}

TEST_F(CliExact, TwoInputsForOneOutputAreRefusedBeforeAnythingIsWritten)
{
    put(dir + "/a/x.html", "<P>a");
    put(dir + "/b/x.html", "<P>b");
    put(dir + "/b/x.htm", "<P>c");
    QDir().mkpath(dir + "/out");
    struct Case {
        QStringList args;
        QString output;
    };
    const Case cases[] = {
        {{"entities", "-d", dir + "/out", dir + "/a/x.html", dir + "/b/x.html"}, dir + "/out/x.html"},
        // Different inputs, the same name once the extension is replaced.
        {{"html2text", "-d", dir + "/out", dir + "/b/x.html", dir + "/b/x.htm"}, dir + "/out/x.txt"},
    };
    for (const Case &c : cases) {
        const CliResult r = cli(c.args);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.constData();
        EXPECT_TRUE(r.err.contains(c.args[3].toUtf8()) && r.err.contains(c.args[4].toUtf8())) << r.err.constData();
        EXPECT_FALSE(QFileInfo::exists(c.output));
    }
    EXPECT_TRUE(QDir(dir + "/out").isEmpty());
}

// The fault as found: "published files/<root name>" is a link to the root.
// Publishing refuses, names the path, and the originals keep every byte.
TEST_F(CliExact, PublishingThroughALinkToTheRootLeavesTheOriginals)
{
    const QString root = dir + "/linkedsite";
    const QByteArray index = "<A HREF=\"" + root.toUtf8() + "/logo.gif\">x</A>\r\n";
    put(root + "/index.html", index);
    put(root + "/logo.gif", "GIF89a");
    const QString project = dir + "/linkedsite.lmp";
    QString error;
    ASSERT_TRUE(ProjectFile::write(project, ProjectFile::image(project, {{root + "/index.html", true}}), &error));
    tinifil options(dir + "/linkedsite.lmo");
    ASSERT_TRUE(options.writeroot(root));
    ASSERT_TRUE(options.writeuseroot(true));

    const QString publish = InstallDir::file(QStringLiteral("published files"));
    QDir().mkpath(publish);
    const QString link = publish + "/linkedsite";
    QFile::remove(link);
    ASSERT_TRUE(QFile::link(root, link));
    const CliResult r = cli({QStringLiteral("publish"), project});
    QFile::remove(link);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("linkedsite") && r.err.contains("nothing was published")) << r.err.constData();
    EXPECT_EQ(get(root + "/index.html"), index);
    EXPECT_EQ(get(root + "/logo.gif"), "GIF89a");
}
