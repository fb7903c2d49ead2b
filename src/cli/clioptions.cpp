#include "clioptions.h"

namespace lumaro::cli {

const QStringList &subcommands()
{
    static const QStringList names = {QStringLiteral("colour"), QStringLiteral("rtf2html"),
                                      QStringLiteral("html2text"), QStringLiteral("entities"),
                                      QStringLiteral("chars"), QStringLiteral("publish"),
                                      QStringLiteral("check"), QStringLiteral("links"),
                                      QStringLiteral("upload")};
    return names;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: lumaro-cli [OPTIONS] COMMAND FILE...\n"
        "\n"
        "Runs the conversions of the Lumaro HTML editor without a window.\n"
        "FILE may be - for standard input. Output goes to standard output,\n"
        "to -o FILE, or with several files to -d DIR (one file per input).\n"
        "\n"
        "Commands:\n"
        "  colour FILE       the colouring document (RTF) of an HTML page\n"
        "                      lumaro-cli colour index.html -o index.rtf\n"
        "  rtf2html FILE     an RTF document as HTML, with the import settings\n"
        "                      lumaro-cli rtf2html letter.rtf -o letter.html\n"
        "  html2text FILE    an HTML page as plain text\n"
        "                      lumaro-cli html2text page.html > page.txt\n"
        "  entities FILE     special characters turned into entities\n"
        "                      lumaro-cli entities -d out/ *.html\n"
        "  chars FILE        entities turned back into characters\n"
        "                      lumaro-cli chars page.html -o page-chars.html\n"
        "  publish PROJECT   publishes a project as the editor's Publish does\n"
        "                      lumaro-cli publish site.lmp\n"
        "  check FILE...     mistakes in the markup, one per line as\n"
        "                    FILE:LINE:COLUMN: error|warning: MESSAGE;\n"
        "                    exit status 1 when any error was found\n"
        "                      lumaro-cli check site/*.html\n"
        "  links PROJECT|DIR every link of a project's pages (or of the pages\n"
        "                    under a folder): missing files and anchors, wrong\n"
        "                    case, paths outside the site, files no page uses;\n"
        "                    FILE:LINE:COLUMN: error|warning|note: MESSAGE;\n"
        "                    exit status 1 when any error was found\n"
        "                      lumaro-cli links site.lmp --external\n"
        "  upload PROJECT    sends the published site to the project's server\n"
        "                    over SFTP, new and changed files only, with the\n"
        "                    SSH agent or a key file (never a password); one\n"
        "                    line per file: sent PATH, deleted PATH\n"
        "                      lumaro-cli upload site.lmp --dry-run\n"
        "\n"
        "Options:\n"
        "  -o FILE           write the output to FILE (never half-written)\n"
        "  -d DIR            write one output file per input into DIR\n"
        "  --external        links: ask every external address once (HEAD)\n"
        "  --dry-run         upload: list what would be sent, change nothing\n"
        "  --delete          upload: delete remote files no longer published\n"
        "  --set S/V=TEXT    use TEXT for setting V of section S in this run\n"
        "                    only, e.g. --set editor/color/usecolor=1\n"
        "  --help            show this text\n"
        "  --version         show the version\n"
        "\n"
        "Exit status: 0 success, 1 conversion or file error, 2 usage error.\n");
}

bool parseOverride(const QString &text, CliOptions::Override *out)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    const QString path = text.left(eq);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash <= 0 || slash == path.size() - 1)
        return false;
    out->section = path.left(slash);
    out->name = path.mid(slash + 1);
    out->value = text.mid(eq + 1);
    return true;
}

CliParseResult parseArguments(const QStringList &arguments)
{
    CliParseResult result;
    CliOptions &o = result.options;
    auto fail = [&result](const QString &message) {
        result.ok = false;
        result.error = message;
        return result;
    };
    bool onlyFiles = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (!onlyFiles && a == QLatin1String("--")) {
            onlyFiles = true;
        } else if (!onlyFiles && (a == QLatin1String("--help") || a == QLatin1String("-h"))) {
            o.action = CliOptions::Action::Help;
            result.ok = true;
            return result;
        } else if (!onlyFiles && a == QLatin1String("--version")) {
            o.action = CliOptions::Action::Version;
            result.ok = true;
            return result;
        } else if (!onlyFiles && a == QLatin1String("--dry-run")) {
            o.dryRun = true;
        } else if (!onlyFiles && a == QLatin1String("--delete")) {
            o.deleteObsolete = true;
        } else if (!onlyFiles && (a == QLatin1String("-o") || a == QLatin1String("-d")
                                  || a == QLatin1String("--set"))) {
            if (i + 1 >= arguments.size())
                return fail(QStringLiteral("option %1 needs a value").arg(a));
            const QString value = arguments[++i];
            if (a == QLatin1String("-o")) {
                o.outputFile = value;
            } else if (a == QLatin1String("-d")) {
                o.outputDir = value;
            } else {
                CliOptions::Override ov;
                if (!parseOverride(value, &ov))
                    return fail(QStringLiteral("--set takes SECTION/VALUE=TEXT, not \"%1\"").arg(value));
                o.overrides.append(ov);
            }
        } else if (!onlyFiles && a == QLatin1String("--external")) {
            o.external = true;
        } else if (!onlyFiles && a.startsWith(QLatin1Char('-')) && a != QLatin1String("-")) {
            return fail(QStringLiteral("unknown option %1").arg(a));
        } else if (o.command.isEmpty()) {
            if (!subcommands().contains(a))
                return fail(QStringLiteral("unknown command \"%1\" (see --help)").arg(a));
            o.command = a;
        } else {
            o.inputs.append(a);
        }
    }
    if (o.command.isEmpty())
        return fail(QStringLiteral("no command given (see --help)"));
    if (o.inputs.isEmpty())
        return fail(QStringLiteral("%1 needs a file (or - for standard input)").arg(o.command));
    if (!o.outputFile.isEmpty() && !o.outputDir.isEmpty())
        return fail(QStringLiteral("-o and -d cannot be used together"));
    if ((o.dryRun || o.deleteObsolete) && o.command != QLatin1String("upload"))
        return fail(QStringLiteral("--dry-run and --delete belong to upload"));
    if (o.command == QLatin1String("upload")) {
        if (o.inputs.size() != 1 || o.inputs.first() == QLatin1String("-"))
            return fail(QStringLiteral("upload takes one project file"));
        if (!o.outputFile.isEmpty() || !o.outputDir.isEmpty())
            return fail(QStringLiteral("upload writes to the project's server; -o and -d do not apply"));
    } else if (o.command == QLatin1String("publish")) {
        if (o.inputs.size() != 1 || o.inputs.first() == QLatin1String("-"))
            return fail(QStringLiteral("publish takes one project file"));
        if (!o.outputFile.isEmpty() || !o.outputDir.isEmpty())
            return fail(QStringLiteral("publish writes only below the publish directory; -o and -d do not apply"));
    } else if (o.command == QLatin1String("check")) {
        if (!o.outputFile.isEmpty() || !o.outputDir.isEmpty())
            return fail(QStringLiteral("check writes its report to standard output; -o and -d do not apply"));
    } else if (o.command == QLatin1String("links")) {
        if (o.inputs.size() != 1 || o.inputs.first() == QLatin1String("-"))
            return fail(QStringLiteral("links takes one project file or folder"));
        if (!o.outputFile.isEmpty() || !o.outputDir.isEmpty())
            return fail(QStringLiteral("links writes its report to standard output; -o and -d do not apply"));
    } else if (o.inputs.size() > 1 && o.outputDir.isEmpty()) {
        return fail(QStringLiteral("several files need -d DIR"));
    }
    if (o.external && o.command != QLatin1String("links"))
        return fail(QStringLiteral("--external applies to links only"));
    if (o.inputs.count(QStringLiteral("-")) > 1)
        return fail(QStringLiteral("standard input can be read only once"));
    o.action = CliOptions::Action::Convert;
    result.ok = true;
    return result;
}

} // namespace lumaro::cli
