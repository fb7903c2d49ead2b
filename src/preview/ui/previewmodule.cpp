#include "previewmodule.h"
#include "installdir.h"
#include "previewengine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace lumaro {

namespace {
PreviewEngine *s_engine = nullptr;
QString s_error;
bool s_tried = false;
} // namespace

QString PreviewModule::fileName() { return QStringLiteral("lumaro-preview-web.so"); }

QStringList PreviewModule::searchFolders()
{
    QStringList folders;
    const QString fromEnvironment = qEnvironmentVariable("LUMARO_MODULE_DIR");
    if (!fromEnvironment.isEmpty())
        folders << fromEnvironment;
    const QString programDir = QCoreApplication::applicationDirPath();
    folders << programDir << QDir::cleanPath(programDir + QStringLiteral("/../lib/lumaro"));
#ifdef LUMARO_MODULE_LIBDIR
    folders << QDir::cleanPath(programDir + QStringLiteral("/../" LUMARO_MODULE_LIBDIR));
#endif
    folders << InstallDir::path();
    folders.removeDuplicates();
    return folders;
}

PreviewEngine *PreviewModule::engine(QString *error)
{
    if (!s_tried) {
        s_tried = true;
        QStringList problems;
        for (const QString &folder : searchFolders()) {
            const QString path = QDir(folder).filePath(fileName());
            if (!QFileInfo::exists(path))
                continue;
            // The loader stays alive for the whole run: the engine cannot be
            // unloaded once it has started its processes.
            auto *loader = new QPluginLoader(path, QCoreApplication::instance());
            if (auto *engine = qobject_cast<PreviewEngine *>(loader->instance())) {
                s_engine = engine;
                break;
            }
            problems << loader->errorString();
            delete loader;
        }
        if (!s_engine)
            s_error = problems.isEmpty()
                ? QCoreApplication::translate("PreviewModule", "The preview module \"%1\" was not found.").arg(fileName())
                : problems.join(u'\n');
    }
    if (error)
        *error = s_error;
    return s_engine;
}

bool PreviewModule::isLoaded() { return s_engine != nullptr; }

void PreviewModule::forgetFailure()
{
    if (!s_engine)
        s_tried = false;
}

} // namespace lumaro
