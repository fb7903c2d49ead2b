#include "listbuildermodel.h"
#include "elementstart.h"
#include "tagattributes.h"

namespace lumaro {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

/// The next item tag marker ("<LI", "<DT", "<DD") in [from, limit) that is
/// followed by ">" or a blank; -1 when none.
qsizetype nextMarker(const QString &text, const QString &marker, qsizetype from, qsizetype limit)
{
    for (qsizetype at = text.indexOf(marker, from); at >= 0 && at < limit; at = text.indexOf(marker, at + 1)) {
        if (ElementStart::begins(text, marker, at))
            return at;
    }
    return -1;
}

/// An item's text as one line: a line break inside it becomes a blank, so
/// words on two lines stay apart, and blanks at its ends are dropped.
QString itemText(const QString &text, qsizetype from, qsizetype to)
{
    QString t = text.mid(from, to - from);
    t.replace(kCrLf, QStringLiteral(" "));
    t.replace(QLatin1Char('\r'), QLatin1Char(' '));
    t.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return t.trimmed();
}

/// Where an item's text begins: after its tag's ">", never past limit.
qsizetype textStart(const QString &text, qsizetype tagAt, qsizetype limit)
{
    return qMin(ElementStart::tagEnd(text, tagAt), limit);
}

} // namespace

QString ListBuilderModel::orderedTypeCode(int index)
{
    static const char *const codes[OrderedTypeCount] = {"1", "a", "A", "i", "I"};
    return index >= 0 && index < OrderedTypeCount ? QString::fromLatin1(codes[index]) : QString();
}

ListBuilderModel::ListBuilderModel()
    : m_rows(2)
{
}

QString ListBuilderModel::cell(int column, int row) const
{
    if (row < 1 || row >= rowCount())
        return QString();
    const Row &r = m_rows[row - 1];
    return column == 1 ? r.text : column == 2 ? r.definition : QString();
}

void ListBuilderModel::setCell(int column, int row, const QString &text)
{
    if (row < 1 || row >= rowCount())
        return;
    if (column == 1)
        m_rows[row - 1].text = text;
    else if (column == 2)
        m_rows[row - 1].definition = text;
}

void ListBuilderModel::insertRow() { m_rows.append(Row()); }

bool ListBuilderModel::removeRow()
{
    if (rowCount() < 3)
        return false;
    m_rows.removeLast();
    return true;
}

void ListBuilderModel::moveRow(int from, int to)
{
    if (from < 1 || to < 1 || from >= rowCount() || to >= rowCount() || from == to)
        return;
    m_rows.move(from - 1, to - 1);
}

void ListBuilderModel::keepAtLeastOneRow()
{
    if (m_rows.isEmpty())
        m_rows.append(Row());
}

void ListBuilderModel::fjernlist(const QString &selection)
{
    *this = ListBuilderModel();
    const qsizetype from = ElementStart::tagEnd(selection);
    const bool list = ElementStart::begins(selection, QStringLiteral("<UL"))
        || ElementStart::begins(selection, QStringLiteral("<OL")) || ElementStart::begins(selection, QStringLiteral("<DL"));
    if (list) {
        QString start = selection.left(from);
        if (start.endsWith(QLatin1Char('>')))
            start.chop(1);
        if (start.startsWith(QLatin1String("<OL")))
            start = TagAttributes::without(start, QStringLiteral("TYPE"));
        startAttributes = start.mid(3);
    }
    if (ElementStart::begins(selection, QStringLiteral("<UL")))
        fjernblist(selection, from);
    else if (ElementStart::begins(selection, QStringLiteral("<OL")))
        fjernolist(selection, from);
    else if (ElementStart::begins(selection, QStringLiteral("<DL")))
        fjerndlist(selection, from);
}

qsizetype ListBuilderModel::readEnd(const QString &text, const QString &endTag, qsizetype from)
{
    qsizetype after = text.size();
    const qsizetype at = ElementStart::endTag(text, endTag, from, &after);
    trailing = text.mid(after);
    return at < 0 ? text.size() : at;
}

void ListBuilderModel::readItems(const QString &text, qsizetype from, const QString &endTag)
{
    m_rows.clear();
    const QString li = QStringLiteral("<LI");
    const qsizetype limit = readEnd(text, endTag, from);
    for (qsizetype at = nextMarker(text, li, from, limit); at >= 0;) {
        // The item tag is skipped whole, so "<LI TYPE=a>" starts an item too.
        const qsizetype begin = textStart(text, at, limit);
        const qsizetype next = nextMarker(text, li, begin, limit);
        m_rows.append({itemText(text, begin, next < 0 ? limit : next), QString()});
        at = next;
    }
    keepAtLeastOneRow();
}

void ListBuilderModel::fjernblist(const QString &text, qsizetype from)
{
    listType = ListType::Bulleted;
    readItems(text, from, QStringLiteral("</UL"));
}

void ListBuilderModel::fjernolist(const QString &text, qsizetype from)
{
    listType = ListType::Ordered;
    readItems(text, from, QStringLiteral("</OL"));
    // The numbering is read from the list's own tag, else from the first item
    // tag that names one; quoted or bare.
    std::optional<QString> type = TagAttributes::value(text.left(from), QStringLiteral("TYPE"));
    const QString li = QStringLiteral("<LI");
    const qsizetype end = ElementStart::endTag(text, QStringLiteral("</OL"), from, nullptr);
    const qsizetype limit = end < 0 ? text.size() : end;
    for (qsizetype at = nextMarker(text, li, from, limit); !type && at >= 0; at = nextMarker(text, li, at + 1, limit))
        type = TagAttributes::value(text.mid(at, textStart(text, at, limit) - at), QStringLiteral("TYPE"));
    if (!type || type->isEmpty())
        return;
    for (int i = 0; i < OrderedTypeCount; ++i) {
        if (type->at(0) == orderedTypeCode(i).at(0))
            orderedType = i;
    }
}

void ListBuilderModel::fjerndlist(const QString &text, qsizetype from)
{
    listType = ListType::Definition;
    m_rows.clear();
    const QString dt = QStringLiteral("<DT");
    const QString dd = QStringLiteral("<DD");
    const qsizetype limit = readEnd(text, QStringLiteral("</DL"), from);
    // The next term and definition tags are found once each and searched
    // again only when passed, so a long list is read in linear time.
    qsizetype nextDt = nextMarker(text, dt, from, limit);
    qsizetype nextDd = nextMarker(text, dd, from, limit);
    bool rowHasDefinition = true;
    while (nextDt >= 0 || nextDd >= 0) {
        const bool isTerm = nextDd < 0 || (nextDt >= 0 && nextDt < nextDd);
        const qsizetype at = isTerm ? nextDt : nextDd;
        const qsizetype begin = textStart(text, at, limit);
        if (nextDt >= 0 && nextDt < begin)
            nextDt = nextMarker(text, dt, begin, limit);
        if (nextDd >= 0 && nextDd < begin)
            nextDd = nextMarker(text, dd, begin, limit);
        qsizetype end = limit;
        if (nextDt >= 0)
            end = nextDt;
        if (nextDd >= 0 && nextDd < end)
            end = nextDd;
        const QString t = itemText(text, begin, end);
        if (isTerm) {
            m_rows.append({t, QString()});
            rowHasDefinition = false;
        } else if (!rowHasDefinition) {
            m_rows.last().definition = t;
            rowHasDefinition = true;
        } else {
            // A definition without a term of its own keeps a row of its own.
            m_rows.append({QString(), t});
        }
    }
    keepAtLeastOneRow();
}

QString ListBuilderModel::lavblist() const
{
    QString out = QStringLiteral("<UL") + startAttributes + QLatin1Char('>') + kCrLf;
    for (const Row &r : m_rows)
        out += QStringLiteral("<LI>") + r.text + kCrLf;
    return out + QStringLiteral("</UL>") + trailing;
}

QString ListBuilderModel::lavolist() const
{
    const QString item = QStringLiteral("<LI TYPE=") + orderedTypeCode(orderedType) + QLatin1Char('>');
    QString out = QStringLiteral("<OL") + startAttributes + QLatin1Char('>') + kCrLf;
    for (const Row &r : m_rows)
        out += item + r.text + kCrLf;
    return out + QStringLiteral("</OL>") + trailing;
}

QString ListBuilderModel::lavdlist() const
{
    QString out = QStringLiteral("<DL") + startAttributes + QLatin1Char('>') + kCrLf;
    for (const Row &r : m_rows)
        out += QStringLiteral("<DT>") + r.text + QStringLiteral("<DD>") + r.definition + kCrLf;
    return out + QStringLiteral("</DL>") + trailing;
}

QString ListBuilderModel::build() const
{
    switch (listType) {
    case ListType::Ordered: return lavolist();
    case ListType::Definition: return lavdlist();
    case ListType::Bulleted: break;
    }
    return lavblist();
}

} // namespace lumaro
