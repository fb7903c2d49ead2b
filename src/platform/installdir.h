#pragma once

#include <QString>

namespace lumaro {

/// The installation directory: where the data files (page template,
/// special-character table, shortcut file, colour sample page, help, the
/// colouring scratch file and the publish directory) live.
///
/// It is the setting "dir"/"installdir" when that is set (the program never
/// writes it); otherwise the per-user data directory "$XDG_DATA_HOME/lumaro",
/// created on first use and seeded from the shipped data files. Files already
/// there are never overwritten.
class InstallDir {
public:
    /// The directory, without a trailing separator. Seeds it on first call.
    static QString path();
    /// A data file's full path: the directory joined with the name.
    static QString file(const QString &name);
    /// Where the shipped data files are found: the environment variable
    /// LUMARO_SOURCE_DATA_DIR, "share/lumaro" beside the executable's prefix,
    /// or the repository's data folder for a build-folder run.
    static QString shippedDataDir();
    /// Copies every shipped file that is missing into the directory.
    static void seed(const QString &directory);
    /// Forgets the seeded state (tests that change the settings or XDG paths).
    static void reset();
};

} // namespace lumaro
