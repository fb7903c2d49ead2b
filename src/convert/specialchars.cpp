#include "specialchars.h"

#include "textfile.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace lumaro {

namespace {

QString nativeName(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

} // namespace

const QList<SpecialChars::Pair> &SpecialChars::standardPairs()
{
    static const QList<Pair> pairs = [] {
        // Latin-1 code and entity of each palette letter, column by column.
        static const struct {
            char16_t code;
            const char *entity;
        } letters[] = {
            {230, "&aelig;"},  {248, "&oslash;"}, {229, "&aring;"},  {224, "&agrave;"},
            {225, "&aacute;"}, {226, "&acirc;"},  {228, "&auml;"},   {227, "&atilde;"},
            {232, "&egrave;"}, {233, "&eacute;"}, {234, "&ecirc;"},  {235, "&euml;"},
            {241, "&ntilde;"}, {236, "&igrave;"}, {237, "&iacute;"}, {238, "&icirc;"},
            {239, "&iuml;"},   {242, "&ograve;"}, {243, "&oacute;"}, {244, "&ocirc;"},
            {246, "&ouml;"},   {245, "&otilde;"}, {249, "&ugrave;"}, {250, "&uacute;"},
            {251, "&ucirc;"},  {252, "&uuml;"},   {253, "&yacute;"}, {255, "&yuml;"},
            {198, "&AElig;"},  {216, "&Oslash;"}, {197, "&Aring;"},  {192, "&Agrave;"},
            {193, "&Aacute;"}, {194, "&Acirc;"},  {196, "&Auml;"},   {195, "&Atilde;"},
            {200, "&Egrave;"}, {201, "&Eacute;"}, {202, "&Ecirc;"},  {203, "&Euml;"},
            {209, "&Ntilde;"}, {204, "&Igrave;"}, {205, "&Iacute;"}, {206, "&Icirc;"},
            {207, "&Iuml;"},   {210, "&Ograve;"}, {211, "&Oacute;"}, {212, "&Ocirc;"},
            {214, "&Ouml;"},   {213, "&Otilde;"}, {217, "&Ugrave;"}, {218, "&Uacute;"},
            {219, "&Ucirc;"},  {220, "&Uuml;"},   {221, "&Yacute;"},
        };
        QList<Pair> list;
        for (const auto &l : letters)
            list.append({QString(QChar(l.code)), QString::fromLatin1(l.entity)});
        return list;
    }();
    return pairs;
}

std::optional<SpecialChars> SpecialChars::lavarray(const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = QStringLiteral("Cannot open the special character table \"%1\". %2")
                         .arg(nativeName(fileName), file.errorString());
        }
        return std::nullopt;
    }
    const QByteArray record = file.read(kRecordSize);
    if (record.size() < kRecordSize) {
        if (error) {
            *error = QStringLiteral("The special character table \"%1\" is too short: it holds %2 "
                                    "bytes, a table needs %3.")
                         .arg(nativeName(fileName))
                         .arg(record.size())
                         .arg(kRecordSize);
        }
        return std::nullopt;
    }
    QString reason;
    std::optional<SpecialChars> table = fromBytes(record, &reason);
    if (!table && error)
        *error = QStringLiteral("The special character table \"%1\" is damaged: %2")
                     .arg(nativeName(fileName), reason);
    return table;
}

std::optional<SpecialChars> SpecialChars::fromBytes(const QByteArray &record, QString *error)
{
    if (record.size() < kRecordSize) {
        if (error)
            *error = QStringLiteral("a table needs %1 bytes, not %2.").arg(kRecordSize).arg(record.size());
        return std::nullopt;
    }
    auto field = [&record](int offset, int entry, QString *text) {
        const int at = offset + (entry - 1) * kFieldSize;
        const int length = quint8(record[at]);
        if (length > kMaxText)
            return false;
        *text = TextFile::fromWindows1252(record.mid(at + 1, length));
        return true;
    };
    QList<Pair> pairs;
    for (int entry = 1; entry <= kEntriesUsed; ++entry) {
        Pair pair;
        if (!field(0, entry, &pair.character) || !field(kRecordSize / 2, entry, &pair.entity)) {
            if (error)
                *error = QStringLiteral("entry %1 has a length above 25.").arg(entry);
            return std::nullopt;
        }
        pairs.append(pair);
    }
    return fromPairs(pairs, error);
}

std::optional<SpecialChars> SpecialChars::fromPairs(const QList<Pair> &pairs, QString *error)
{
    for (qsizetype i = 0; i < pairs.size(); ++i) {
        if (pairs[i].character.size() != 1 || pairs[i].entity.isEmpty()) {
            if (error) {
                *error = QStringLiteral("entry %1 must hold one character and an entity.").arg(i + 1);
            }
            return std::nullopt;
        }
    }
    SpecialChars table;
    table.m_pairs = pairs;
    table.prepare();
    return table;
}

QByteArray SpecialChars::toBytes(const QList<Pair> &pairs)
{
    QByteArray record(kRecordSize, '\0');
    auto put = [&record](int offset, qsizetype entry, const QString &text) {
        const QByteArray bytes = TextFile::toWindows1252(text).left(kMaxText);
        const qsizetype at = offset + entry * kFieldSize;
        record[at] = char(bytes.size());
        std::copy(bytes.begin(), bytes.end(), record.begin() + at + 1);
    };
    for (qsizetype i = 0; i < pairs.size() && i < 100; ++i) {
        put(0, i, pairs[i].character);
        put(kRecordSize / 2, i, pairs[i].entity);
    }
    return record;
}

void SpecialChars::prepare()
{
    QString allCharacters;
    m_charIndex.clear();
    m_entityIndex.clear();
    m_longestEntity = 0;
    for (qsizetype i = 0; i < m_pairs.size(); ++i) {
        const char16_t c = m_pairs[i].character.at(0).unicode();
        allCharacters += m_pairs[i].character;
        if (std::none_of(m_charIndex.cbegin(), m_charIndex.cend(),
                         [c](const auto &entry) { return entry.first == c; }))
            m_charIndex.append({c, i});
        if (!m_entityIndex.contains(m_pairs[i].entity))
            m_entityIndex.insert(m_pairs[i].entity, i);
        m_longestEntity = qMax(m_longestEntity, int(m_pairs[i].entity.size()));
    }
    std::sort(m_charIndex.begin(), m_charIndex.end());

    // One pass equals entry by entry when no entity holds a character of the
    // table (a later entry would otherwise change an earlier entity).
    bool entitiesHoldCharacters = false;
    for (const Pair &p : std::as_const(m_pairs)) {
        for (QChar c : p.entity) {
            if (allCharacters.contains(c))
                entitiesHoldCharacters = true;
        }
    }
    m_charsSinglePass = !entitiesHoldCharacters;

    // Back to characters, one pass is the same when every entity runs from
    // "&" to the next ";" (so two matches never overlap) and no character
    // can become part of an entity.
    bool delimited = true;
    for (const Pair &p : std::as_const(m_pairs)) {
        const QString &e = p.entity;
        if (e.size() < 2 || e.front() != QLatin1Char('&') || e.back() != QLatin1Char(';')
            || QStringView(e).mid(1, e.size() - 2).contains(QLatin1Char('&'))
            || QStringView(e).mid(1, e.size() - 2).contains(QLatin1Char(';')))
            delimited = false;
    }
    m_entitiesSinglePass = delimited && !entitiesHoldCharacters
                           && !allCharacters.contains(QLatin1Char('&'))
                           && !allCharacters.contains(QLatin1Char(';'));
}

QList<SpecialChars::Replacement> SpecialChars::charPass(const QString &text, qsizetype entry) const
{
    QList<Replacement> pass;
    const QChar c = m_pairs[entry].character.at(0);
    for (qsizetype at = text.indexOf(c); at >= 0; at = text.indexOf(c, at + 1))
        pass.append({at, 1, m_pairs[entry].entity});
    return pass;
}

QList<SpecialChars::Replacement> SpecialChars::entityPass(const QString &text, qsizetype entry) const
{
    QList<Replacement> pass;
    const QString &entity = m_pairs[entry].entity;
    for (qsizetype at = text.indexOf(entity); at >= 0; at = text.indexOf(entity, at + entity.size()))
        pass.append({at, entity.size(), m_pairs[entry].character});
    return pass;
}

SpecialChars::Plan SpecialChars::chartiltagsPlan(const QString &text) const
{
    Plan plan;
    if (m_charsSinglePass) {
        QList<Replacement> pass;
        const char16_t lowest = m_charIndex.isEmpty() ? 0xFFFF : m_charIndex.constFirst().first;
        const char16_t *data = reinterpret_cast<const char16_t *>(text.utf16());
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const char16_t c = data[i];
            if (c < lowest)
                continue;
            const auto it = std::lower_bound(m_charIndex.cbegin(), m_charIndex.cend(),
                                             QPair<char16_t, qsizetype>(c, -1));
            if (it != m_charIndex.cend() && it->first == c)
                pass.append({i, 1, m_pairs[it->second].entity});
        }
        plan.append(pass);
        return plan;
    }
    QString current = text;
    for (qsizetype entry = 0; entry < m_pairs.size(); ++entry) {
        QList<Replacement> pass = charPass(current, entry);
        if (pass.isEmpty())
            continue;
        current = apply(current, pass);
        plan.append(pass);
    }
    return plan;
}

SpecialChars::Plan SpecialChars::tagstilcharPlan(const QString &text) const
{
    Plan plan;
    if (m_entitiesSinglePass) {
        QList<Replacement> pass;
        const qsizetype size = text.size();
        qsizetype at = text.indexOf(QLatin1Char('&'));
        while (at >= 0) {
            const qsizetype limit = qMin(size, at + m_longestEntity);
            qsizetype end = -1;
            for (qsizetype i = at + 1; i < limit; ++i) {
                const QChar c = text.at(i);
                if (c == QLatin1Char(';')) {
                    end = i;
                    break;
                }
                if (c == QLatin1Char('&'))
                    break;
            }
            if (end > at) {
                const auto it = m_entityIndex.constFind(text.mid(at, end - at + 1));
                if (it != m_entityIndex.constEnd()) {
                    pass.append({at, end - at + 1, m_pairs[*it].character});
                    at = text.indexOf(QLatin1Char('&'), end + 1);
                    continue;
                }
            }
            at = text.indexOf(QLatin1Char('&'), at + 1);
        }
        plan.append(pass);
        return plan;
    }
    QString current = text;
    for (qsizetype entry = 0; entry < m_pairs.size(); ++entry) {
        QList<Replacement> pass = entityPass(current, entry);
        if (pass.isEmpty())
            continue;
        current = apply(current, pass);
        plan.append(pass);
    }
    return plan;
}

QString SpecialChars::apply(const QString &text, const QList<Replacement> &pass)
{
    if (pass.isEmpty())
        return text;
    qsizetype grow = 0;
    for (const Replacement &r : pass)
        grow += r.text.size() - r.length;
    QString out;
    out.reserve(text.size() + qMax<qsizetype>(0, grow));
    qsizetype from = 0;
    for (const Replacement &r : pass) {
        out += QStringView(text).mid(from, r.position - from);
        out += r.text;
        from = r.position + r.length;
    }
    out += QStringView(text).mid(from);
    return out;
}

QString SpecialChars::chartiltags(const QString &text) const
{
    QString result = text;
    for (const QList<Replacement> &pass : chartiltagsPlan(text))
        result = apply(result, pass);
    return result;
}

QString SpecialChars::tagstilchar(const QString &text) const
{
    QString result = text;
    for (const QList<Replacement> &pass : tagstilcharPlan(text))
        result = apply(result, pass);
    return result;
}

} // namespace lumaro
