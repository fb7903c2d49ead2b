#pragma once

#include <QString>

namespace lumaro::test {

/// The private directories of one test process.
class TestSandbox {
public:
    /// Creates a fresh temporary root and points XDG_CONFIG_HOME,
    /// XDG_DATA_HOME, XDG_CACHE_HOME and XDG_STATE_HOME into it. Called once from main.
    static void initProcess();
    /// The temporary root of this process.
    static QString root();
    /// A fresh, empty directory below the root for one test's files.
    static QString makeDir(const QString &name);
    /// Removes every stored setting and any run-time override, so a case
    /// starts from the defaults even when cases share a process.
    static void clearSettings();
};

} // namespace lumaro::test
