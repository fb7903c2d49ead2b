#include "textfile.h"
#include "windows1252.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace lumaro {

QString TextFile::fromWindows1252(const QByteArray &bytes) { return Windows1252::decode(bytes); }

QByteArray TextFile::toWindows1252(const QString &text, bool *lossless)
{
    if (lossless)
        *lossless = Windows1252::canEncode(text);
    return Windows1252::encode(text);
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
        } else if (c == QLatin1Char('\n')) {
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
