#pragma once

#include <QString>

namespace lumaro {

/// Horizontal alignment radio group (Left / Center / Right).
enum class HAlign { Left, Center, Right };
/// Vertical alignment radio group (Top / Center / Bottom; the caption dialog
/// offers only Top and Bottom).
enum class VAlign { Top, Center, Bottom };

/// Keyword comparison of ALIGN values: exact, upper-case only. A value that
/// is no keyword leaves the current choice.
inline HAlign hAlignFromKeyword(const QString &value, HAlign current)
{
    if (value == QLatin1String("LEFT"))
        return HAlign::Left;
    if (value == QLatin1String("CENTER"))
        return HAlign::Center;
    if (value == QLatin1String("RIGHT"))
        return HAlign::Right;
    return current;
}

/// Keyword comparison of VALIGN values ("TOP", "BOTTOM"); anything else
/// leaves the current choice.
inline VAlign vAlignFromKeyword(const QString &value, VAlign current)
{
    if (value == QLatin1String("TOP"))
        return VAlign::Top;
    if (value == QLatin1String("BOTTOM"))
        return VAlign::Bottom;
    return current;
}

inline QString hAlignKeyword(HAlign align)
{
    switch (align) {
    case HAlign::Left: return QStringLiteral("LEFT");
    case HAlign::Center: return QStringLiteral("CENTER");
    case HAlign::Right: return QStringLiteral("RIGHT");
    }
    return QString();
}

inline QString vAlignKeyword(VAlign align)
{
    switch (align) {
    case VAlign::Top: return QStringLiteral("TOP");
    case VAlign::Center: return QStringLiteral("CENTER");
    case VAlign::Bottom: return QStringLiteral("BOTTOM");
    }
    return QString();
}

} // namespace lumaro
