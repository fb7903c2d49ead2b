#include "preferences.h"
#include "tregini.h"

#include <array>

namespace lumaro {

namespace {

// Attribute index -> boxes, in the order of the colouring engine's table.
constexpr std::array<TextAttributes, 8> kAttributes{{
    {false, false, false},
    {true, false, false},
    {false, true, false},
    {false, false, true},
    {true, true, false},
    {true, false, true},
    {false, true, true},
    {true, true, true},
}};

} // namespace

TextAttributes TextAttributes::fromIndex(int index)
{
    return index >= 0 && index < int(kAttributes.size()) ? kAttributes[index] : TextAttributes{};
}

int TextAttributes::index() const
{
    for (int i = 0; i < int(kAttributes.size()); ++i)
        if (kAttributes[i] == *this)
            return i;
    return 0;
}

Preferences Preferences::read(const tregini &settings)
{
    Preferences p;
    p.wordwrap = settings.readwordwrap();
    p.convsave = settings.readconvsave();
    // Autosave runs only with a whole number of minutes above 0.
    const QString time = settings.readautosavetime();
    int stored = 0;
    const bool runs = tregini::parseInteger(time.trimmed(), &stored) && stored > 0;
    p.autosave = settings.readautosaveok() && runs;
    p.minutes = minutesFrom(time);
    p.browser = settings.readbrowser();
    p.usecolor = settings.readusecolor();
    p.usefontattr = settings.readusefontattr();
    return p;
}

void Preferences::write(tregini &settings) const
{
    write(settings, true);
}

void Preferences::write(tregini &settings, const Preferences &before) const
{
    write(settings, autosave != before.autosave || (autosave && minutes != before.minutes));
}

void Preferences::write(tregini &settings, bool withAutosave) const
{
    settings.writeusefontattr(usefontattr);
    settings.writeusecolor(usecolor);
    settings.writewordwrap(wordwrap);
    if (withAutosave)
        settings.writeautosavetime(QString::number(minutes));
    settings.writebrowser(browser);
    if (withAutosave)
        settings.writeautosaveok(autosave);
    settings.writeconvsave(convsave);
}

int Preferences::minutesFrom(const QString &text)
{
    qlonglong value = 0;
    bool ok = false;
    const QString t = text.trimmed();
    if (t.size() > 2 && (t.startsWith(QLatin1String("0x")) || t.startsWith(QLatin1String("0X"))))
        value = t.mid(2).toLongLong(&ok, 16);
    else
        value = t.toLongLong(&ok, 10);
    if (!ok || value < kMinMinutes)
        return 5;
    return value > kMaxMinutes ? kMaxMinutes : int(value);
}

QString Preferences::quotedProgram(const QString &path)
{
    if (path.contains(QLatin1Char(' ')) && !path.startsWith(QLatin1Char('"')))
        return QLatin1Char('"') + path + QLatin1Char('"');
    return path;
}

QString Preferences::browserFilter(bool windows)
{
    return windows ? QStringLiteral("Programfiler *.exe (*.exe)") : QStringLiteral("All files (*)");
}

const QList<TagClassEntry> &Preferences::tagClasses()
{
    static const QList<TagClassEntry> classes{
        {QStringLiteral("anchor"), QStringLiteral("Anchor")},
        {QStringLiteral("center"), QStringLiteral("Center")},
        {QStringLiteral("image"), QStringLiteral("Image")},
        {QStringLiteral("marquee"), QStringLiteral("Marquee")},
        {QStringLiteral("all"), QStringLiteral("Alle andre tags")},
    };
    return classes;
}

} // namespace lumaro
