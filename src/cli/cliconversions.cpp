#include "cliconversions.h"

#include "colordocument.h"
#include "colorsettings.h"
#include "importsettings.h"
#include "installdir.h"
#include "publisher.h"
#include "rtfimport.h"
#include "specialchars.h"
#include "texportedit.h"
#include "textfile.h"
#include "tregini.h"

namespace lumaro::cli {

namespace {

Conversion failure(const QString &reason)
{
    Conversion c;
    c.error = reason;
    return c;
}

Conversion text(const QString &content, TextEncoding encoding)
{
    Conversion c;
    c.ok = true;
    c.output = TextFile::encode(TextFile::toCrLf(content), encoding);
    return c;
}

Conversion text(const QString &content, const FileFormat &format)
{
    Conversion c;
    c.ok = true;
    c.output = TextFile::encode(content, format);
    return c;
}

Conversion specialChars(const QByteArray &input, bool toEntities)
{
    QString error;
    const auto table = SpecialChars::lavarray(InstallDir::file(QStringLiteral("spectags.dat")), &error);
    if (!table)
        return failure(error);
    FileFormat format;
    const QString page = TextFile::decode(input, &format);
    return text(toEntities ? table->chartiltags(page) : table->tagstilchar(page), format);
}

} // namespace

Conversion colour(const QByteArray &input)
{
    // The same document the page editor writes to "color.rtf" when it opens
    // a file: decoded with the document rules, then built with the current
    // colouring settings.
    Conversion c;
    c.ok = true;
    c.output = ColorDocument::rtf(TextFile::decode(input), ColorSettings::read());
    return c;
}

Conversion rtf2html(const QByteArray &input)
{
    QString error;
    const auto settings = ImportSettings::fromStore(&error);
    if (!settings)
        return failure(error);
    const RtfImport::Result result = RtfImport::convertData(input, *settings);
    if (!result.ok)
        return failure(result.error);
    // A new page is UTF-8.
    return text(result.html, TextEncoding::Utf8);
}

Conversion html2text(const QByteArray &input)
{
    // The editor exports the text its page holds: the file's last line
    // without its line break, CR LF between lines, and characters in place
    // of entities when the page converts them on load.
    FileFormat format;
    QString page = TextFile::toCrLf(ColorDocument::pageText(TextFile::decode(input, &format)));
    if (tregini().readconvsave()) {
        QString error;
        const auto table = SpecialChars::lavarray(InstallDir::file(QStringLiteral("spectags.dat")), &error);
        if (!table)
            return failure(error);
        page = table->tagstilchar(page);
    }
    texportedit converter;
    converter.setSource(page);
    QString error;
    if (!converter.exporter(&error))
        return failure(error);
    return text(converter.content(), format);
}

Conversion entities(const QByteArray &input)
{
    return specialChars(input, true);
}

Conversion chars(const QByteArray &input)
{
    return specialChars(input, false);
}

PublishReport publish(const QString &projectFile)
{
    const lumaro::PublishReport done = Publisher::publish(projectFile);
    PublishReport r;
    r.ok = done.ok || done.rootOptionOff;
    r.error = done.error;
    r.converted = done.converted;
    r.targetDirectory = done.targetDirectory;
    r.outsideRoot = done.outsideRoot;
    r.problems = done.problems;
    r.rootOptionOff = done.rootOptionOff;
    return r;
}

Conversion convert(const QString &command, const QByteArray &input)
{
    if (command == QLatin1String("colour"))
        return colour(input);
    if (command == QLatin1String("rtf2html"))
        return rtf2html(input);
    if (command == QLatin1String("html2text"))
        return html2text(input);
    if (command == QLatin1String("entities"))
        return entities(input);
    if (command == QLatin1String("chars"))
        return chars(input);
    return failure(QStringLiteral("unknown command"));
}

QString outputSuffix(const QString &command)
{
    if (command == QLatin1String("colour"))
        return QStringLiteral(".rtf");
    if (command == QLatin1String("rtf2html"))
        return QStringLiteral(".html");
    if (command == QLatin1String("html2text"))
        return QStringLiteral(".txt");
    return {};
}

} // namespace lumaro::cli
