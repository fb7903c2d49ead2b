#include "textreplacer.h"

namespace lumaro {

QList<qsizetype> TextReplacer::matches(QStringView text, qsizetype from, QStringView find,
                                       QStringView replacement, bool wholeWord, bool matchCase)
{
    QList<qsizetype> found;
    if (find.isEmpty())
        return found;
    const Qt::CaseSensitivity cs = matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    qsizetype pos = qBound(qsizetype(0), from, text.size());
    // The character in front of pos as the changed text has it (none at 0).
    QChar before = pos > 0 ? text[pos - 1] : QChar();
    bool hasBefore = pos > 0;
    qsizetype scan = pos;
    while (scan <= text.size() - find.size()) {
        const qsizetype m = text.indexOf(find, scan, cs);
        if (m < 0)
            break;
        if (wholeWord) {
            const bool prevIsWord = m > pos ? isWordChar(text[m - 1]) : (hasBefore && isWordChar(before));
            const qsizetype after = m + find.size();
            const bool nextIsWord = after < text.size() && isWordChar(text[after]);
            if (prevIsWord || nextIsWord) {
                scan = m + 1;
                continue;
            }
        }
        found.append(m);
        if (!replacement.isEmpty()) {
            before = replacement.back();
            hasBefore = true;
        } else if (m > pos) {
            before = text[m - 1];
            hasBefore = true;
        }
        pos = m + find.size();
        scan = pos;
    }
    return found;
}

QString TextReplacer::apply(QStringView text, const QList<qsizetype> &matches, qsizetype findLength,
                            QStringView replacement)
{
    QString out;
    out.reserve(text.size() + matches.size() * (replacement.size() - findLength));
    qsizetype pos = 0;
    for (const qsizetype m : matches) {
        out.append(text.mid(pos, m - pos));
        out.append(replacement);
        pos = m + findLength;
    }
    out.append(text.mid(pos));
    return out;
}

} // namespace lumaro
