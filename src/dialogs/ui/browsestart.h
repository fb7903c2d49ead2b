#pragma once

#include <QString>

namespace lumaro {

class ProjectState;

/// Where the image and link commands' file dialogs start, and the text a
/// tag gets for a picked file.
///
/// The directory is the project's root or image directory when a project
/// is open and its option to use it is on; else "dir"/"lastdir"; else the
/// home directory. A directory stored with "file:///" is read the way the
/// project preferences' directory picker writes it; one that does not exist
/// (the default "c:\") falls through to the next. These commands never
/// write "dir"/"lastdir".
class BrowseStart {
public:
    enum class Root { None, Project, Images };

    static QString directory(const ProjectState *project, Root root);
    /// The open project's path-to-URL conversion of path; without a project
    /// the file name alone.
    static QString tagPath(const ProjectState *project, const QString &path);
};

} // namespace lumaro
