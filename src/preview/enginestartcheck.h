#pragma once

#include <QString>

namespace lumaro {

/// Whether the browser engine of the live preview may be started in this
/// process. The engine refuses to run for the root user with its sandbox on
/// and then ends the whole process, so the program asks first and shows the
/// reason in the panel instead. The program itself never turns the sandbox
/// off; a user (or a test run) that turned it off in the environment
/// ("QTWEBENGINE_DISABLE_SANDBOX", or "--no-sandbox" among
/// "QTWEBENGINE_CHROMIUM_FLAGS") has chosen to run without it.
class EngineStartCheck {
public:
    /// The one-line reason the engine must not start here, or an empty string.
    static QString refusal();
    /// The same decision from its inputs.
    static QString refusal(bool root, bool disableSandboxSet, const QString &chromiumFlags);
    /// The line shown for the root user.
    static QString rootLine();
};

} // namespace lumaro
