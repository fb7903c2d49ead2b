#include "clirunner.h"
#include "cliconversions.h"
#include "tregini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace lumaro::cli {

CliRunner::CliRunner(FILE *out, FILE *err, bool errIsTerminal)
    : m_out(out), m_err(err), m_errIsTerminal(errIsTerminal)
{
}

void CliRunner::error(const QString &file, const QString &reason)
{
    const QString line = file.isEmpty() ? QStringLiteral("lumaro-cli: %1\n").arg(reason)
                                        : QStringLiteral("lumaro-cli: %1: %2\n").arg(file, reason);
    std::fputs(line.toLocal8Bit().constData(), m_err);
}

bool CliRunner::readInput(const QString &name, QByteArray *bytes)
{
    QFile file;
    if (name == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            error(QStringLiteral("standard input"), file.errorString());
            return false;
        }
    } else {
        file.setFileName(name);
        if (!QFileInfo::exists(name)) {
            error(name, QStringLiteral("no such file"));
            return false;
        }
        if (QFileInfo(name).isDir()) {
            error(name, QStringLiteral("is a directory"));
            return false;
        }
        if (!file.open(QIODevice::ReadOnly)) {
            error(name, QStringLiteral("cannot be read: ") + file.errorString());
            return false;
        }
    }
    *bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error(name, QStringLiteral("cannot be read: ") + file.errorString());
        return false;
    }
    return true;
}

bool CliRunner::writeOutput(const QString &fileName, const QByteArray &bytes)
{
    if (fileName.isEmpty()) {
        if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_out) != size_t(bytes.size())
            || std::fflush(m_out) != 0) {
            error(QStringLiteral("standard output"), QStringLiteral("cannot be written"));
            return false;
        }
        return true;
    }
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        error(fileName, QStringLiteral("cannot be written: ") + file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error(fileName, QStringLiteral("cannot be written: ") + file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

int CliRunner::run(const CliOptions &options)
{
    for (const CliOptions::Override &o : options.overrides)
        tregini::setOverride(o.section, o.name, o.value);

    if (options.command == QLatin1String("publish"))
        return runPublish(options);
    if (options.command == QLatin1String("check"))
        return runCheck(options);
    if (options.command == QLatin1String("links"))
        return runLinks(options);
    if (options.command == QLatin1String("upload"))
        return runUpload(options);

    if (!options.outputDir.isEmpty() && !QFileInfo(options.outputDir).isDir()) {
        error(options.outputDir, QStringLiteral("no such directory"));
        return 1;
    }

    const qsizetype total = options.inputs.size();
    QStringList targets;
    for (const QString &input : options.inputs)
        targets.append(targetFor(options, input));
    // Two inputs that would write the same output file: the second would
    // silently replace the first, so nothing is written at all.
    if (!options.outputDir.isEmpty()) {
        for (qsizetype i = 0; i < total; ++i) {
            for (qsizetype j = 0; j < i; ++j) {
                if (QDir::cleanPath(QFileInfo(targets[i]).absoluteFilePath())
                    == QDir::cleanPath(QFileInfo(targets[j]).absoluteFilePath())) {
                    error(QString(), QStringLiteral("%1 and %2 would both be written to %3")
                                         .arg(options.inputs[j], options.inputs[i], targets[i]));
                    return 2;
                }
            }
        }
    }

    int status = 0;
    for (qsizetype i = 0; i < total; ++i) {
        const QString &input = options.inputs[i];
        if (m_errIsTerminal && total > 1) {
            std::fprintf(m_err, "[%lld/%lld] %s\n", static_cast<long long>(i + 1),
                         static_cast<long long>(total), qPrintable(input));
            std::fflush(m_err);
        }
        const QString &target = targets[i];
        // Input files are never changed: refuse to write over one.
        if (!target.isEmpty() && input != QLatin1String("-") && QFileInfo::exists(target)
            && QFileInfo(target).canonicalFilePath() == QFileInfo(input).canonicalFilePath()) {
            error(input, QStringLiteral("the output would overwrite the input"));
            status = 1;
            continue;
        }
        QByteArray bytes;
        if (!readInput(input, &bytes)) {
            status = 1;
            continue;
        }
        const Conversion result = convert(options.command, bytes);
        if (!result.ok) {
            error(input == QLatin1String("-") ? QStringLiteral("standard input") : input, result.error);
            status = 1;
            continue;
        }
        if (!writeOutput(target, result.output))
            status = 1;
    }
    return status;
}

QString CliRunner::targetFor(const CliOptions &options, const QString &input)
{
    if (options.outputDir.isEmpty())
        return options.outputFile;
    QString base = input == QLatin1String("-") ? QStringLiteral("stdin") : QFileInfo(input).fileName();
    const QString suffix = outputSuffix(options.command);
    if (!suffix.isEmpty())
        base = QFileInfo(base).completeBaseName() + suffix;
    return QDir(options.outputDir).filePath(base);
}

int CliRunner::runPublish(const CliOptions &options)
{
    const QString project = options.inputs.first();
    if (!QFileInfo::exists(project)) {
        error(project, QStringLiteral("no such file"));
        return 1;
    }
    const PublishReport report = publish(project);
    for (const QString &page : report.outsideRoot)
        error(page, QStringLiteral("not below the project root; not published"));
    for (const QString &problem : report.problems)
        error(QString(), problem);
    if (!report.ok) {
        error(project, report.error);
        return 1;
    }
    if (report.rootOptionOff) {
        std::fprintf(m_out, "The project uses no standard root: nothing was published\n");
        std::fflush(m_out);
        return 0;
    }
    std::fprintf(m_out, "%d page%s converted in %s\n", report.converted,
                 report.converted == 1 ? "" : "s", qPrintable(QDir::toNativeSeparators(report.targetDirectory)));
    std::fflush(m_out);
    // Files that could not be published make the run a failure; pages
    // outside the root are only named.
    return report.problems.isEmpty() ? 0 : 1;
}

} // namespace lumaro::cli
