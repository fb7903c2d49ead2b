#pragma once

// Runs lumaro-cli as a script would and collects what it says.

#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace lumaro::test {

struct CliResult {
    int exitCode = -1; ///< -1 when the program crashed or did not end in time
    QByteArray out;
    QByteArray err;
};

/// Runs lumaro-cli with args and no standard input, in env.
inline CliResult runCli(const QStringList &args,
                        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(LUMARO_CLI_PATH), args);
    p.closeWriteChannel();
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

} // namespace lumaro::test
