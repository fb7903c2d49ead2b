#include "checksettings.h"
#include "tregini.h"

namespace lumaro {

namespace {
const QString kSection = QStringLiteral("check");
}

CheckLevels CheckSettings::readLevels()
{
    CheckLevels levels;
    levels.errors = tregini::readBool(kSection, QStringLiteral("showerrors"), true);
    levels.warnings = tregini::readBool(kSection, QStringLiteral("showwarnings"), true);
    levels.info = tregini::readBool(kSection, QStringLiteral("showinfo"), false);
    return levels;
}

void CheckSettings::writeLevels(const CheckLevels &levels)
{
    tregini::writeBool(kSection, QStringLiteral("showerrors"), levels.errors);
    tregini::writeBool(kSection, QStringLiteral("showwarnings"), levels.warnings);
    tregini::writeBool(kSection, QStringLiteral("showinfo"), levels.info);
}

} // namespace lumaro
