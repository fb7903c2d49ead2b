#include "enginestartcheck.h"

#include <QCoreApplication>

#include <unistd.h>

namespace lumaro {

QString EngineStartCheck::rootLine()
{
    return QCoreApplication::translate("EngineStartCheck", "The live preview does not run for the root user: its "
                                                           "browser engine needs its sandbox");
}

QString EngineStartCheck::refusal(bool root, bool disableSandboxSet, const QString &chromiumFlags)
{
    // The engine turns its sandbox off when the variable is set at all.
    if (!root || disableSandboxSet)
        return {};
    const QStringList flags = chromiumFlags.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (flags.contains(QLatin1String("--no-sandbox")))
        return {};
    return rootLine();
}

QString EngineStartCheck::refusal()
{
    return refusal(::getuid() == 0 || ::geteuid() == 0, qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"),
                   qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"));
}

} // namespace lumaro
