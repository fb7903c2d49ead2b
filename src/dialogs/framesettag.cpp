#include "framesettag.h"
#include "tagattributes.h"

namespace lumaro {

void FramesetTag::decode(const QString &tagText)
{
    *this = FramesetTag();
    if (tagText.isEmpty())
        return;
    editExisting = true;
    if (const auto v = TagAttributes::value(tagText, QStringLiteral("ROWS"))) {
        rows = *v;
        direction = Direction::Rows;
    }
    if (const auto v = TagAttributes::value(tagText, QStringLiteral("COLS"))) {
        cols = *v;
        direction = Direction::Cols;
    }
}

QString FramesetTag::build() const
{
    QString text = QStringLiteral("<FRAMESET ");
    if (direction == Direction::Rows)
        text += QStringLiteral("ROWS=\"") + rows + QStringLiteral("\">");
    else
        text += QStringLiteral("COLS=\"") + cols + QStringLiteral("\">");
    // One line break: the user moves up and types the frames between the tags.
    if (!editExisting)
        text += QStringLiteral("\r\n</FRAMESET>");
    return text;
}

} // namespace lumaro
