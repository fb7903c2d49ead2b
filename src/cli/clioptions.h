#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace lumaro::cli {

/// What the command line asked for.
struct CliOptions {
    enum class Action { Help, Version, Convert };
    Action action = Action::Help;
    QString command;                 ///< colour, rtf2html, html2text, entities, chars, publish, check, upload
    QStringList inputs;              ///< file names; "-" is standard input
    QString outputFile;              ///< -o
    QString outputDir;               ///< -d
    struct Override {
        QString section;
        QString name;
        QString value;
    };
    QList<Override> overrides;       ///< --set SECTION/VALUE=TEXT
    bool external = false;           ///< links --external: ask the external addresses
    bool dryRun = false;             ///< upload --dry-run
    bool deleteObsolete = false;     ///< upload --delete
};

/// Result of parsing: the options, or a usage error message.
struct CliParseResult {
    bool ok = false;
    CliOptions options;
    QString error;
};

/// Parses the arguments after the program name.
CliParseResult parseArguments(const QStringList &arguments);

/// The subcommands, in the order the help lists them.
const QStringList &subcommands();

/// The text of --help, fitting an 80-column terminal.
QString helpText();

/// Splits "SECTION/VALUE=TEXT" at the first "=" and the last "/" before it.
bool parseOverride(const QString &text, CliOptions::Override *out);

} // namespace lumaro::cli
