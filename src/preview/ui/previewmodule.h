#pragma once

#include <QString>
#include <QStringList>

namespace lumaro {

class PreviewEngine;

/// Loads the preview module, the shared library that brings the browser
/// engine, on first use. It is looked for beside the program, in the
/// program's library folder ("../lib/lumaro", or the configured library
/// directory below the program's prefix) and in the installation directory; the environment variable
/// "LUMARO_MODULE_DIR" names a folder tried first (the tests point it at the
/// build tree).
class PreviewModule {
public:
    /// The engine, or nullptr when the module cannot be loaded; *error then
    /// says why.
    static PreviewEngine *engine(QString *error = nullptr);
    /// Whether the module is loaded in this process (tests check that a
    /// window never showing the preview never loads it).
    static bool isLoaded();
    /// Lets the next engine() call look for a module that was not found.
    static void forgetFailure();
    static QStringList searchFolders();
    static QString fileName();
};

} // namespace lumaro
