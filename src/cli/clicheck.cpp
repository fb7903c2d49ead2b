// The "check" command: the page checker's reports in the form compilers
// use, so editors and build jobs can read them.
#include "clirunner.h"
#include "pagechecker.h"
#include "textfile.h"

namespace lumaro::cli {

int CliRunner::runCheck(const CliOptions &options)
{
    int status = 0;
    bool anyError = false;
    for (const QString &input : options.inputs) {
        QByteArray bytes;
        if (!readInput(input, &bytes)) {
            status = 1;
            continue;
        }
        const QString name = input == QLatin1String("-") ? QStringLiteral("-") : input;
        // The text the page would hold: decoded as the editor decodes files.
        const QString text = TextFile::decode(bytes);
        const CheckResult result = PageChecker::check(text, CheckLevels{true, true, false});
        QByteArray report;
        for (const CheckProblem &p : result.problems) {
            report += QStringLiteral("%1:%2:%3: %4: %5\n")
                          .arg(name)
                          .arg(p.line)
                          .arg(p.column)
                          .arg(checkLevelName(p.level), p.message)
                          .toUtf8();
            anyError = anyError || p.level == CheckLevel::Error;
        }
        if (!writeOutput(QString(), report))
            status = 1;
    }
    return anyError ? 1 : status;
}

} // namespace lumaro::cli
