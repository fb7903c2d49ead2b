#include "noframesblock.h"
#include "memolines.h"

namespace lumaro {

QString NoFramesBlock::wrap(const QString &selected)
{
    return QStringLiteral("<NOFRAMES>") + selected + QStringLiteral("</NOFRAMES>");
}

QString NoFramesBlock::build(const QString &memoText)
{
    QString text = QStringLiteral("<NOFRAMES>\r\n");
    for (const QString &line : MemoLines::lines(memoText))
        text += line + QStringLiteral("\r\n");
    return text + QStringLiteral("</NOFRAMES>\r\n");
}

} // namespace lumaro
