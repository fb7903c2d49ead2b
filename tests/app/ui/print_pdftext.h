#pragma once

#include <QByteArray>
#include <QHash>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace lumaro::test {

/// Just enough of a PDF reader to get the printed text back out of the PDF
/// files Qt writes: objects, Flate-compressed streams, the fonts' ToUnicode
/// maps and the glyph strings of the text operators. Used to check what a
/// print job put on paper without any outside tool.
class PdfText {
public:
    explicit PdfText(const QByteArray &pdf) { parse(pdf); }

    /// The text shown on each page, in page order, without any spacing.
    QStringList pages() const { return m_pages; }
    /// The text of all pages without the page number printed at the end of
    /// each page: what the document itself put on paper.
    QString documentText() const
    {
        QString all;
        for (qsizetype i = 0; i < m_pages.size(); ++i) {
            const QString number = QString::number(i + 1);
            all += m_pages[i].endsWith(number) ? m_pages[i].chopped(number.size()) : m_pages[i];
        }
        return all;
    }
    /// The page content streams, decompressed (for checks of colours).
    QByteArray content() const { return m_content; }

private:
    struct Object {
        QByteArray dict;
        QByteArray stream;
    };

    static QByteArray inflate(const QByteArray &data)
    {
        // qUncompress wants the expected size in front; it grows the
        // buffer itself when the guess is too small.
        QByteArray withSize(4, '\0');
        const quint32 guess = quint32(qMax<qsizetype>(1024, data.size() * 8));
        withSize[0] = char(guess >> 24);
        withSize[1] = char(guess >> 16);
        withSize[2] = char(guess >> 8);
        withSize[3] = char(guess);
        return qUncompress(withSize + data);
    }

    static QHash<int, Object> objects(const QByteArray &pdf)
    {
        QHash<int, Object> result;
        static const QRegularExpression head(QStringLiteral("(\\d+) 0 obj"));
        qsizetype pos = 0;
        const QString latin = QString::fromLatin1(pdf);
        while (true) {
            const QRegularExpressionMatch m = head.match(latin, pos);
            if (!m.hasMatch())
                break;
            const qsizetype start = m.capturedEnd();
            Object object;
            const qsizetype streamAt = pdf.indexOf("stream", start);
            const qsizetype endObj = pdf.indexOf("endobj", start);
            if (endObj < 0)
                break;
            if (streamAt >= 0 && streamAt < endObj && pdf.mid(streamAt - 3, 3) != "end") {
                object.dict = pdf.mid(start, streamAt - start);
                qsizetype dataStart = streamAt + 6;
                if (pdf.mid(dataStart, 2) == "\r\n")
                    dataStart += 2;
                else if (pdf.mid(dataStart, 1) == "\n")
                    dataStart += 1;
                const qsizetype dataEnd = pdf.indexOf("endstream", dataStart);
                if (dataEnd < 0)
                    break;
                QByteArray data = pdf.mid(dataStart, dataEnd - dataStart);
                if (object.dict.contains("/FlateDecode"))
                    data = inflate(data);
                object.stream = data;
                pos = pdf.indexOf("endobj", dataEnd);
                if (pos < 0)
                    break;
            } else {
                object.dict = pdf.mid(start, endObj - start);
                pos = endObj;
            }
            result.insert(m.captured(1).toInt(), object);
        }
        return result;
    }

    /// Glyph code to characters, from a ToUnicode map's bfchar and bfrange entries.
    static QHash<uint, QString> cmap(const QByteArray &text)
    {
        QHash<uint, QString> map;
        auto unicode = [](const QString &hex) {
            QString out;
            for (int i = 0; i + 4 <= hex.size(); i += 4)
                out += QChar(char16_t(hex.mid(i, 4).toUInt(nullptr, 16)));
            return out;
        };
        const QString s = QString::fromLatin1(text);
        static const QRegularExpression range(
            QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(\\[[^\\]]*\\]|<[0-9A-Fa-f]+>)"));
        static const QRegularExpression hexString(QStringLiteral("<([0-9A-Fa-f]+)>"));
        for (const QString &section : {QStringLiteral("beginbfrange"), QStringLiteral("beginbfchar")}) {
            const bool isRange = section == QLatin1String("beginbfrange");
            qsizetype at = 0;
            while ((at = s.indexOf(section, at)) >= 0) {
                const qsizetype end = s.indexOf(isRange ? QStringLiteral("endbfrange") : QStringLiteral("endbfchar"), at);
                const QString body = s.mid(at, end - at);
                at = end;
                if (isRange) {
                    auto it = range.globalMatch(body);
                    while (it.hasNext()) {
                        const auto m = it.next();
                        const uint lo = m.captured(1).toUInt(nullptr, 16);
                        const uint hi = m.captured(2).toUInt(nullptr, 16);
                        const QString target = m.captured(3);
                        if (target.startsWith(QLatin1Char('['))) {
                            auto hex = hexString.globalMatch(target);
                            for (uint code = lo; code <= hi && hex.hasNext(); ++code)
                                map.insert(code, unicode(hex.next().captured(1)));
                        } else {
                            const QString first = unicode(target.mid(1, target.size() - 2));
                            for (uint code = lo; code <= hi && !first.isEmpty(); ++code)
                                map.insert(code, QString(QChar(char16_t(first[0].unicode() + (code - lo)))));
                        }
                    }
                } else {
                    auto it = hexString.globalMatch(body);
                    while (it.hasNext()) {
                        const uint code = it.next().captured(1).toUInt(nullptr, 16);
                        if (it.hasNext())
                            map.insert(code, unicode(it.next().captured(1)));
                    }
                }
            }
        }
        return map;
    }

    void parse(const QByteArray &pdf)
    {
        const QHash<int, Object> all = objects(pdf);
        // Font resource names (/F7) to the character maps of their fonts.
        QHash<QString, QHash<uint, QString>> fonts;
        static const QRegularExpression fontRef(QStringLiteral("/(F\\d+)\\s+(\\d+) 0 R"));
        static const QRegularExpression toUnicode(QStringLiteral("/ToUnicode\\s+(\\d+) 0 R"));
        for (const Object &o : all) {
            auto it = fontRef.globalMatch(QString::fromLatin1(o.dict));
            while (it.hasNext()) {
                const auto m = it.next();
                const Object font = all.value(m.captured(2).toInt());
                const auto u = toUnicode.match(QString::fromLatin1(font.dict));
                if (u.hasMatch())
                    fonts.insert(m.captured(1), cmap(all.value(u.captured(1).toInt()).stream));
            }
        }
        // Pages in the order of the page tree's /Kids; each names its content stream.
        static const QRegularExpression kids(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
        static const QRegularExpression ref(QStringLiteral("(\\d+) 0 R"));
        static const QRegularExpression contents(QStringLiteral("/Contents\\s+(\\d+) 0 R"));
        static const QRegularExpression ops(
            QStringLiteral("/(F\\d+)\\s+[-\\d.]+\\s+Tf|<([0-9A-Fa-f]+)>"));
        QList<int> pageObjects;
        for (const Object &o : all) {
            if (!o.dict.contains("/Type /Pages"))
                continue;
            const auto k = kids.match(QString::fromLatin1(o.dict));
            auto it = ref.globalMatch(k.captured(1));
            while (it.hasNext())
                pageObjects.append(it.next().captured(1).toInt());
        }
        for (const int page : pageObjects) {
            const auto c = contents.match(QString::fromLatin1(all.value(page).dict));
            if (!c.hasMatch())
                continue;
            const QByteArray stream = all.value(c.captured(1).toInt()).stream;
            m_content += stream;
            QString text;
            QHash<uint, QString> current;
            auto it = ops.globalMatch(QString::fromLatin1(stream));
            while (it.hasNext()) {
                const auto m = it.next();
                if (!m.captured(1).isEmpty()) {
                    current = fonts.value(m.captured(1));
                    continue;
                }
                const QString hex = m.captured(2);
                for (int i = 0; i + 4 <= hex.size(); i += 4) {
                    const QString ch = current.value(hex.mid(i, 4).toUInt(nullptr, 16));
                    for (const QChar q : ch)
                        if (!q.isSpace())
                            text += q;
                }
            }
            m_pages.append(text);
        }
    }

    QStringList m_pages;
    QByteArray m_content;
};

} // namespace lumaro::test
