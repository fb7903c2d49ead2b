#include "inifile.h"
#include "textfile.h"
#include "tregini.h"

#include <QFile>
#include <QSaveFile>

namespace lumaro {

namespace {

struct LoadedIni {
    QStringList lines;
    bool exists = false;
    bool utf8 = false; ///< the file held non-ASCII text as valid UTF-8
    bool bom = false;
};

LoadedIni load(const QString &fileName)
{
    LoadedIni ini;
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        return ini;
    ini.exists = true;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        ini.bom = true;
        bytes.remove(0, 3);
    }
    TextEncoding encoding = TextEncoding::Utf8;
    const QString text = TextFile::decode(bytes, &encoding);
    bool ascii = true;
    for (char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80) {
            ascii = false;
            break;
        }
    }
    ini.utf8 = encoding == TextEncoding::Utf8 && !ascii;
    ini.lines = text.split(u'\n');
    for (QString &line : ini.lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    // A final line break leaves one empty piece that is no line of its own.
    if (!ini.lines.isEmpty() && ini.lines.last().isEmpty())
        ini.lines.removeLast();
    return ini;
}

// The section name of a "[name]" line, or a null string for other lines.
QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(u'['))
        return {};
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return {};
    return t.mid(1, close - 1).trimmed();
}

// Splits a "key=value" line; false for lines without "=".
bool splitEntry(const QString &line, QString *key, QString *value)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return false;
    *key = line.left(eq).trimmed();
    *value = line.mid(eq + 1).trimmed();
    return true;
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

IniFile::IniFile(const QString &fileName)
    : m_fileName(fileName)
{
}

bool IniFile::lookup(const QStringList &lines, const QString &section, const QString &key,
                     QString *value)
{
    bool inSection = false;
    bool seenSection = false;
    for (const QString &line : lines) {
        const QString name = sectionName(line);
        if (!name.isNull()) {
            // Only the first section of a name counts, as on Windows.
            if (inSection)
                return false;
            inSection = !seenSection && sameName(name, section);
            seenSection = seenSection || inSection;
            continue;
        }
        if (!inSection)
            continue;
        QString k, v;
        if (splitEntry(line, &k, &v) && sameName(k, key)) {
            if (value)
                *value = unquoted(v);
            return true;
        }
    }
    return false;
}

QStringList IniFile::update(const QStringList &lines, const QString &section, const QString &key,
                            const QString &value)
{
    QStringList out = lines;
    const QString entry = key + u'=' + value;
    qsizetype start = -1;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QString name = sectionName(out[i]);
        if (!name.isNull() && sameName(name, section)) {
            start = i;
            break;
        }
    }
    if (start < 0) {
        out.append(u'[' + section + u']');
        out.append(entry);
        return out;
    }
    qsizetype lastEntry = start;
    for (qsizetype i = start + 1; i < out.size(); ++i) {
        if (!sectionName(out[i]).isNull())
            break;
        QString k, v;
        if (splitEntry(out[i], &k, &v)) {
            if (sameName(k, key)) {
                out[i] = k + u'=' + value;
                return out;
            }
        }
        if (!out[i].trimmed().isEmpty())
            lastEntry = i;
    }
    out.insert(lastEntry + 1, entry);
    return out;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const LoadedIni ini = load(m_fileName);
    QString value;
    if (!ini.exists || !lookup(ini.lines, section, key, &value))
        return def;
    return value;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    int value = def;
    if (!tregini::parseInteger(readString(section, key, QString()), &value))
        return def;
    return value;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::writeString(const QString &section, const QString &key, const QString &value,
                          QString *error)
{
    if (m_fileName.isEmpty()) {
        if (error)
            *error = QStringLiteral("No file name");
        return false;
    }
    const LoadedIni ini = load(m_fileName);
    const QStringList lines = update(ini.lines, section, key, value);
    QString text = lines.join(QStringLiteral("\r\n"));
    text.append(QStringLiteral("\r\n"));
    QByteArray bytes;
    bool lossless = false;
    const QByteArray ansi = TextFile::toWindows1252(text, &lossless);
    if (ini.utf8 || ini.bom || !lossless)
        bytes = (ini.bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text.toUtf8();
    else
        bytes = ansi;
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

bool IniFile::writeBool(const QString &section, const QString &key, bool value, QString *error)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"), error);
}

} // namespace lumaro
