#include "recoveryfile.h"
#include "textfile.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

namespace lumaro {

namespace {

// Plain character arrays: records may be encoded during static
// initialisation of other files, before any QByteArray here would exist.
constexpr char kMagic[] = "LUMARO RECOVERY 1";
// A header never needs more; anything longer is not one of ours.
constexpr qsizetype kMaxHeader = 64 * 1024;
// Blanks and slashes stay readable; CR, LF and "%" must be escaped.
constexpr char kReadable[] = " /:()[],;!@#$&+='";

QByteArray flag(bool on)
{
    return on ? "1" : "0";
}

bool readFlag(const QByteArray &value, bool *on)
{
    if (value != "0" && value != "1")
        return false;
    *on = value == "1";
    return true;
}

bool readNumber(const QByteArray &value, qint64 *number)
{
    // Digits only: no sign, no blanks, no hexadecimal.
    if (value.isEmpty() || value.size() > 19)
        return false;
    for (char c : value) {
        if (c < '0' || c > '9')
            return false;
    }
    bool ok = false;
    *number = value.toLongLong(&ok);
    return ok;
}

RecoveryReadResult failure(const QString &error)
{
    RecoveryReadResult result;
    result.error = error;
    return result;
}

bool hasControlCharacters(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

} // namespace

DiskStamp DiskStamp::of(const QString &fileName)
{
    DiskStamp stamp;
    const QFileInfo info(fileName);
    if (!info.exists() || !info.isFile())
        return stamp;
    stamp.exists = true;
    stamp.modifiedMs = info.lastModified().toMSecsSinceEpoch();
    stamp.size = info.size();
    return stamp;
}

qint64 RecoveryRecord::savedSize() const
{
    return TextFile::encode(format.fileText(text), format).size();
}

QByteArray RecoveryRecord::encode() const
{
    const QByteArray body = text.toUtf8();
    QByteArray out;
    out.reserve(body.size() + 512);
    out += kMagic;
    out += '\n';
    out += "page: " + pageName.toUtf8().toPercentEncoding(kReadable) + '\n';
    out += "file: " + flag(hasFile) + '\n';
    out += QByteArray("encoding: ")
        + (format.encoding == TextEncoding::Windows1252 ? "windows-1252" : "utf-8") + '\n';
    out += "bom: " + flag(format.byteOrderMark) + '\n';
    out += "final-line-break: " + flag(format.finalLineBreak) + '\n';
    out += "time: " + savedAt.toUTC().toString(Qt::ISODateWithMs).toLatin1() + '\n';
    out += "pid: " + QByteArray::number(owner.pid) + '\n';
    out += "start: " + QByteArray::number(owner.startTicks) + '\n';
    out += "boot: " + owner.bootId.toLatin1() + '\n';
    out += disk.exists ? "disk: " + QByteArray::number(disk.modifiedMs) + ' ' + QByteArray::number(disk.size) + '\n'
                       : QByteArray("disk: none\n");
    out += "length: " + QByteArray::number(body.size()) + '\n';
    out += '\n';
    out += body;
    return out;
}

RecoveryReadResult RecoveryRecord::decode(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return failure(QStringLiteral("The file is empty."));
    if (!bytes.startsWith(QByteArray(kMagic) + '\n'))
        return failure(QStringLiteral("The file is not a recovery copy."));
    const qsizetype end = bytes.indexOf("\n\n");
    if (end < 0 || end > kMaxHeader)
        return failure(QStringLiteral("The header is truncated."));

    QHash<QByteArray, QByteArray> fields;
    const QList<QByteArray> lines = bytes.left(end).split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray &line = lines.at(i);
        const qsizetype colon = line.indexOf(": ");
        if (colon <= 0)
            return failure(QStringLiteral("The header has a damaged line."));
        const QByteArray key = line.left(colon);
        if (fields.contains(key))
            return failure(QStringLiteral("The header names \"%1\" twice.").arg(QString::fromLatin1(key)));
        fields.insert(key, line.mid(colon + 2));
    }
    for (const char *key : {"page", "file", "encoding", "bom", "final-line-break", "time", "pid", "start", "boot",
                            "disk", "length"}) {
        if (!fields.contains(key))
            return failure(QStringLiteral("The header has no \"%1\".").arg(QLatin1String(key)));
    }

    RecoveryRecord record;
    const auto invalid = [](const char *key) {
        return failure(QStringLiteral("The header's \"%1\" is not valid.").arg(QLatin1String(key)));
    };

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    record.pageName = utf8.decode(QByteArray::fromPercentEncoding(fields.value("page")));
    if (utf8.hasError() || record.pageName.isEmpty() || hasControlCharacters(record.pageName))
        return invalid("page");
    if (!readFlag(fields.value("file"), &record.hasFile))
        return invalid("file");
    const QByteArray encoding = fields.value("encoding");
    if (encoding == "utf-8")
        record.format.encoding = TextEncoding::Utf8;
    else if (encoding == "windows-1252")
        record.format.encoding = TextEncoding::Windows1252;
    else
        return invalid("encoding");
    if (!readFlag(fields.value("bom"), &record.format.byteOrderMark))
        return invalid("bom");
    if (!readFlag(fields.value("final-line-break"), &record.format.finalLineBreak))
        return invalid("final-line-break");
    record.savedAt = QDateTime::fromString(QString::fromLatin1(fields.value("time")), Qt::ISODateWithMs);
    if (!record.savedAt.isValid())
        return invalid("time");
    record.savedAt = record.savedAt.toUTC();
    qint64 number = 0;
    if (!readNumber(fields.value("pid"), &number) || number == 0)
        return invalid("pid");
    record.owner.pid = number;
    if (!readNumber(fields.value("start"), &number))
        return invalid("start");
    record.owner.startTicks = quint64(number);
    const QByteArray boot = fields.value("boot");
    for (char c : boot) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || c == '-'))
            return invalid("boot");
    }
    record.owner.bootId = QString::fromLatin1(boot);
    const QByteArray disk = fields.value("disk");
    if (disk != "none") {
        const QList<QByteArray> parts = disk.split(' ');
        if (parts.size() != 2 || !readNumber(parts.at(0), &record.disk.modifiedMs)
            || !readNumber(parts.at(1), &record.disk.size))
            return invalid("disk");
        record.disk.exists = true;
    }
    qint64 length = 0;
    if (!readNumber(fields.value("length"), &length))
        return invalid("length");

    // A page with a file names it by a clean full path, so Save can only
    // write where the page came from; an untitled page by its untitled name.
    if (record.hasFile) {
        if (!QDir::isAbsolutePath(record.pageName) || QDir::cleanPath(record.pageName) != record.pageName)
            return failure(QStringLiteral("The page name \"%1\" is not a full file path.").arg(record.pageName));
    } else {
        static const QRegularExpression untitled(QStringLiteral("^Untitled [1-9][0-9]{0,8}$"));
        if (!untitled.match(record.pageName).hasMatch())
            return failure(QStringLiteral("The page name \"%1\" is not an untitled name.").arg(record.pageName));
    }

    const qsizetype textStart = end + 2;
    const qint64 present = bytes.size() - textStart;
    if (present < length)
        return failure(QStringLiteral("The text is truncated."));
    if (present > length)
        return failure(QStringLiteral("The file has bytes after the text."));
    QStringDecoder textDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    record.text = textDecoder.decode(QByteArrayView(bytes).sliced(textStart));
    if (textDecoder.hasError())
        return failure(QStringLiteral("The text is not valid UTF-8."));

    RecoveryReadResult result;
    result.ok = true;
    result.record = std::move(record);
    return result;
}

} // namespace lumaro
