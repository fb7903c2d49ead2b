#include "tablebuildermodel.h"
#include "namedcolors.h"

#include <QStringView>

namespace lumaro {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

/// The value starting at from: up to the first space or ">" (or the end).
QString valueFrom(const QString &text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && text[end] != QLatin1Char(' ') && text[end] != QLatin1Char('>'))
        ++end;
    return text.mid(from, end - from);
}

/// Position of the value of "NAME=" inside [from, limit), or -1.
qsizetype valueAt(const QString &text, const QString &name, qsizetype from, qsizetype limit)
{
    const QString key = name + QLatin1Char('=');
    if (from >= limit)
        return -1;
    // Search the cell's tag only, so a long table is read in linear time.
    const qsizetype at = QStringView(text).mid(from, limit - from).indexOf(key);
    return at < 0 ? -1 : from + at + key.size();
}

/// Where a cell's text ends: at its "</TD>", or, for a cell written without
/// an end tag, where the next cell, row or the table's end begins.
qsizetype cellEnd(const QString &text, qsizetype from)
{
    static const QStringList stops = {QStringLiteral("</TD>"), QStringLiteral("<TD"), QStringLiteral("<TR"),
                                      QStringLiteral("</TR"), QStringLiteral("</TABLE")};
    for (qsizetype i = from; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('<'))
            continue;
        const QStringView rest = QStringView(text).mid(i);
        for (const QString &stop : stops) {
            if (rest.startsWith(stop))
                return i;
        }
    }
    return text.size();
}

int alignmentOf(const QString &keyword)
{
    if (keyword == QLatin1String("LEFT"))
        return TableBuilderModel::AlignLeft;
    if (keyword == QLatin1String("CENTER"))
        return TableBuilderModel::AlignCenter;
    if (keyword == QLatin1String("RIGHT"))
        return TableBuilderModel::AlignRight;
    return TableBuilderModel::AlignNone;
}

} // namespace

TableBuilderModel::TableBuilderModel()
{
    resize(3, 3);
}

void TableBuilderModel::resize(int columns, int rows)
{
    const int oldRows = int(m_cells.size());
    const bool columnsChanged = qMax(1, columns) != m_columns;
    m_columns = qMax(1, columns);
    m_rows = qMax(1, rows);
    m_cells.resize(m_rows);
    // Only rows that are new need sizing unless the column count changed,
    // so a long table grows row by row in linear time.
    for (int r = columnsChanged ? 0 : qMin(oldRows, m_rows); r < m_rows; ++r)
        m_cells[r].resize(m_columns);
    m_widths.resize(m_columns, DefaultColumnWidth);
}

QString TableBuilderModel::cell(int column, int row) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return QString();
    return m_cells[row][column];
}

void TableBuilderModel::setCell(int column, int row, const QString &text)
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return;
    m_cells[row][column] = text;
}

int TableBuilderModel::columnWidth(int column) const
{
    return column >= 0 && column < m_columns ? m_widths[column] : DefaultColumnWidth;
}

void TableBuilderModel::setColumnWidth(int column, int width)
{
    if (column >= 0 && column < m_columns)
        m_widths[column] = qMax(0, width);
}

void TableBuilderModel::pickColor(int index, int currentRow)
{
    comboIndex = index;
    if (same)
        m_colors.fill(index);
    else
        m_colors.set(currentRow, index);
}

void TableBuilderModel::setSame(bool on)
{
    same = on;
    m_colors.fill(comboIndex);
}

void TableBuilderModel::insertRow() { resize(m_columns, m_rows + 1); }

void TableBuilderModel::insertColumn() { resize(m_columns + 1, m_rows); }

bool TableBuilderModel::removeRow()
{
    if (m_rows < 3)
        return false;
    resize(m_columns, m_rows - 1);
    return true;
}

bool TableBuilderModel::removeColumn()
{
    if (m_columns < 3)
        return false;
    resize(m_columns - 1, m_rows);
    return true;
}

void TableBuilderModel::moveColumn(int from, int to)
{
    if (from < 1 || to < 1 || from >= m_columns || to >= m_columns || from == to)
        return;
    for (QStringList &r : m_cells)
        r.move(from, to);
    m_widths.move(from, to);
    m_alignments.move(from, to);
}

void TableBuilderModel::moveRow(int from, int to)
{
    if (from < 1 || to < 1 || from >= m_rows || to >= m_rows || from == to)
        return;
    m_cells.move(from, to);
    m_colors.move(from, to);
}

void TableBuilderModel::fjerntabel(const QString &selection)
{
    for (int r = 1; r < m_rows; ++r) {
        for (QString &c : m_cells[r])
            c.clear();
    }
    m_alignments.fill(AlignLeft);
    m_colors.fill(-1);
    comboIndex = -1;

    if (!selection.contains(QLatin1String("<TABLE"))) {
        tableAlign = HAlign::Center;
        valignTop = true;
        borderOn = true;
        captionOn = true;
        same = true;
        colorOn = false;
        resize(3, 3);
        m_widths[1] = NewTableColumnWidth;
        m_widths[2] = NewTableColumnWidth;
        caption.clear();
        thickness = QStringLiteral("1");
        return;
    }

    // BORDER: the value ends at a space or at the ">" of the tag, so that a
    // table written without ALIGN does not take the rest of the line.
    const QString borderKey = QStringLiteral("BORDER=");
    if (const qsizetype at = selection.indexOf(borderKey); at >= 0)
        thickness = valueFrom(selection, at + borderKey.size());

    const QString alignKey = QStringLiteral("ALIGN=");
    if (const qsizetype at = selection.indexOf(alignKey); at >= 0) {
        const QString rest = selection.mid(at + alignKey.size());
        const qsizetype space = rest.indexOf(QLatin1Char(' '));
        int found = alignmentOf(space < 0 ? rest : rest.left(space));
        if (found == AlignNone) {
            const qsizetype close = rest.indexOf(QLatin1Char('>'));
            found = alignmentOf(close < 0 ? rest : rest.left(close));
        }
        if (found == AlignLeft)
            tableAlign = HAlign::Left;
        else if (found == AlignCenter)
            tableAlign = HAlign::Center;
        else if (found == AlignRight)
            tableAlign = HAlign::Right;
    }

    const qsizetype captionAt = selection.indexOf(QLatin1String("CAPTION"));
    if (captionAt < 0) {
        captionOn = false;
    } else {
        const QString valignKey = QStringLiteral("VALIGN=");
        const qsizetype v = selection.indexOf(valignKey, captionAt);
        if (v >= 0)
            valignTop = QStringView(selection).mid(v + valignKey.size(), 3) == QLatin1String("TOP");
        // Read the caption's text back too, so that OK does not lose it.
        const qsizetype start = selection.indexOf(QLatin1String("<CAPTION"));
        if (start >= 0) {
            const qsizetype close = selection.indexOf(QLatin1Char('>'), start);
            const qsizetype end = close < 0 ? -1 : selection.indexOf(QLatin1String("</CAPTION"), close);
            if (end >= 0)
                caption = selection.mid(close + 1, end - close - 1);
        }
    }

    readRows(selection);
}

void TableBuilderModel::readRows(const QString &text)
{
    const QString tr = QStringLiteral("<TR");
    const QString td = QStringLiteral("<TD");
    qsizetype pos = 0;
    qsizetype nextTr = -2;  // not searched yet
    int row = 1;
    for (qsizetype at = text.indexOf(tr, pos); at >= 0; at = text.indexOf(tr, pos)) {
        // Past "<TR" and the character after it.
        pos = qMin(text.size(), at + tr.size() + 1);
        int column = 1;
        for (;;) {
            const qsizetype cellAt = text.indexOf(td, pos);
            if (cellAt < 0)
                break;  // a row without cells adds nothing
            if (column >= m_columns)
                resize(column + 1, m_rows);
            if (m_rows <= row)
                resize(m_columns, row + 1);

            // Attributes are read from the cell's start tag only.
            const qsizetype attrFrom = cellAt + td.size();
            qsizetype tagEnd = text.indexOf(QLatin1Char('>'), attrFrom);
            if (tagEnd < 0)
                tagEnd = text.size();
            const qsizetype endTd = QStringView(text).mid(attrFrom, tagEnd - attrFrom).indexOf(QLatin1String("</TD"));
            const qsizetype limit = endTd < 0 ? tagEnd : attrFrom + endTd;

            if (const qsizetype v = valueAt(text, QStringLiteral("ALIGN"), attrFrom, limit); v >= 0) {
                const int a = alignmentOf(valueFrom(text, v));
                if (a != AlignNone)
                    m_alignments.set(column, a);
            }
            if (const qsizetype v = valueAt(text, QStringLiteral("BGCOLOR"), attrFrom, limit); v >= 0) {
                colorOn = true;
                same = false;
                const int index = NamedColors::lookup(valueFrom(text, v));
                m_colors.set(row, index);
                comboIndex = index;
            } else {
                colorOn = false;
                same = true;
            }
            if (const qsizetype v = valueAt(text, QStringLiteral("WIDTH"), attrFrom, limit); v >= 0) {
                QString value = valueFrom(text, v);
                if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
                    value = value.mid(1, value.size() - 2);
                bool ok = false;
                const int width = value.toInt(&ok);
                if (ok && width >= 0)
                    m_widths[column] = width;
            }

            const qsizetype textFrom = qMin(text.size(), tagEnd + 1);
            const qsizetype end = cellEnd(text, textFrom);
            m_cells[row][column] = text.mid(textFrom, end - textFrom);
            pos = end;

            const qsizetype nextTd = text.indexOf(td, pos);
            // The next row start is searched once per row, not once per cell.
            if (nextTr != -1 && nextTr < pos)
                nextTr = text.indexOf(tr, pos);
            if (nextTd >= 0 && (nextTr < 0 || nextTr > nextTd)) {
                ++column;
                continue;
            }
            break;
        }
        ++row;
    }
}

QString TableBuilderModel::build() const
{
    QString out = QStringLiteral("<TABLE");
    if (borderOn)
        out += QStringLiteral(" BORDER=") + thickness;
    out += QStringLiteral(" ALIGN=") + hAlignKeyword(tableAlign) + QLatin1Char('>') + kCrLf;
    if (captionOn) {
        out += QStringLiteral("<CAPTION") + (valignTop ? QStringLiteral(" VALIGN=TOP") : QStringLiteral(" VALIGN=BOTTOM"))
            + QStringLiteral(" ALIGN=CENTER>") + caption + QStringLiteral("</CAPTION>") + kCrLf;
    }
    for (int r = 1; r < m_rows; ++r) {
        out += QStringLiteral("<TR>") + kCrLf;
        const int color = m_colors.value(r);
        for (int c = 1; c < m_columns; ++c) {
            out += QStringLiteral("<TD");
            switch (m_alignments.value(c)) {
            case AlignLeft: out += QStringLiteral(" ALIGN=LEFT"); break;
            case AlignCenter: out += QStringLiteral(" ALIGN=CENTER"); break;
            case AlignRight: out += QStringLiteral(" ALIGN=RIGHT"); break;
            default: break;
            }
            if (colorOn && color >= 0 && color < NamedColors::Count)
                out += QStringLiteral(" BGCOLOR=") + NamedColors::value(color);
            out += QStringLiteral(" WIDTH=") + QString::number(m_widths[c]) + QLatin1Char('>') + m_cells[r][c]
                + QStringLiteral("</TD>") + kCrLf;
        }
        out += QStringLiteral("</TR>") + kCrLf;
    }
    out += QStringLiteral("</TABLE>");
    return out;
}

} // namespace lumaro
