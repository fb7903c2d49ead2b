// lumaro-cli check: one line per problem in the compilers' form, and the
// exit status telling whether any error was found.
#include "testsandbox.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct CheckRun {
    int exitCode = -1;
    QString out;
};

CheckRun check(const QStringList &files, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(LUMARO_CLI_PATH), QStringList{QStringLiteral("check")} + files);
    p.waitForStarted();
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput())};
}

QString write(const QTemporaryDir &dir, const char *name, const QByteArray &bytes)
{
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

const QByteArray kHead = "<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>\r\n";

TEST(CliCheck, LinesNameFileLineColumnAndKind)
{
    QTemporaryDir dir;
    const QString warn = write(dir, "warn.html", kHead + "<p>AT&T</p>\r\n</body></html>\r\n");
    const QString error = write(dir, "error.html", kHead + "<p><blink2>x</blink2></p>\r\n</body></html>\r\n");
    const QString clean = write(dir, "clean.html", kHead + "<p>x</p>\r\n</body></html>\r\n");

    CheckRun r = check({warn});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, warn + QStringLiteral(":3:6: warning: unescaped & or unknown entity \"&T\"\n"));

    r = check({clean});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.isEmpty()) << qPrintable(r.out);

    r = check({clean, error});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.startsWith(error + QStringLiteral(":3:4: error: "))) << qPrintable(r.out);

    r = check({QStringLiteral("-")}, kHead + "<p>AT&T</p>\n</body></html>\n");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("-:3:6: warning: "))) << qPrintable(r.out);

    r = check({dir.filePath(QStringLiteral("missing.html"))});
    EXPECT_EQ(r.exitCode, 1);
}

} // namespace

namespace {

struct NulCase {
    const char *name;
    QByteArray body; ///< after the head, before "</body></html>"
    const char *expected; ///< the lines after the file name
};

class CliCheckNul : public ::testing::TestWithParam<NulCase> {};

} // namespace

TEST_P(CliCheckNul, TextAfterANulIsChecked)
{
    const NulCase &c = GetParam();
    QTemporaryDir dir;
    const QString page = write(dir, "nul.html", kHead + c.body + "</body></html>\r\n");
    const CheckRun r = check({page});
    QString expected;
    for (const QString &line : QString::fromLatin1(c.expected).split(u'\n', Qt::SkipEmptyParts))
        expected += page + line + u'\n';
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(r.exitCode, 1);
}

const NulCase kNulCases[] = {
    {"SameLine", QByteArray("<p>a\0 <FOO>x</FOO></p>\r\n", 24),
     ":3:6: error: <foo> is not recognized!\n:3:6: warning: discarding unexpected <foo>\n"
     ":3:12: warning: discarding unexpected </foo>\n"},
    {"LineBefore", QByteArray("<p>a\0</p>\r\n<FOO>x</FOO>\r\n", 25),
     ":4:1: error: <foo> is not recognized!\n:4:1: warning: discarding unexpected <foo>\n"
     ":4:7: warning: discarding unexpected </foo>\n"},
    {"SeveralNuls", QByteArray("\0\0<p>\0<FOO>x</FOO></p>\r\n", 24),
     ":3:4: error: <foo> is not recognized!\n:3:4: warning: discarding unexpected <foo>\n"
     ":3:10: warning: discarding unexpected </foo>\n"},
};

INSTANTIATE_TEST_SUITE_P(Pages, CliCheckNul, ::testing::ValuesIn(kNulCases),
                         [](const auto &info) { return std::string(info.param.name); });
