// lumaro-cli: the editor's conversions in batch, without a window.
#include "cliconversions.h"
#include "clioptions.h"
#include "clirunner.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {
// Only the converter's own one-line errors reach standard error; Qt's
// diagnostics about the environment (a missing runtime directory, fonts)
// would break that promise and say nothing about the conversion.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "lumaro-cli: %s\n", qPrintable(message));
        std::abort();
    }
}
} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    const lumaro::cli::CliParseResult parsed = lumaro::cli::parseArguments(arguments);
    if (!parsed.ok) {
        std::fprintf(stderr, "lumaro-cli: %s\n", qPrintable(parsed.error));
        return 2;
    }
    // Help and version need no application object: they answer at once.
    if (parsed.options.action == lumaro::cli::CliOptions::Action::Help) {
        std::fputs(qPrintable(lumaro::cli::helpText()), stdout);
        return 0;
    }
    if (parsed.options.action == lumaro::cli::CliOptions::Action::Version) {
        std::printf("lumaro-cli %s\n", LUMARO_VERSION);
        return 0;
    }

    qInstallMessageHandler(quietMessages);
    // Text documents and fonts need a GUI application; it never shows a window.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setOrganizationName(QStringLiteral("zelk"));
    QGuiApplication::setApplicationName(QStringLiteral("lumaro"));

    lumaro::cli::CliRunner runner(stdout, stderr, isatty(fileno(stderr)) != 0);
    return runner.run(parsed.options);
}
