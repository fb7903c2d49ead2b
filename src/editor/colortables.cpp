#include "colortables.h"

#include <array>

namespace lumaro {

namespace {

struct Rgb {
    int red;
    int green;
    int blue;
};

// Index 7 is the light grey and index 8 the dark grey.
constexpr std::array<Rgb, ColorTables::kColorCount> kColors = {{
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255},
}};

constexpr std::array<FontStyle, ColorTables::kAttrCount> kStyles = {{
    {false, false, false},
    {true, false, false},
    {false, true, false},
    {false, false, true},
    {true, true, false},
    {true, false, true},
    {false, true, true},
    {true, true, true},
}};

const char *const kRtfAttrs[ColorTables::kAttrCount] = {
    "", "\\b", "\\i", "\\ul", "\\b\\i", "\\b\\ul", "\\i\\ul", "\\b\\i\\ul",
};

} // namespace

QColor ColorTables::colorfraindex(int index)
{
    const Rgb &c = kColors[validColorIndex(index) ? index : kDefaultColorIndex];
    return QColor(c.red, c.green, c.blue);
}

quint32 ColorTables::colorValue(int index)
{
    const Rgb &c = kColors[validColorIndex(index) ? index : kDefaultColorIndex];
    return quint32(c.red) | (quint32(c.green) << 8) | (quint32(c.blue) << 16);
}

FontStyle ColorTables::fontattrfraindex(int index)
{
    return validAttrIndex(index) ? kStyles[index] : FontStyle{};
}

QString ColorTables::rtfattrfraindex(int index)
{
    return validAttrIndex(index) ? QString::fromLatin1(kRtfAttrs[index]) : QString();
}

QString ColorTables::rtfColorTable()
{
    QString table = QStringLiteral("{\\colortbl");
    for (const Rgb &c : kColors)
        table += QStringLiteral("\\red%1\\green%2\\blue%3;").arg(c.red).arg(c.green).arg(c.blue);
    table += QLatin1Char('}');
    return table;
}

} // namespace lumaro
