#include "mapmarkup.h"

#include "tagattributes.h"
#include "textfile.h"

#include <QDir>
#include <limits>
#include <optional>

namespace lumaro {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

/// One piece of markup: a tag (its whole text from "<" to ">") or a
/// comment (the text between "<!--" and "-->").
struct Piece {
    enum Kind { Tag, Comment } kind = Tag;
    QString text;
    bool closed = true;
};

/// Cuts text into tags and comments; text between them is ignored.
QList<Piece> pieces(const QString &text)
{
    QList<Piece> out;
    const qsizetype n = text.size();
    qsizetype pos = text.indexOf(u'<');
    while (pos >= 0 && pos < n) {
        Piece piece;
        qsizetype next;
        if (QStringView(text).mid(pos).startsWith(u"<!--")) {
            piece.kind = Piece::Comment;
            const qsizetype end = text.indexOf(QStringLiteral("-->"), pos + 4);
            piece.closed = end >= 0;
            piece.text = text.mid(pos + 4, (piece.closed ? end : n) - pos - 4);
            next = piece.closed ? end + 3 : n;
        } else {
            // The first ">" outside double quotes ends the tag. A quote left
            // open would swallow the rest of the text, so the tag then ends
            // at its first ">" instead.
            bool quoted = false;
            qsizetype end = -1;
            for (qsizetype i = pos + 1; i < n; ++i) {
                const QChar c = text.at(i);
                if (c == u'"')
                    quoted = !quoted;
                else if (c == u'>' && !quoted) {
                    end = i;
                    break;
                }
            }
            if (end < 0)
                end = text.indexOf(u'>', pos + 1);
            piece.closed = end >= 0;
            piece.text = text.mid(pos, (piece.closed ? end + 1 : n) - pos);
            next = piece.closed ? end + 1 : n;
        }
        out.append(piece);
        pos = text.indexOf(u'<', next);
    }
    return out;
}

/// The element name of a tag, upper-cased: "MAP", "AREA", "/MAP", ...
/// The name follows the "<" directly, as in HTML.
QString tagName(const QString &tag)
{
    const qsizetype start = 1;
    qsizetype i = start;
    while (i < tag.size() && !tag.at(i).isSpace() && tag.at(i) != u'>')
        ++i;
    return tag.mid(start, i - start).toUpper();
}

/// What the writer put between "<!-- " and " -->".
QString commentText(const QString &inner)
{
    QStringView v(inner);
    if (v.startsWith(u' '))
        v = v.mid(1);
    if (v.endsWith(u' '))
        v.chop(1);
    return v.toString();
}

/// A decimal number that fits in 32 bits, blanks around it allowed.
std::optional<qint64> coordinate(QStringView piece)
{
    piece = piece.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < piece.size() && (piece[i] == u'-' || piece[i] == u'+'))
        negative = piece[i++] == u'-';
    if (i == piece.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < piece.size(); ++i) {
        if (piece[i] < u'0' || piece[i] > u'9')
            return std::nullopt;
        value = value * 10 + (piece[i].unicode() - u'0');
        if (value > qint64(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return value;
}

bool fits(qint64 v) { return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max(); }

/// One AREA tag as an entry; nothing when it cannot be placed.
std::optional<MapArea> areaFromTag(const QString &tag)
{
    MapArea area;
    const QString shape = TagAttributes::value(tag, QStringLiteral("SHAPE"), QStringLiteral("RECT")).trimmed();
    qsizetype needed;
    if (shape.compare(u"RECT", Qt::CaseInsensitive) == 0 || shape.compare(u"RECTANGLE", Qt::CaseInsensitive) == 0) {
        area.shape = MapShape::Rectangle;
        needed = 4;
    } else if (shape.compare(u"CIRCLE", Qt::CaseInsensitive) == 0 || shape.compare(u"CIRC", Qt::CaseInsensitive) == 0) {
        area.shape = MapShape::Circle;
        needed = 3;
    } else {
        return std::nullopt;
    }
    const std::optional<QString> coords = TagAttributes::value(tag, QStringLiteral("COORDS"));
    if (!coords)
        return std::nullopt;
    const QList<QStringView> parts = QStringView(*coords).split(u',');
    if (parts.size() < needed)
        return std::nullopt;
    qint64 v[4] = {};
    for (qsizetype i = 0; i < needed; ++i) {
        const std::optional<qint64> c = coordinate(parts[i]);
        if (!c)
            return std::nullopt;
        v[i] = *c;
    }
    if (area.shape == MapShape::Circle) {
        const qint64 r = v[2] < 0 ? -v[2] : v[2];
        const qint64 box[4] = {v[0] - r, v[1] - r, v[0] + r, v[1] + r};
        for (qint64 b : box)
            if (!fits(b))
                return std::nullopt;
        std::copy(box, box + 4, v);
    }
    area.setBox(normalisedBox(QPoint(int(v[0]), int(v[1])), QPoint(int(v[2]), int(v[3]))));
    area.url = TagAttributes::value(tag, QStringLiteral("HREF"), QString());
    return area;
}

/// The text without control characters other than tab; counts the change.
QString withoutControls(const QString &text, bool *changed)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text)
        if (c == u'\t' || c.category() != QChar::Other_Control)
            out += c;
    *changed = *changed || out.size() != text.size();
    return out;
}

/// Drops control characters from every text of the map, one count per line
/// that had any.
int dropControls(MapDocument &map)
{
    int lines = 0;
    const auto clean = [&lines](std::initializer_list<QString *> texts) {
        bool changed = false;
        for (QString *t : texts)
            *t = withoutControls(*t, &changed);
        lines += changed;
    };
    clean({&map.name});
    clean({&map.comment});
    clean({&map.pictureName});
    for (MapArea &a : map.areas) {
        clean({&a.url});
        clean({&a.comment});
    }
    return lines;
}

/// Texts put between quotes or inside a comment are kept from ending them
/// early; the builder's fields refuse these characters, so this only
/// guards text that came from elsewhere.
QString quotedSafe(const QString &text)
{
    QString t = text;
    return t.replace(u'"', QStringLiteral("&quot;"));
}
QString commentSafe(const QString &text)
{
    QString t = text;
    return t.replace(QStringLiteral("-->"), QStringLiteral("-- >"));
}

QString commentLine(const QString &text)
{
    return QStringLiteral("<!-- ") + commentSafe(text) + QStringLiteral(" -->") + kCrLf;
}

} // namespace

QString MapMarkup::write(const MapDocument &map)
{
    QString out;
    out += QStringLiteral("<MAP NAME=\"") + quotedSafe(map.name) + QStringLiteral("\">") + kCrLf;
    out += commentLine(map.comment);
    out += commentLine(map.pictureName);
    for (const MapArea &a : map.areas) {
        if (!a.isLive())
            continue;
        QString coords;
        if (a.shape == MapShape::Circle) {
            // 64-bit: a box read from a file may span the whole 32-bit range.
            const qint64 w = qint64(a.x2) - a.x1;
            const qint64 h = qint64(a.y2) - a.y1;
            coords = QStringLiteral("%1,%2,%3").arg(w / 2 + a.x1).arg(h / 2 + a.y1).arg(w / 2);
            out += QStringLiteral("<AREA SHAPE=\"CIRCLE\" COORDS=\"");
        } else {
            coords = QStringLiteral("%1,%2,%3,%4").arg(a.x1).arg(a.y1).arg(a.x2).arg(a.y2);
            out += QStringLiteral("<AREA SHAPE=\"RECT\" COORDS=\"");
        }
        out += coords + QStringLiteral("\" HREF=\"") + quotedSafe(a.url) + QStringLiteral("\">") + kCrLf;
        out += commentLine(a.comment);
    }
    out += QStringLiteral("</MAP>") + kCrLf;
    return out;
}

MapReadResult MapMarkup::read(const QString &text)
{
    MapReadResult result;
    const QList<Piece> list = pieces(text);
    qsizetype i = 0;
    for (qsizetype k = 0; k < list.size(); ++k) {
        if (list[k].kind == Piece::Tag && tagName(list[k].text) == u"MAP") {
            result.hasMapTag = true;
            result.map.name = TagAttributes::value(list[k].text, QStringLiteral("NAME"), QString());
            i = k + 1;
            break;
        }
    }
    auto comment = [&](QString *into) {
        if (i < list.size() && list[i].kind == Piece::Comment && list[i].closed) {
            *into = commentText(list[i].text);
            ++i;
        }
    };
    if (result.hasMapTag) {
        comment(&result.map.comment);
        comment(&result.map.pictureName);
    }
    for (; i < list.size(); ++i) {
        const Piece &p = list[i];
        if (p.kind != Piece::Tag)
            continue;
        const QString name = tagName(p.text);
        if (name == u"/MAP")
            break;
        if (name != u"AREA")
            continue;
        std::optional<MapArea> area = p.closed ? areaFromTag(p.text) : std::nullopt;
        if (i + 1 < list.size() && list[i + 1].kind == Piece::Comment && list[i + 1].closed) {
            if (area)
                area->comment = commentText(list[i + 1].text);
            ++i;
        }
        if (area)
            result.map.areas.append(*area);
        else
            ++result.problems;
    }
    result.cleaned = dropControls(result.map);
    return result;
}

MapReadResult MapMarkup::readFile(const QByteArray &bytes)
{
    return read(TextFile::decode(bytes));
}

QByteArray MapMarkup::fileBytes(const MapDocument &map)
{
    return write(map).toUtf8();
}

QString MapMarkup::mapFileName(const QString &chosen)
{
    const qsizetype slash = std::max(chosen.lastIndexOf(u'/'), chosen.lastIndexOf(u'\\'));
    if (chosen.indexOf(u'.', slash + 1) >= 0)
        return chosen;
    return chosen + QStringLiteral(".map");
}

QString MapMarkup::picturePath(const QString &pictureName, const QString &baseDirectory)
{
    QString path = pictureName.trimmed();
    if (path.startsWith(QStringLiteral("file:///"), Qt::CaseInsensitive))
        path = path.mid(7);
    path.replace(u'\\', u'/');
    if (path.isEmpty())
        return path;
    if (QDir::isRelativePath(path) && !baseDirectory.isEmpty())
        path = QDir(baseDirectory).filePath(path);
    return path;
}

} // namespace lumaro
