#include "projectstate.h"
#include "lpstring.h"
#include "pathtourl.h"
#include "projectpaths.h"

namespace lumaro {

void ProjectState::newProject()
{
    m_path = untitledPath();
    m_list = ProjectFile::header(m_path);
    m_open = true;
    m_saved = false;
    m_modified = false;
}

void ProjectState::openProject(const QString &path, const QByteArray &image)
{
    m_path = path;
    m_list = ProjectFile::normalized(image);
    m_open = true;
    m_saved = true;
    m_modified = false;
}

void ProjectState::replaceList(const QByteArray &image)
{
    m_list = ProjectFile::normalized(image);
    m_modified = true;
}

void ProjectState::markSaved()
{
    m_saved = true;
    m_modified = false;
}

void ProjectState::saveAs(const QString &path)
{
    m_path = path;
    m_list = ProjectFile::normalized(m_list);
    m_list.replace(0, ProjectFile::HeaderSize, ProjectFile::header(path));
    markSaved();
}

void ProjectState::addRecord(const QString &file, bool open)
{
    m_list = ProjectFile::normalized(m_list);
    m_list.append(ProjectFile::record(file, open));
    m_modified = true;
}

bool ProjectState::markClosed(const QString &file)
{
    bool found = false;
    const int count = ProjectFile::recordCount(m_list);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = ProjectFile::HeaderSize + qsizetype(ProjectFile::RecordSize) * i;
        if (LengthPrefixedString::decode(m_list.constData() + at, ProjectFile::PathFieldSize) == file) {
            m_list[at + ProjectFile::PathFieldSize] = '\0';
            found = true;
        }
    }
    if (found)
        m_modified = true;
    return found;
}

bool ProjectState::renameRecord(const QString &oldName, const QString &newName)
{
    bool found = false;
    const int count = ProjectFile::recordCount(m_list);
    const QByteArray field = LengthPrefixedString::encode(newName, ProjectFile::PathFieldSize);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = ProjectFile::HeaderSize + qsizetype(ProjectFile::RecordSize) * i;
        if (LengthPrefixedString::decode(m_list.constData() + at, ProjectFile::PathFieldSize) == oldName) {
            m_list.replace(at, ProjectFile::PathFieldSize, field);
            found = true;
        }
    }
    if (found)
        m_modified = true;
    return found;
}

QString ProjectState::optionsFileName() const
{
    return m_saved ? ProjectPaths::changeExtension(m_path, QStringLiteral(".lmo")) : QString();
}

QString ProjectState::tableFileName() const
{
    return m_saved ? ProjectPaths::changeExtension(m_path, QStringLiteral(".lmu")) : QString();
}

QString ProjectState::pathToUrl(const QString &localPath) const
{
    if (!m_open)
        return ProjectPaths::fileName(localPath);
    return PathToUrl::pathToUrl(optionsFileName(), tableFileName(), localPath);
}

} // namespace lumaro
