#include "tablecaptiontag.h"
#include "tagbuilder.h"
#include "tagdecoder.h"

namespace lumaro {

void TableCaptionTag::decode(const QString &tagText)
{
    *this = TableCaptionTag();
    if (!TagDecoder::startsWithTag(tagText, QStringLiteral("<CAPTION")))
        return;
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("ALIGN")))
        align = hAlignFromKeyword(*v, align);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("VALIGN")))
        valign = vAlignFromKeyword(*v, valign);
    content = TagDecoder::content(tagText);
}

QString TableCaptionTag::build() const
{
    TagBuilder b(QStringLiteral("CAPTION"));
    b.add(QStringLiteral("ALIGN"), hAlignKeyword(align));
    // The caption knows only Top and Bottom; a stray Center is written as Top.
    b.add(QStringLiteral("VALIGN"), vAlignKeyword(valign == VAlign::Bottom ? VAlign::Bottom : VAlign::Top));
    return b.element(content) + QStringLiteral("\r\n");
}

} // namespace lumaro
