#include "tabledatatag.h"
#include "tagbuilder.h"
#include "tagdecoder.h"

namespace lumaro {

void TableDataTag::decode(const QString &tagText)
{
    *this = TableDataTag();
    if (!TagDecoder::startsWithTag(tagText, QStringLiteral("<TD")))
        return;
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("ALIGN")))
        align = hAlignFromKeyword(*v, align);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("VALIGN")))
        valign = vAlignFromKeyword(*v, valign);
    colors.decode(tagText);
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("WIDTH")))
        width = *v;
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("ROWSPAN")))
        rowspan = *v;
    if (const auto v = TagDecoder::attribute(tagText, QStringLiteral("COLSPAN")))
        colspan = *v;
    content = TagDecoder::content(tagText);
}

QString TableDataTag::build() const
{
    TagBuilder b(QStringLiteral("TD"));
    if (align != HAlign::Left)
        b.add(QStringLiteral("ALIGN"), hAlignKeyword(align));
    if (valign != VAlign::Center)
        b.add(QStringLiteral("VALIGN"), vAlignKeyword(valign));
    const QString zero = QStringLiteral("0");
    if (width != zero)
        b.add(QStringLiteral("WIDTH"), width);
    if (colspan != zero)
        b.add(QStringLiteral("COLSPAN"), colspan);
    if (rowspan != zero)
        b.add(QStringLiteral("ROWSPAN"), rowspan);
    colors.appendTo(b);
    return b.element(content);
}

} // namespace lumaro
