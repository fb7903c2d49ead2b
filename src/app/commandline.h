#pragma once

#include <QString>
#include <QStringList>

namespace lumaro {

/// The start-up command line: which files it names.
///
/// The system splits the command line at blanks, so a path with blanks
/// arrives in pieces; these functions glue the pieces back together. An
/// argument "has an extension" when its file-name part (after the last "/"
/// or "\") holds a "."; extensions are compared in lower case.
class CommandLine {
public:
    /// Which names a rule may open.
    enum class Mode {
        Project,   ///< at most one name; the search stops at the first match
        Documents, ///< after a glued name is opened the search goes on
    };

    /// The lower-cased text after the last "." of the file-name part, or
    /// empty when the file-name part has no ".".
    static QString extension(const QString &name);

    /// The names to open, in order, for the given arguments (without the
    /// program name), the wanted extensions (lower case, without the dot)
    /// and the mode.
    static QStringList filesToOpen(const QStringList &arguments, const QStringList &wanted, Mode mode);

    /// The project named on the command line (".lmp"), or empty.
    static QString projectToOpen(const QStringList &arguments);
    /// The documents named on the command line (".htm", ".html").
    static QStringList documentsToOpen(const QStringList &arguments);
};

} // namespace lumaro
