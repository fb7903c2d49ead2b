#pragma once

#include <QString>

namespace lumaro {

/// The settings store: one read and one write operation per user setting,
/// each with its section, value name and default fixed inside, so that no
/// other code spells a value name.
///
/// Values live in QSettings (organisation "zelk", application "lumaro"); a
/// section such as "editor\color" is the group "editor/color". Every value is
/// stored as text. Nothing is cached: each read goes to the store, so a value
/// written by one instance is seen at once by every other.
class tregini {
public:
    /// The key path is kept for compatibility with the registry layout; the
    /// store always uses the "software\zelk\lumaro" location.
    explicit tregini(const QString &keyPath = QStringLiteral("software\\zelk\\lumaro"));

    // Generic access, used by the operations below and by tools that pass a
    // section and value name through (the command-line converter's overrides).
    static QString readString(const QString &section, const QString &name, const QString &def);
    static int readInteger(const QString &section, const QString &name, int def);
    static bool readBool(const QString &section, const QString &name, bool def);
    static void writeString(const QString &section, const QString &name, const QString &value);
    static void writeInteger(const QString &section, const QString &name, int value);
    static void writeBool(const QString &section, const QString &name, bool value);

    /// Parses integer text as the store does: decimal, or hexadecimal after
    /// "0x"/"0X" when longer than two characters. Empty when it is no number.
    static bool parseInteger(const QString &text, int *value);

    /// Run-time overrides: a value set here is read instead of the stored one
    /// by every instance of this process, and is never written to the store.
    static void setOverride(const QString &section, const QString &name, const QString &value);
    static void clearOverrides();

    bool readusecolor() const;
    void writeusecolor(bool on);
    bool readusefontattr() const;
    void writeusefontattr(bool on);
    int readcolorindex(const QString &tagClass) const;
    void writecolorindex(const QString &tagClass, int index);
    int readfontattrindex(const QString &tagClass) const;
    void writefontattrindex(const QString &tagClass, int index);

    int readmainsizex() const;
    int readmainsizey() const;
    int readmainsizew() const;
    int readmainsizeh() const;
    void writemainsize(int x, int y, int w, int h);

    bool readconvsave() const;
    void writeconvsave(bool on);
    bool readwordwrap() const;
    void writewordwrap(bool on);
    QString readfontname() const;
    void writefontname(const QString &name);
    int readfontsize() const;
    void writefontsize(int size);
    QString readautosavetime() const;
    void writeautosavetime(const QString &minutes);
    bool readautosaveok() const;
    void writeautosaveok(bool on);

    QString readbrowser() const;
    void writebrowser(const QString &program);

    QString readiefont() const;
    void writeiefont(const QString &font);
    bool readusefonttype() const;
    void writeusefonttype(bool on);
    QString readief1() const;
    QString readief2() const;
    QString readief3() const;
    QString readief4() const;
    QString readief5() const;
    QString readief6() const;
    QString readief7() const;
    void writeief1(const QString &v);
    void writeief2(const QString &v);
    void writeief3(const QString &v);
    void writeief4(const QString &v);
    void writeief5(const QString &v);
    void writeief6(const QString &v);
    void writeief7(const QString &v);
    /// f1..f7 by number (1..7); an out-of-range number gives an empty string.
    QString readief(int n) const;
    void writeief(int n, const QString &v);
    QString readcrtags() const;
    void writecrtags(const QString &tag);
    QString readbtags() const;
    void writebtags(const QString &tag);
    QString readitags() const;
    void writeitags(const QString &tag);
    QString readutags() const;
    void writeutags(const QString &tag);
    QString readstags() const;
    void writestags(const QString &tag);

    bool readutilspeedbar() const;
    void writeutilspeedbar(bool on);

    QString readinstalldir() const;
    QString readlastdir() const;
    /// Stores the directory of the given file name (without a trailing
    /// separator, except for a root).
    void writelastdir(const QString &fileName);
};

} // namespace lumaro
