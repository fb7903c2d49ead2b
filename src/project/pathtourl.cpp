#include "pathtourl.h"
#include "directorytable.h"
#include "projectpaths.h"
#include "tinifil.h"

namespace lumaro {

namespace {
const QString kFileUrl = QStringLiteral("file:///");
}

QString PathToUrl::slashConvert(const QString &text)
{
    return ProjectPaths::withSlashes(text);
}

RootReplacement PathToUrl::rootReplace(const QString &rootOption, bool autoUrl, const QString &path)
{
    QString root = rootOption;
    const bool fileUrl = root.startsWith(kFileUrl);
    if (fileUrl)
        root.remove(0, kFileUrl.size());
    if (!path.startsWith(root))
        return {path, false};
    if (autoUrl)
        return {slashConvert(path).mid(root.size()), true};
    return {fileUrl ? kFileUrl + path : path, true};
}

RootReplacement PathToUrl::rootReplace(const tinifil &options, const QString &path)
{
    return rootReplace(options.readroot(), options.readauto(), path);
}

QString PathToUrl::pathToUrl(const QString &optionsFile, const QString &tableFile,
                             const QString &localPath)
{
    const tinifil options(optionsFile);
    const QString name = ProjectPaths::fileName(localPath);
    if (options.readuseroot()) {
        const RootReplacement r = rootReplace(options, localPath);
        if (r.replaced)
            return r.path;
    }
    QList<DirectoryRow> rows;
    bool exists = false;
    if (!DirectoryTable::read(tableFile, &rows, &exists))
        return name;
    const QString pathDir = ProjectPaths::withSlashes(ProjectPaths::directoryPart(localPath));
    for (const DirectoryRow &row : rows) {
        QString dir = row.directory;
        // Rows hold directories without their final separator; add the one
        // the row itself uses so the result is a path of the same style.
        if (!dir.isEmpty() && !ProjectPaths::isSeparator(dir.back()))
            dir += (dir.contains(u'/') && !dir.contains(u'\\')) ? u'/' : u'\\';
        const bool fileUrl = dir.startsWith(kFileUrl);
        if (fileUrl)
            dir.remove(0, kFileUrl.size());
        if (ProjectPaths::withSlashes(dir).compare(pathDir, Qt::CaseInsensitive) != 0)
            continue;
        if (!options.readuse())
            return name;
        if (options.readauto())
            return row.url + name;
        return (fileUrl ? kFileUrl : QString()) + dir + name;
    }
    return name;
}

} // namespace lumaro
