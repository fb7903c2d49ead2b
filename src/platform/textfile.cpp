#include "textfile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace lumaro {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five undefined
// codes map to the C1 control with the same value, as Windows does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int windows1252Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString TextFile::fromWindows1252(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        d[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return out;
}

QByteArray TextFile::toWindows1252(const QString &text, bool *lossless)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    bool all = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = windows1252Byte(text[i].unicode());
        if (b < 0)
            all = false;
        out[i] = static_cast<char>(b < 0 ? '?' : b);
    }
    if (lossless)
        *lossless = all;
    return out;
}

QString TextFile::decode(const QByteArray &bytes, FileFormat *format)
{
    FileFormat found;
    // The mark is kept as a character here and removed below, exactly once:
    // a second mark after it is text of the page.
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError()) {
        if (text.startsWith(QChar(0xFEFF))) {
            text.remove(0, 1);
            found.byteOrderMark = true;
        }
    } else {
        found.encoding = TextEncoding::Windows1252;
        text = fromWindows1252(bytes);
    }
    found.finalLineBreak = text.endsWith(u'\n') || text.endsWith(u'\r');
    if (format)
        *format = found;
    return text;
}

QString TextFile::decode(const QByteArray &bytes, TextEncoding *encoding)
{
    FileFormat format;
    QString text = decode(bytes, &format);
    if (encoding)
        *encoding = format.encoding;
    return text;
}

QByteArray TextFile::encode(const QString &text, TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? text.toUtf8() : toWindows1252(text);
}

QByteArray TextFile::encode(const QString &text, const FileFormat &format)
{
    QByteArray bytes = encode(toCrLf(text), format.encoding);
    if (format.byteOrderMark && format.encoding == TextEncoding::Utf8)
        bytes.prepend("\xEF\xBB\xBF", 3);
    return bytes;
}

QString TextFile::toCrLf(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            out += QLatin1String("\r\n");
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
        } else if (c == QLatin1Char('\n') || c == QChar::ParagraphSeparator) {
            out += QLatin1String("\r\n");
        } else {
            out += c;
        }
    }
    return out;
}

TextFileResult TextFile::read(const QString &fileName)
{
    TextFileResult result;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.text = decode(bytes, &result.format);
    result.ok = true;
    return result;
}

bool TextFile::write(const QString &fileName, const QString &text, TextEncoding encoding,
                     QString *error)
{
    FileFormat format;
    format.encoding = encoding;
    return write(fileName, text, format, error);
}

bool TextFile::write(const QString &fileName, const QString &text, const FileFormat &format,
                     QString *error)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = encode(text, format);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace lumaro
