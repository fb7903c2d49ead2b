#pragma once

#include "clioptions.h"

#include <cstdio>

namespace lumaro::cli {

/// Runs a parsed command line: reads each input, converts it, and writes the
/// output to standard output, to -o FILE or into -d DIR. Errors are one line
/// each on the error stream, naming the file and the reason. Returns the
/// exit status (0 success, 1 conversion or file error, 2 when two inputs
/// would write the same output file).
class CliRunner {
public:
    CliRunner(FILE *out, FILE *err, bool errIsTerminal);
    int run(const CliOptions &options);

private:
    int runPublish(const CliOptions &options);
    /// The file an input's output goes to: -o, a file in -d, or empty for
    /// standard output.
    static QString targetFor(const CliOptions &options, const QString &input);
    int runCheck(const CliOptions &options);
    int runLinks(const CliOptions &options);
    int runUpload(const CliOptions &options);
    bool readInput(const QString &name, QByteArray *bytes);
    bool writeOutput(const QString &fileName, const QByteArray &bytes);
    void error(const QString &file, const QString &reason);

    FILE *m_out;
    FILE *m_err;
    bool m_errIsTerminal;
};

} // namespace lumaro::cli
