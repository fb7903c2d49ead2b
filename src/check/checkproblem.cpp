#include "checkproblem.h"

namespace lumaro {

int CheckResult::count(CheckLevel level) const
{
    int n = 0;
    for (const CheckProblem &p : problems)
        n += p.level == level;
    return n;
}

QString CheckResult::summary() const
{
    auto counted = [](int n, const char *one, const char *many) {
        return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
    };
    QString text = counted(count(CheckLevel::Error), "error", "errors") + QStringLiteral(", ")
        + counted(count(CheckLevel::Warning), "warning", "warnings");
    if (const int info = count(CheckLevel::Info))
        text += QStringLiteral(", ") + counted(info, "note", "notes");
    return text;
}

QString checkLevelName(CheckLevel level)
{
    switch (level) {
    case CheckLevel::Error:
        return QStringLiteral("error");
    case CheckLevel::Warning:
        return QStringLiteral("warning");
    case CheckLevel::Info:
        break;
    }
    return QStringLiteral("info");
}

} // namespace lumaro
