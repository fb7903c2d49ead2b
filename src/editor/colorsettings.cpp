#include "colorsettings.h"

#include "tregini.h"

namespace lumaro {

ColorSettings ColorSettings::read()
{
    const tregini settings;
    ColorSettings s;
    s.usecolor = settings.readusecolor();
    s.usefontattr = settings.readusefontattr();
    for (int i = 0; i < kTagClassCount; ++i) {
        const QString name = TagClassifier::name(TagClass(i));
        s.colorIndex[i] = settings.readcolorindex(name);
        s.attrIndex[i] = settings.readfontattrindex(name);
    }
    s.fontName = settings.readfontname();
    s.fontSize = settings.readfontsize();
    return s;
}

int ColorSettings::colorIndexOf(TagClass tagClass) const
{
    const int index = colorIndex[int(tagClass)];
    return ColorTables::validColorIndex(index) ? index : ColorTables::kDefaultColorIndex;
}

int ColorSettings::attrIndexOf(TagClass tagClass) const
{
    const int index = attrIndex[int(tagClass)];
    return ColorTables::validAttrIndex(index) ? index : ColorTables::kDefaultAttrIndex;
}

QString ColorSettings::rtfcolorcode(QStringView prefix) const
{
    if (!usecolor)
        return QString();
    return QStringLiteral("\\cf") + QString::number(colorIndexOf(TagClassifier::classify(prefix, false)));
}

QString ColorSettings::rtfattrcode(QStringView prefix) const
{
    if (!usefontattr)
        return QString();
    return ColorTables::rtfattrfraindex(attrIndexOf(TagClassifier::classify(prefix, false)));
}

} // namespace lumaro
