#include "shortcutlist.h"
#include "shortcutkey.h"

namespace lumaro {

namespace {
const QString kUnnumbered = QStringLiteral("nyt");
}

qsizetype ShortcutList::add(quint16 key, const QString &tag, bool useEndingTag)
{
    m_records.append({kUnnumbered, key, tag.left(kMaxTagLength), useEndingTag});
    for (qsizetype i = 0; i < m_records.size(); ++i)
        if (m_records[i].number == kUnnumbered)
            m_records[i].number = QString::number(i + 1);
    return m_records.size() - 1;
}

qsizetype ShortcutList::removeTag(const QString &tag)
{
    const qsizetype removed = m_records.removeIf([&](const ShortcutRecord &r) { return r.tag == tag; });
    if (removed > 0)
        for (qsizetype i = 0; i < m_records.size(); ++i)
            m_records[i].number = QString::number(i + 1);
    return removed;
}

bool ShortcutList::modify(qsizetype row, quint16 key, const QString &tag, bool useEndingTag)
{
    if (row < 0 || row >= m_records.size())
        return false;
    ShortcutRecord &record = m_records[row];
    record.key = key;
    record.tag = tag.left(kMaxTagLength);
    record.useEndingTag = useEndingTag;
    return true;
}

QList<ShortcutList::Row> ShortcutList::rows() const
{
    QList<Row> rows;
    for (const ShortcutRecord &r : m_records)
        rows.append({ShortcutKey::text(r.key), r.tag,
                     r.useEndingTag ? QStringLiteral("True") : QStringLiteral("False")});
    if (rows.isEmpty())
        rows.append(Row{});
    return rows;
}

bool ShortcutList::keyInUse(quint16 key, qsizetype except) const
{
    if (ShortcutKey::reserved(key) || ShortcutKey::editorKey(key))
        return true;
    for (qsizetype i = 0; i < m_records.size(); ++i)
        if (i != except && m_records[i].key == key)
            return true;
    return false;
}

ShortcutProblem ShortcutList::check(quint16 key, const QString &tag, qsizetype except) const
{
    if (key == 0)
        return ShortcutProblem::KeyMissing;
    if (tag.isEmpty())
        return ShortcutProblem::TagMissing;
    if (keyInUse(key, except))
        return ShortcutProblem::KeyInUse;
    return ShortcutProblem::None;
}

QString ShortcutList::message(ShortcutProblem problem)
{
    switch (problem) {
    case ShortcutProblem::KeyMissing:
    case ShortcutProblem::TagMissing:
        return QStringLiteral("skal udfyldes");
    case ShortcutProblem::KeyInUse:
        return QStringLiteral("This key is already in use");
    case ShortcutProblem::None:
        break;
    }
    return {};
}

QString ShortcutList::endingTag(const QString &tag)
{
    qsizetype start = tag.startsWith(QLatin1Char('<')) ? 1 : 0;
    qsizetype end = start;
    while (end < tag.size() && !tag[end].isSpace() && tag[end] != QLatin1Char('>'))
        ++end;
    return QStringLiteral("</") + tag.mid(start, end - start) + QLatin1Char('>');
}

ShortcutInsertion ShortcutList::insertion(const ShortcutRecord &record, const QString &selected)
{
    if (!record.useEndingTag)
        return {record.tag, 0};
    const QString ending = endingTag(record.tag);
    return {record.tag + selected + ending, selected.isEmpty() ? int(ending.size()) : 0};
}

} // namespace lumaro
