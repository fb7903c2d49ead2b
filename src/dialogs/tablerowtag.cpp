#include "tablerowtag.h"
#include "tagbuilder.h"
#include "tagdecoder.h"

namespace lumaro {

void TableRowTag::decode(const QString &tagText)
{
    *this = TableRowTag();
    if (!TagDecoder::startsWithTag(tagText, QStringLiteral("<TR")))
        return;
    editExisting = true;
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("ALIGN")))
        align = hAlignFromKeyword(*v, align);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("VALIGN")))
        valign = vAlignFromKeyword(*v, valign);
    colors.decode(tagText);
}

QString TableRowTag::build() const
{
    TagBuilder b(QStringLiteral("TR"));
    b.add(QStringLiteral("ALIGN"), hAlignKeyword(align));
    if (valign != VAlign::Center)
        b.add(QStringLiteral("VALIGN"), vAlignKeyword(valign));
    colors.appendTo(b);
    return b.finish(editExisting);
}

} // namespace lumaro
