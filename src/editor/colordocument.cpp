#include "colordocument.h"

#include "textfile.h"

#include <QHash>

#include <array>

namespace lumaro {

namespace {

/// Windows-1252 byte of a character, or -1 when the code page cannot hold it.
int ansiByte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    // The 32 codes 0x80..0x9F, taken from the platform's own mapping so the
    // document and the reader agree on them.
    static const QHash<char16_t, int> high = [] {
        QByteArray bytes;
        for (int b = 0x80; b < 0xA0; ++b)
            bytes.append(char(b));
        const QString chars = TextFile::fromWindows1252(bytes);
        QHash<char16_t, int> table;
        for (int i = 0; i < chars.size(); ++i)
            table.insert(chars[i].unicode(), 0x80 + i);
        return table;
    }();
    return high.value(c, -1);
}

/// Appends text to the document: backslashes doubled, braces escaped, line
/// breaks as "\par ", other characters in the ANSI code page or as \uN?.
void appendBody(QByteArray &out, QStringView text)
{
    const char16_t *d = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        // Runs of plain ASCII go out in one piece: most of a page is such text.
        qsizetype j = i;
        while (j < n && d[j] < 0x80 && d[j] != u'\\' && d[j] != u'{' && d[j] != u'}' && d[j] != u'\n')
            ++j;
        if (j > i) {
            const qsizetype at = out.size();
            out.resize(at + (j - i));
            char *p = out.data() + at;
            for (qsizetype k = i; k < j; ++k)
                *p++ = char(d[k]);
            i = j;
            if (i >= n)
                break;
        }
        const char16_t c = d[i++];
        switch (c) {
        case u'\n':
            out.append("\\par ", 5);
            continue;
        case u'\\':
            out.append("\\\\", 2);
            continue;
        case u'{':
            out.append("\\{", 2);
            continue;
        case u'}':
            out.append("\\}", 2);
            continue;
        default:
            break;
        }
        const int b = ansiByte(c);
        if (b >= 0) {
            out.append(char(b));
        } else {
            out.append("\\u", 2);
            out.append(QByteArray::number(int(c) > 32767 ? int(c) - 65536 : int(c)));
            out.append('?');
        }
    }
}

/// Header text (font name included) in the same byte form, not escaped.
void appendHeaderText(QByteArray &out, QStringView text)
{
    for (const QChar ch : text) {
        const char16_t c = ch.unicode();
        const int b = ansiByte(c);
        if (b >= 0) {
            out.append(char(b));
        } else {
            out.append("\\u", 2);
            out.append(QByteArray::number(int(c) > 32767 ? int(c) - 65536 : int(c)));
            out.append('?');
        }
    }
}

} // namespace

QString ColorDocument::pageText(const QString &fileText)
{
    QString text;
    if (!fileText.contains(u'\r')) {
        text = fileText;
    } else {
        text.resize(fileText.size());
        QChar *out = text.data();
        const QChar *d = fileText.constData();
        const qsizetype n = fileText.size();
        qsizetype length = 0;
        for (qsizetype i = 0; i < n; ++i) {
            if (d[i] == u'\r') {
                out[length++] = u'\n';
                if (i + 1 < n && d[i + 1] == u'\n')
                    ++i;
            } else {
                out[length++] = d[i];
            }
        }
        text.truncate(length);
    }
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

ColorDocument ColorDocument::build(const QString &fileText, const ColorSettings &settings, bool withRuns)
{
    ColorDocument doc;
    doc.text = pageText(fileText);
    const QString &text = doc.text;

    QByteArray &out = doc.rtfDocument;
    out.reserve(text.size() + text.size() / 4 + 1024);
    out.append("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil ");
    appendHeaderText(out, settings.fontName);
    out.append(";}}");
    out.append(ColorTables::rtfColorTable().toLatin1());
    out.append("\\deflang1030\\pard\\plain\\f0\\fs");
    out.append(QByteArray::number(2 * qint64(settings.fontSize)));
    out.append("\\cf0 ");

    const bool groups = settings.usecolor || settings.usefontattr;
    // The group codes of each class, worked out once for the whole document.
    std::array<QByteArray, kTagClassCount> classCodes;
    for (int i = 0; i < kTagClassCount; ++i) {
        const TagClass c = TagClass(i);
        QString codes;
        if (settings.usecolor)
            codes += QStringLiteral("\\cf") + QString::number(settings.colorIndexOf(c));
        if (settings.usefontattr)
            codes += ColorTables::rtfattrfraindex(settings.attrIndexOf(c));
        classCodes[i] = codes.toLatin1();
    }
    qsizetype pos = 0;
    if (groups) {
        // Tag pass: while a ">" remains, the text before the next "<" goes
        // out unchanged and the tag from that "<" to the next ">" goes into a
        // group. A "<" whose ">" is missing leaves an empty group.
        const qsizetype lastGt = text.lastIndexOf(u'>');
        while (pos <= lastGt) {
            const qsizetype open = text.indexOf(u'<', pos);
            if (open < 0)
                break;
            appendBody(out, QStringView(text).mid(pos, open - pos));
            const TagClass tagClass = TagClassifier::classify(QStringView(text).mid(open, 10), false);
            const QByteArray &codes = classCodes[int(tagClass)];
            const qsizetype close = text.indexOf(u'>', open);
            out.append('{');
            out.append(codes);
            if (!codes.isEmpty())
                out.append(' ');
            if (close < 0) {
                out.append('}');
                pos = open;
                break;
            }
            appendBody(out, QStringView(text).mid(open, close + 1 - open));
            out.append('}');
            if (withRuns && !codes.isEmpty())
                doc.runs.append({int(open), int(close + 1 - open), tagClass});
            pos = close + 1;
        }
    }
    appendBody(out, QStringView(text).mid(pos));
    out.append('}');
    return doc;
}

} // namespace lumaro
