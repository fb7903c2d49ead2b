#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

namespace lumaro {

/// The special-character table: the national characters (accented Latin-1
/// letters) and the HTML entities they are written as, read from the
/// installation's "spectags.dat", and the two whole-text conversions between
/// them.
///
/// The file is one record of 5200 bytes: 100 character strings of 26 bytes
/// (a length byte 0..25 and 25 bytes of Windows-1252 text), then 100 entity
/// strings in the same layout; entry i of both belongs together. Entries
/// 1..55 are used, each a one-character string and a non-empty entity.
class SpecialChars {
public:
    struct Pair {
        QString character;
        QString entity;
    };

    /// One change of a conversion: the text at position (of length) is
    /// replaced by text.
    struct Replacement {
        qsizetype position = 0;
        qsizetype length = 0;
        QString text;
    };
    /// A conversion as passes of replacements; each pass's positions refer
    /// to the text as the previous passes left it, in increasing order.
    using Plan = QList<QList<Replacement>>;

    static constexpr int kRecordSize = 5200;
    static constexpr int kEntriesUsed = 55;
    static constexpr int kFieldSize = 26;
    static constexpr int kMaxText = 25;

    /// Reads the table from a file. Nothing, with a message for the user,
    /// when the file is missing, shorter than 5200 bytes or damaged.
    static std::optional<SpecialChars> lavarray(const QString &fileName, QString *error);
    /// Reads the table from the record's bytes.
    static std::optional<SpecialChars> fromBytes(const QByteArray &record, QString *error);
    /// A table of the given pairs (each a one-character string and a
    /// non-empty entity).
    static std::optional<SpecialChars> fromPairs(const QList<Pair> &pairs, QString *error);
    /// The record of a table (at most 100 pairs; texts cut to 25 bytes).
    static QByteArray toBytes(const QList<Pair> &pairs);
    /// The 55 letters of the palette, left column (lower case) top to
    /// bottom, then the right column (upper case): the natural contents of
    /// "spectags.dat".
    static const QList<Pair> &standardPairs();

    /// Characters to entities in the whole text: for each entry in turn
    /// every occurrence of its character becomes its entity.
    QString chartiltags(const QString &text) const;
    /// Entities to characters in the whole text: for each entry in turn
    /// every occurrence of its entity (matching case) becomes its character.
    /// Entities that are not in the table stay as they are.
    QString tagstilchar(const QString &text) const;
    const QList<Pair> &pairs() const { return m_pairs; }

    /// The replacements the conversions make, for editors that change only
    /// the replaced characters. A table whose entries cannot affect each
    /// other (the usual case) gives a single pass.
    Plan chartiltagsPlan(const QString &text) const;
    Plan tagstilcharPlan(const QString &text) const;
    /// Applies one pass of replacements to a text.
    static QString apply(const QString &text, const QList<Replacement> &pass);

private:
    SpecialChars() = default;
    void prepare();
    QList<Replacement> charPass(const QString &text, qsizetype entry) const;
    QList<Replacement> entityPass(const QString &text, qsizetype entry) const;

    QList<Pair> m_pairs;
    // Whether one left-to-right pass gives the same result as the entry by
    // entry conversion.
    bool m_charsSinglePass = false;
    bool m_entitiesSinglePass = false;
    // Characters (sorted, first entry wins) and the entry each stands for.
    QList<QPair<char16_t, qsizetype>> m_charIndex;
    QHash<QString, qsizetype> m_entityIndex;
    int m_longestEntity = 0;
};

} // namespace lumaro
