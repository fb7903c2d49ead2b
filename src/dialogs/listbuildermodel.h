#pragma once

#include <QList>
#include <QString>

namespace lumaro {

/// The state of the list builder: a grid of item rows under one fixed row
/// (data rows are 1 .. rowCount()-1), each with a text in column 1 and, for
/// definition lists, a definition in column 2, plus the list type and the
/// ordered list's numbering.
///
/// Both columns are always kept, so definitions hidden while another list
/// type is chosen come back with "Definition list". It reads a list back
/// from the selection (`fjernlist`) and writes the whole list element
/// (`lavblist`, `lavolist`, `lavdlist`).
class ListBuilderModel {
public:
    enum class ListType { Bulleted, Ordered, Definition };
    /// Numbering of an ordered list: "1..2..3", "a..b..c", "A..B..C",
    /// "i..ii..iii", "I..II..III".
    static constexpr int OrderedTypeCount = 5;
    /// The TYPE code of an ordered numbering ("1", "a", "A", "i", "I").
    static QString orderedTypeCode(int index);

    /// A new bulleted list with two empty items.
    ListBuilderModel();

    /// Rows of the grid, the fixed row included.
    int rowCount() const { return int(m_rows.size()) + 1; }
    /// Column 1: the item or term; column 2: the definition.
    QString cell(int column, int row) const;
    void setCell(int column, int row, const QString &text);

    /// Adds an empty row at the bottom.
    void insertRow();
    /// Removes the last row while at least three rows exist (one item row
    /// always remains); false when nothing was removed.
    bool removeRow();
    /// Moves a data row, as dragging it by its header does.
    void moveRow(int from, int to);

    ListType listType = ListType::Bulleted;
    int orderedType = 0;  ///< 0 .. OrderedTypeCount-1
    /// What the selection held after the list's end tag, put back unchanged.
    QString trailing;
    /// The list start tag's attributes as selected (" CLASS=\"nav\"" ...),
    /// written into the list tag of whichever type is chosen; an ordered
    /// list's TYPE is not among them, its items carry the numbering.
    QString startAttributes;

    /// Resets to a new two-item bulleted list and, when the selection begins
    /// with a "<UL", "<OL" or "<DL" start tag, reads the list instead.
    void fjernlist(const QString &selection);
    /// Read the items of a bulleted, ordered or definition list whose start
    /// tag ends at from.
    void fjernblist(const QString &text, qsizetype from);
    void fjernolist(const QString &text, qsizetype from);
    void fjerndlist(const QString &text, qsizetype from);

    /// The list element of each type, one item per line, then the trailing text.
    QString lavblist() const;
    QString lavolist() const;
    QString lavdlist() const;
    /// The list of the chosen type.
    QString build() const;

private:
    struct Row {
        QString text;
        QString definition;
    };
    /// Where the list ends ("</UL" ...): sets trailing, returns the limit of
    /// the items.
    qsizetype readEnd(const QString &text, const QString &endTag, qsizetype from);
    /// Reads the "<LI" items up to endTag (or the end of the text).
    void readItems(const QString &text, qsizetype from, const QString &endTag);
    void keepAtLeastOneRow();

    QList<Row> m_rows;
};

} // namespace lumaro
