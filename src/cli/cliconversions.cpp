#include "cliconversions.h"

namespace lumaro::cli {

namespace {
Conversion unavailable()
{
    Conversion c;
    c.error = QStringLiteral("this conversion is not available yet");
    return c;
}
} // namespace

Conversion colour(const QByteArray &) { return unavailable(); }
Conversion rtf2html(const QByteArray &) { return unavailable(); }
Conversion html2text(const QByteArray &) { return unavailable(); }
Conversion entities(const QByteArray &) { return unavailable(); }
Conversion chars(const QByteArray &) { return unavailable(); }

PublishReport publish(const QString &)
{
    PublishReport r;
    r.error = QStringLiteral("publishing is not available yet");
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
    Conversion c;
    c.error = QStringLiteral("unknown command");
    return c;
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
