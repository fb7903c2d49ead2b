#pragma once

#include <QString>

#include <ostream>

/// Shows QStrings readably in test failure messages (line breaks escaped).
inline void PrintTo(const QString &text, std::ostream *os)
{
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    *os << '"' << shown.toStdString() << '"';
}
