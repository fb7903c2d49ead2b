#include "tregini.h"

#include <QHash>
#include <QSettings>

#include <algorithm>
#include <optional>

namespace lumaro {

namespace {

QString groupKey(const QString &section, const QString &name)
{
    QString group = section;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

QHash<QString, QString> &overrides()
{
    static QHash<QString, QString> table;
    return table;
}

std::optional<QString> storedValue(const QString &section, const QString &name)
{
    const QString key = groupKey(section, name);
    const auto it = overrides().constFind(key.toLower());
    if (it != overrides().constEnd())
        return *it;
    QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    const QVariant value = store.value(key);
    if (!value.isValid())
        return std::nullopt;
    return value.toString();
}

QString classSection(const QString &tagClass)
{
    return QStringLiteral("editor\\") + tagClass;
}

const QString kEditor = QStringLiteral("editor");
const QString kColor = QStringLiteral("editor\\color");
const QString kFont = QStringLiteral("editor\\font");
const QString kAutosave = QStringLiteral("editor\\autosave");
const QString kImexport = QStringLiteral("imexport");

} // namespace

tregini::tregini(const QString &)
{
}

bool tregini::parseInteger(const QString &text, int *value)
{
    const QString t = text.trimmed();
    bool ok = false;
    int v = 0;
    if (t.size() > 2 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X"))))
        v = static_cast<int>(t.mid(2).toUInt(&ok, 16));
    else
        v = t.toInt(&ok, 10);
    if (ok && value)
        *value = v;
    return ok;
}

QString tregini::readString(const QString &section, const QString &name, const QString &def)
{
    return storedValue(section, name).value_or(def);
}

int tregini::readInteger(const QString &section, const QString &name, int def)
{
    const auto text = storedValue(section, name);
    int value = def;
    if (!text || !parseInteger(*text, &value))
        return def;
    return value;
}

bool tregini::readBool(const QString &section, const QString &name, bool def)
{
    return readInteger(section, name, def ? 1 : 0) != 0;
}

void tregini::writeString(const QString &section, const QString &name, const QString &value)
{
    QSettings store(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    store.setValue(groupKey(section, name), value);
    store.sync();
}

void tregini::writeInteger(const QString &section, const QString &name, int value)
{
    writeString(section, name, QString::number(value));
}

void tregini::writeBool(const QString &section, const QString &name, bool value)
{
    writeString(section, name, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void tregini::setOverride(const QString &section, const QString &name, const QString &value)
{
    overrides().insert(groupKey(section, name).toLower(), value);
}

void tregini::clearOverrides()
{
    overrides().clear();
}

bool tregini::readusecolor() const { return readBool(kColor, QStringLiteral("usecolor"), false); }
void tregini::writeusecolor(bool on) { writeBool(kColor, QStringLiteral("usecolor"), on); }
bool tregini::readusefontattr() const { return readBool(kColor, QStringLiteral("usefontattr"), false); }
void tregini::writeusefontattr(bool on) { writeBool(kColor, QStringLiteral("usefontattr"), on); }

int tregini::readcolorindex(const QString &tagClass) const
{
    return readInteger(classSection(tagClass), QStringLiteral("color"), 12);
}
void tregini::writecolorindex(const QString &tagClass, int index)
{
    writeInteger(classSection(tagClass), QStringLiteral("color"), index);
}
int tregini::readfontattrindex(const QString &tagClass) const
{
    return readInteger(classSection(tagClass), QStringLiteral("fontattr"), 0);
}
void tregini::writefontattrindex(const QString &tagClass, int index)
{
    writeInteger(classSection(tagClass), QStringLiteral("fontattr"), index);
}

int tregini::readmainsizex() const { return readInteger(kEditor, QStringLiteral("x"), 0); }
int tregini::readmainsizey() const { return readInteger(kEditor, QStringLiteral("y"), 0); }
int tregini::readmainsizew() const { return readInteger(kEditor, QStringLiteral("w"), 640); }
int tregini::readmainsizeh() const { return readInteger(kEditor, QStringLiteral("h"), 480); }
void tregini::writemainsize(int x, int y, int w, int h)
{
    writeInteger(kEditor, QStringLiteral("x"), x);
    writeInteger(kEditor, QStringLiteral("y"), y);
    writeInteger(kEditor, QStringLiteral("w"), w);
    writeInteger(kEditor, QStringLiteral("h"), h);
}

bool tregini::readconvsave() const { return readBool(kEditor, QStringLiteral("convsave"), false); }
void tregini::writeconvsave(bool on) { writeBool(kEditor, QStringLiteral("convsave"), on); }
bool tregini::readwordwrap() const { return readBool(kEditor, QStringLiteral("wordwrap"), false); }
void tregini::writewordwrap(bool on) { writeBool(kEditor, QStringLiteral("wordwrap"), on); }
QString tregini::readfontname() const { return readString(kFont, QStringLiteral("name"), QStringLiteral("courier new")); }
void tregini::writefontname(const QString &name) { writeString(kFont, QStringLiteral("name"), name); }
int tregini::readfontsize() const { return readInteger(kFont, QStringLiteral("size"), 10); }
void tregini::writefontsize(int size) { writeInteger(kFont, QStringLiteral("size"), size); }
QString tregini::readautosavetime() const { return readString(kAutosave, QStringLiteral("time"), QStringLiteral("5")); }
void tregini::writeautosavetime(const QString &minutes) { writeString(kAutosave, QStringLiteral("time"), minutes); }
bool tregini::readautosaveok() const { return readBool(kAutosave, QStringLiteral("enabled"), true); }
void tregini::writeautosaveok(bool on) { writeBool(kAutosave, QStringLiteral("enabled"), on); }

QString tregini::readbrowser() const { return readString(QStringLiteral("preview"), QStringLiteral("browser"), QString()); }
void tregini::writebrowser(const QString &program) { writeString(QStringLiteral("preview"), QStringLiteral("browser"), program); }

QString tregini::readiefont() const { return readString(kImexport, QStringLiteral("standardfont"), QStringLiteral("arial")); }
void tregini::writeiefont(const QString &font) { writeString(kImexport, QStringLiteral("standardfont"), font); }
bool tregini::readusefonttype() const { return readBool(kImexport, QStringLiteral("usefonttype"), true); }
void tregini::writeusefonttype(bool on) { writeBool(kImexport, QStringLiteral("usefonttype"), on); }

QString tregini::readief(int n) const
{
    static const char *const defaults[] = {"5", "9", "12", "16", "20", "25", "30"};
    if (n < 1 || n > 7)
        return {};
    return readString(kImexport, QStringLiteral("f%1").arg(n), QLatin1String(defaults[n - 1]));
}
void tregini::writeief(int n, const QString &v)
{
    if (n >= 1 && n <= 7)
        writeString(kImexport, QStringLiteral("f%1").arg(n), v);
}
QString tregini::readief1() const { return readief(1); }
QString tregini::readief2() const { return readief(2); }
QString tregini::readief3() const { return readief(3); }
QString tregini::readief4() const { return readief(4); }
QString tregini::readief5() const { return readief(5); }
QString tregini::readief6() const { return readief(6); }
QString tregini::readief7() const { return readief(7); }
void tregini::writeief1(const QString &v) { writeief(1, v); }
void tregini::writeief2(const QString &v) { writeief(2, v); }
void tregini::writeief3(const QString &v) { writeief(3, v); }
void tregini::writeief4(const QString &v) { writeief(4, v); }
void tregini::writeief5(const QString &v) { writeief(5, v); }
void tregini::writeief6(const QString &v) { writeief(6, v); }
void tregini::writeief7(const QString &v) { writeief(7, v); }

QString tregini::readcrtags() const { return readString(kImexport, QStringLiteral("cr"), QStringLiteral("P")); }
void tregini::writecrtags(const QString &tag) { writeString(kImexport, QStringLiteral("cr"), tag); }
QString tregini::readbtags() const { return readString(kImexport, QStringLiteral("bold"), QStringLiteral("B")); }
void tregini::writebtags(const QString &tag) { writeString(kImexport, QStringLiteral("bold"), tag); }
QString tregini::readitags() const { return readString(kImexport, QStringLiteral("italic"), QStringLiteral("I")); }
void tregini::writeitags(const QString &tag) { writeString(kImexport, QStringLiteral("italic"), tag); }
QString tregini::readutags() const { return readString(kImexport, QStringLiteral("underl"), QStringLiteral("U")); }
void tregini::writeutags(const QString &tag) { writeString(kImexport, QStringLiteral("underl"), tag); }
QString tregini::readstags() const { return readString(kImexport, QStringLiteral("strike"), QStringLiteral("S")); }
void tregini::writestags(const QString &tag) { writeString(kImexport, QStringLiteral("strike"), tag); }

bool tregini::readutilspeedbar() const { return readBool(QStringLiteral("ide"), QStringLiteral("utilspeedbar"), false); }
void tregini::writeutilspeedbar(bool on) { writeBool(QStringLiteral("ide"), QStringLiteral("utilspeedbar"), on); }

QString tregini::readinstalldir() const { return readString(QStringLiteral("dir"), QStringLiteral("installdir"), QString()); }
QString tregini::readlastdir() const { return readString(QStringLiteral("dir"), QStringLiteral("lastdir"), QString()); }

void tregini::writelastdir(const QString &fileName)
{
    // Both separators count, so names that came from Windows project files work.
    const qsizetype cut = std::max(fileName.lastIndexOf(QLatin1Char('/')),
                                   fileName.lastIndexOf(QLatin1Char('\\')));
    QString dir = cut < 0 ? QString() : fileName.left(cut);
    // A root keeps its separator: "/" and "C:\".
    if (cut == 0)
        dir = fileName.left(1);
    else if (dir.size() == 2 && dir.at(1) == QLatin1Char(':'))
        dir = fileName.left(3);
    writeString(QStringLiteral("dir"), QStringLiteral("lastdir"), dir);
}

} // namespace lumaro
