#include "browsestart.h"
#include "picturefiles.h"
#include "projectoptions.h"
#include "projectstate.h"
#include "tinifil.h"
#include "tregini.h"

#include <QDir>
#include <QFileInfo>

namespace lumaro {

namespace {
bool isDirectory(const QString &path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

QString projectDirectory(const ProjectState *project, BrowseStart::Root root)
{
    if (!project || !project->isOpen() || root == BrowseStart::Root::None)
        return {};
    const QString optionsFile = project->optionsFileName();
    if (optionsFile.isEmpty() || !QFileInfo::exists(optionsFile))
        return {};
    const tinifil options(optionsFile);
    if (root == BrowseStart::Root::Project)
        return options.readuseroot() ? DirectoryChoice::fromText(options.readroot()).directory : QString();
    return options.readuseimageroot() ? DirectoryChoice::fromText(options.readimageroot()).directory : QString();
}
} // namespace

QString BrowseStart::directory(const ProjectState *project, Root root)
{
    const QString fromProject = projectDirectory(project, root);
    if (isDirectory(fromProject))
        return fromProject;
    const QString last = tregini().readlastdir();
    if (isDirectory(last))
        return last;
    return QDir::homePath();
}

QString BrowseStart::tagPath(const ProjectState *project, const QString &path)
{
    if (project && project->isOpen())
        return project->pathToUrl(path);
    return PictureFiles::fileName(path);
}

} // namespace lumaro
