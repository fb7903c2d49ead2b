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

RtfImport::Result RtfImport::convertData(const QByteArray &rtf, const ImportSettings &settings)
{
    Result result;
    timpexprichedit converter;
    if (!converter.loadRtf(rtf, &result.error))
        return result;
    converter.setSettings(settings);
    converter.convert(*converter.document());
    result.html = converter.output();
    result.ok = true;
    return result;
}

RtfImport::Result RtfImport::convertFile(const QString &fileName, const ImportSettings &settings)
{
    Result result;
    timpexprichedit converter;
    if (!converter.loadFromFile(fileName, &result.error))
        return result;
    converter.setSettings(settings);
    converter.convert(*converter.document());
    result.html = converter.output();
    result.ok = true;
    return result;
}

} // namespace lumaro
