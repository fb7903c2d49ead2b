// Whole-process speed of lumaro-cli on generated inputs, against the shell
// tools a user would otherwise reach for (when they are installed).
#include "bench.h"
#include "htmlgen.h"
#include "rtfgen.h"
#include "specialchars.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

using lumaro::bench::report;
using lumaro::bench::seconds;

QString cliPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../src/cli/lumaro-cli"));
}

// Runs a program with its output thrown away; the wall time of the run.
double timeRun(const QString &program, const QStringList &args, bool *ok = nullptr)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    const double t = seconds([&] {
        p.start(program, args);
        p.waitForFinished(-1);
    });
    if (ok)
        *ok = p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return t;
}

void write(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

} // namespace

LUMARO_BENCH("cli")
{
    const QString cli = cliPath();
    if (!QFile::exists(cli)) {
        std::printf("  lumaro-cli not built next to the benchmark; skipped\n");
        return;
    }
    QTemporaryDir dir;
    const QString rtf = dir.filePath(QStringLiteral("doc.rtf"));
    write(rtf, lumaro::bench::generateFormattedRtf(1 << 20));
    const QString page1 = dir.filePath(QStringLiteral("page1.html"));
    const QString page10 = dir.filePath(QStringLiteral("page10.html"));
    write(page1, lumaro::bench::generateHtmlPage(1 << 20).toUtf8());
    write(page10, lumaro::bench::generateHtmlPage(10 << 20).toUtf8());

    // Start-up: the best of five, so a cold cache does not count.
    double startup = 1e9;
    for (int i = 0; i < 5; ++i)
        startup = std::min(startup, timeRun(cli, {QStringLiteral("--version")}));
    report(QStringLiteral("lumaro-cli --version"), startup, QStringLiteral("s"), QStringLiteral("< 0.1 s"));

    bool ok = false;
    const double rtf2html = timeRun(cli, {QStringLiteral("rtf2html"), rtf}, &ok);
    report(QStringLiteral("lumaro-cli rtf2html, 1 MB RTF") + (ok ? QString() : QStringLiteral(" (FAILED)")),
           rtf2html, QStringLiteral("s"), QStringLiteral("<= 2 x unrtf"));
    if (!QStandardPaths::findExecutable(QStringLiteral("unrtf")).isEmpty()) {
        const double unrtf = timeRun(QStringLiteral("unrtf"), {QStringLiteral("--html"), rtf});
        report(QStringLiteral("unrtf --html, same file"), unrtf, QStringLiteral("s"));
        report(QStringLiteral("ratio rtf2html / unrtf"), rtf2html / unrtf, QStringLiteral("x"), QStringLiteral("<= 2"));
    } else {
        std::printf("  unrtf not installed: no comparison\n");
    }

    report(QStringLiteral("lumaro-cli colour, 1 MB page"), timeRun(cli, {QStringLiteral("colour"), page1}),
           QStringLiteral("s"));
    report(QStringLiteral("lumaro-cli colour, 10 MB page"),
           timeRun(cli, {QStringLiteral("--set"), QStringLiteral("editor/color/usecolor=1"),
                         QStringLiteral("colour"), page10}),
           QStringLiteral("s"), QStringLiteral("< 3 s"));

    const double entities = timeRun(cli, {QStringLiteral("entities"), page10}, &ok);
    report(QStringLiteral("lumaro-cli entities, 10 MB page") + (ok ? QString() : QStringLiteral(" (FAILED)")),
           entities, QStringLiteral("s"), QStringLiteral("<= 3 x perl"));
    if (!QStandardPaths::findExecutable(QStringLiteral("perl")).isEmpty()) {
        // The same 55 substitutions as one perl pass over the file.
        QStringList subs;
        for (const auto &pair : lumaro::SpecialChars::standardPairs())
            subs << QStringLiteral("s/\\x{%1}/%2/g").arg(pair.character.at(0).unicode(), 0, 16).arg(pair.entity);
        const QString script = QStringLiteral("binmode(STDIN,':utf8');binmode(STDOUT,':utf8');")
            + QStringLiteral("while(<STDIN>){") + subs.join(QLatin1Char(';')) + QStringLiteral(";print}");
        QProcess p;
        p.setStandardInputFile(page10);
        p.setStandardOutputFile(QProcess::nullDevice());
        const double perl = seconds([&] {
            p.start(QStringLiteral("perl"), {QStringLiteral("-e"), script});
            p.waitForFinished(-1);
        });
        report(QStringLiteral("perl, the same 55 substitutions"), perl, QStringLiteral("s"));
        report(QStringLiteral("ratio entities / perl"), entities / perl, QStringLiteral("x"), QStringLiteral("<= 3"));
    }

    report(QStringLiteral("lumaro-cli html2text, 10 MB page"), timeRun(cli, {QStringLiteral("html2text"), page10}),
           QStringLiteral("s"), QStringLiteral("< 1 s"));
}
