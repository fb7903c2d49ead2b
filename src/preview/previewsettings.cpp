#include "previewsettings.h"
#include "tregini.h"

namespace lumaro {

bool PreviewSettings::readShown()
{
    return tregini::readBool(QStringLiteral("preview"), QStringLiteral("shown"), false);
}

void PreviewSettings::writeShown(bool on)
{
    tregini::writeBool(QStringLiteral("preview"), QStringLiteral("shown"), on);
}

} // namespace lumaro
