#include "projectmanagermodel.h"
#include "projectfile.h"

#include <algorithm>

namespace lumaro {

ProjectManagerModel::ProjectManagerModel(const QByteArray &projectList)
    : m_header(ProjectFile::normalized(projectList.left(ProjectFile::HeaderSize)))
{
    for (const ProjectRecord &r : ProjectFile::records(projectList))
        (r.open ? m_open : m_closed).append(r.path);
    sortEntries(m_open);
    sortEntries(m_closed);
}

QString ProjectManagerModel::headerText() const
{
    return ProjectFile::headerPath(m_header);
}

void ProjectManagerModel::sortEntries(QStringList &list)
{
    std::stable_sort(list.begin(), list.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

void ProjectManagerModel::addFiles(const QStringList &files)
{
    m_closed.append(files);
    sortEntries(m_closed);
}

void ProjectManagerModel::removeClosed(const QStringList &files)
{
    for (const QString &f : files)
        m_closed.removeOne(f);
}

void ProjectManagerModel::move(QStringList &from, QStringList &to, const QStringList &files)
{
    for (const QString &f : files) {
        if (from.removeOne(f))
            to.append(f);
    }
    sortEntries(to);
}

void ProjectManagerModel::moveToClosed(const QStringList &files)
{
    move(m_open, m_closed, files);
}

void ProjectManagerModel::moveToOpen(const QStringList &files)
{
    move(m_closed, m_open, files);
}

QByteArray ProjectManagerModel::rewrittenList() const
{
    QByteArray bytes = m_header;
    for (const QString &f : m_closed)
        bytes.append(ProjectFile::record(f, false));
    for (const QString &f : m_open)
        bytes.append(ProjectFile::record(f, true));
    return bytes;
}

} // namespace lumaro
