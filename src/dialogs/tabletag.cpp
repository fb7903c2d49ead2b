#include "tabletag.h"
#include "tagbuilder.h"
#include "tagdecoder.h"

namespace lumaro {

void TableTag::decode(const QString &tagText)
{
    *this = TableTag();
    if (!TagDecoder::startsWithTag(tagText, QStringLiteral("<TABLE")))
        return;
    editExisting = true;
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("ALIGN")))
        align = hAlignFromKeyword(*v, align);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("VALIGN")))
        valign = vAlignFromKeyword(*v, valign);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("BORDER"))) {
        border = true;
        thickness = *v;
    } else {
        border = false;
    }
    colors.decode(tagText);
}

QString TableTag::build() const
{
    TagBuilder b(QStringLiteral("TABLE"));
    b.add(QStringLiteral("ALIGN"), hAlignKeyword(align));
    if (border)
        b.add(QStringLiteral("BORDER"), thickness);
    if (valign != VAlign::Center)
        b.add(QStringLiteral("VALIGN"), vAlignKeyword(valign));
    colors.appendTo(b);
    return b.finish(editExisting);
}

} // namespace lumaro
