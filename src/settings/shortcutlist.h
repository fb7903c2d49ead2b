#pragma once

#include "shortcutfile.h"

#include <QList>
#include <QString>

namespace lumaro {

/// Why a shortcut cannot be stored as entered.
enum class ShortcutProblem { None, KeyMissing, TagMissing, KeyInUse };

/// The inserted text of a tag shortcut and how far the caret goes back
/// afterwards (between the tags when nothing was selected).
struct ShortcutInsertion {
    QString text;
    int caretBack = 0;
};

/// The user's shortcuts in file order, and the operations of the
/// preferences' "Shortcuts" tab on them. No fixed limit on the count.
class ShortcutList {
public:
    static constexpr int kMaxTagLength = 255;

    ShortcutList() = default;
    explicit ShortcutList(QList<ShortcutRecord> records)
        : m_records(std::move(records))
    {
    }

    const QList<ShortcutRecord> &records() const { return m_records; }
    qsizetype size() const { return m_records.size(); }

    /// "New": appends the shortcut numbered "nyt" (tag cut to 255
    /// characters), then numbers every "nyt" record by its position.
    /// Returns the new record's index.
    qsizetype add(quint16 key, const QString &tag, bool useEndingTag);
    /// "Delete": removes every record whose tag equals tag and numbers the
    /// rest "1", "2", ... in order. Returns how many went.
    qsizetype removeTag(const QString &tag);
    /// "Modify": overwrites the record at row in place; the number stays.
    /// False when there is no such row.
    bool modify(qsizetype row, quint16 key, const QString &tag, bool useEndingTag);

    /// One grid row of fyldgrid: key text, tag, "True"/"False".
    struct Row {
        QString key;
        QString tag;
        QString endingTag;
        friend bool operator==(const Row &, const Row &) = default;
    };
    /// The grid's rows; one empty row when there are no records.
    QList<Row> rows() const;

    /// Whether another record (not the one at except) or the main window
    /// already uses the key.
    bool keyInUse(quint16 key, qsizetype except = -1) const;
    /// The check of the new-shortcut dialog's "Ok".
    ShortcutProblem check(quint16 key, const QString &tag, qsizetype except = -1) const;
    /// The message for a problem: "skal udfyldes" or "This key is already in use".
    static QString message(ShortcutProblem problem);

    /// The ending tag of a tag: "</" + its name (after "<", up to the first
    /// blank or ">") + ">"; "<A HREF=x>" gives "</A>".
    static QString endingTag(const QString &tag);
    /// What a tag shortcut writes over the selection.
    static ShortcutInsertion insertion(const ShortcutRecord &record, const QString &selected);

private:
    QList<ShortcutRecord> m_records;
};

} // namespace lumaro
