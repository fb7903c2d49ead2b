#include "textexport.h"

#include "texportedit.h"

namespace lumaro {

QString TextExport::convert(const QString &html)
{
    texportedit converter;
    converter.setSource(html);
    converter.convertSource();
    return converter.content();
}

QString TextExport::targetFileName(const QString &chosenName)
{
    const qsizetype slash = qMax(chosenName.lastIndexOf(QLatin1Char('/')),
                                 chosenName.lastIndexOf(QLatin1Char('\\')));
    const QStringView namePart = QStringView(chosenName).mid(slash + 1);
    if (namePart.contains(QLatin1Char('.')))
        return chosenName;
    return chosenName + QLatin1String(".txt");
}

} // namespace lumaro
