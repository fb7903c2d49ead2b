#include "memolines.h"

namespace lumaro {

QStringList MemoLines::lines(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    plain.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (plain.isEmpty())
        return {};
    QStringList result = plain.split(QLatin1Char('\n'));
    if (plain.endsWith(QLatin1Char('\n')))
        result.removeLast();
    return result;
}

QString MemoLines::text(const QStringList &lines)
{
    QString result = lines.join(QLatin1Char('\n'));
    // Without it an empty last line would vanish when the text is read back.
    if (!lines.isEmpty() && lines.last().isEmpty())
        result += QLatin1Char('\n');
    return result;
}

} // namespace lumaro
