#include "rtfimport.h"

#include <QByteArray>
#include <QTextDocument>

namespace lumaro {

QString RtfImport::convert(const QTextDocument &document, const ImportSettings &settings,
                           ImportWalk walk, const timpexprichedit::Progress &progress)
{
    timpexprichedit converter;
    converter.setSettings(settings);
    converter.convert(document, walk, progress);
    return converter.output();
}

namespace {
// Converts what a loader put into the converter's document.
template<typename Load>
RtfImport::Result convertLoaded(const ImportSettings &settings, Load load)
{
    RtfImport::Result result;
    timpexprichedit converter;
    if (!load(converter, &result.error))
        return result;
    converter.setSettings(settings);
    converter.convert(*converter.document());
    result.html = converter.output();
    result.ok = true;
    return result;
}
} // namespace

RtfImport::Result RtfImport::convertData(const QByteArray &rtf, const ImportSettings &settings)
{
    return convertLoaded(settings, [&rtf](timpexprichedit &c, QString *error) { return c.loadRtf(rtf, error); });
}

RtfImport::Result RtfImport::convertFile(const QString &fileName, const ImportSettings &settings)
{
    return convertLoaded(settings,
                         [&fileName](timpexprichedit &c, QString *error) { return c.loadFromFile(fileName, error); });
}

} // namespace lumaro
