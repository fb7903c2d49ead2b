// The "links" command: the link check of a project or folder, one finding
// per line in the form of "check", so editors and build jobs can read it.
#include "clirunner.h"
#include "externallinkchecker.h"
#include "linkchecker.h"

#include <QFileInfo>

namespace lumaro::cli {

namespace {
QString levelWord(CheckLevel level)
{
    return level == CheckLevel::Info ? QStringLiteral("note") : checkLevelName(level);
}
} // namespace

int CliRunner::runLinks(const CliOptions &options)
{
    const QString input = options.inputs.first();
    const QFileInfo info(input);
    if (!info.exists()) {
        error(input, QStringLiteral("no such project or folder"));
        return 2;
    }
    const LinkJob job = info.isDir() ? LinkJob::forFolder(input) : LinkJob::forProjectFile(input);
    const LinkReport report = LinkChecker::check(job);
    if (!report.failure.isEmpty()) {
        error(QString(), report.failure);
        return 2;
    }
    const QList<CheckProblem> external = options.external
        ? ExternalLinkChecker::checkAll(report.externals)
        : LinkChecker::uncheckedExternals(report.externals);
    bool anyError = false;
    QByteArray lines;
    for (const CheckProblem &p : report.combined(external)) {
        lines += QStringLiteral("%1:%2:%3: %4: %5\n")
                     .arg(p.file)
                     .arg(p.line)
                     .arg(p.column)
                     .arg(levelWord(p.level), p.message)
                     .toUtf8();
        anyError = anyError || p.level == CheckLevel::Error;
    }
    if (!writeOutput(QString(), lines))
        return 2;
    return anyError ? 1 : 0;
}

} // namespace lumaro::cli
