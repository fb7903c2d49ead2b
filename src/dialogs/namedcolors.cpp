#include "namedcolors.h"

#include <array>

namespace lumaro {

namespace {

struct Entry {
    const char *name;
    const char *swatch;
    const char *value;
};

constexpr std::array<Entry, NamedColors::Count> kEntries{{
    {"Black", "clblack", "#000000"},
    {"Maroon", "clmaroon", "#800000"},
    {"Green", "clgreen", "#008000"},
    {"Olive", "clolive", "#808000"},
    {"Navy", "clnavy", "#000080"},
    {"Purple", "clpurple", "#800080"},
    {"Teal", "clteal", "#008080"},
    {"Gray", "clgray", "#808080"},
    {"Silver", "clsilver", "#C0C0C0"},
    {"Red", "clred", "#FF0000"},
    {"Lime", "cllime", "#00FF00"},
    {"Yellow", "clyellow", "#FFFF00"},
    {"Blue", "clblue", "#0000FF"},
    {"Fuchsia", "clfuchsia", "#FF00FF"},
    {"Aqua", "claqua", "#00FFFF"},
    {"White", "clwhite", "#FFFFFF"},
}};

bool inRange(int index) { return index >= 0 && index < NamedColors::Count; }

} // namespace

QString NamedColors::name(int index)
{
    return inRange(index) ? QString::fromLatin1(kEntries[size_t(index)].name) : QString();
}

QString NamedColors::swatchName(int index)
{
    return inRange(index) ? QString::fromLatin1(kEntries[size_t(index)].swatch) : QString();
}

QString NamedColors::value(int index)
{
    return inRange(index) ? QString::fromLatin1(kEntries[size_t(index)].value) : QString();
}

QColor NamedColors::color(int index)
{
    return inRange(index) ? QColor(value(index)) : QColor();
}

int NamedColors::lookup(const QString &text)
{
    for (int i = 0; i < Count; ++i) {
        if (text == QLatin1String(kEntries[size_t(i)].value))
            return i;
    }
    return -1;
}

QString NamedColors::hexText(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace lumaro
