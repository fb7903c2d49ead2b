#include "linksite.h"
#include "projectpaths.h"
#include "tinifil.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace lumaro {

namespace {

const QString kFileUrl = QStringLiteral("file:///");

QString withoutFileUrl(QString text)
{
    if (text.startsWith(kFileUrl))
        text.remove(0, kFileUrl.size());
    return text;
}

QString absoluteFolder(const QString &folder)
{
    QString path = QDir::cleanPath(QFileInfo(QDir::fromNativeSeparators(folder)).absoluteFilePath());
    while (path.size() > 1 && path.endsWith(u'/'))
        path.chop(1);
    return path;
}

// The scheme of an address ("http"), or an empty string when it has none.
QString schemeOf(const QString &address)
{
    if (address.isEmpty() || !address[0].isLetter() || address[0].unicode() > 0x7F)
        return {};
    for (qsizetype i = 1; i < address.size(); ++i) {
        const QChar c = address[i];
        if (c == u':')
            return address.left(i).toLower();
        if (!(c.isLetterOrNumber() && c.unicode() <= 0x7F) && c != u'+' && c != u'.' && c != u'-')
            return {};
    }
    return {};
}

QString percentDecoded(const QString &text)
{
    if (!text.contains(u'%'))
        return text;
    return QUrl::fromPercentEncoding(text.toUtf8());
}

} // namespace

void LinkSite::setRoot(const QString &folder)
{
    m_root = absoluteFolder(folder);
}

void LinkSite::setDirectoryRows(const QList<DirectoryRow> &rows)
{
    m_urlFolders.clear();
    for (const DirectoryRow &row : rows) {
        const QString folder = withoutFileUrl(row.directory);
        if (!row.url.isEmpty() && !folder.isEmpty())
            m_urlFolders.append({row.url, absoluteFolder(folder)});
    }
}

LinkSite LinkSite::forFolder(const QString &folder)
{
    LinkSite site;
    site.setRoot(folder);
    return site;
}

LinkSite LinkSite::forProject(const QString &projectFile)
{
    LinkSite site;
    const tinifil options(ProjectPaths::changeExtension(projectFile, QStringLiteral(".lmo")));
    const QString root = withoutFileUrl(options.readroot());
    if (options.readuseroot() && !root.isEmpty() && QFileInfo(root).isDir()) {
        site.setRoot(root);
        // Publishing cuts this text off every path that begins with it.
        site.setPublishRoot(root);
    } else {
        site.setRoot(QFileInfo(projectFile).absolutePath());
    }
    QList<DirectoryRow> rows;
    if (DirectoryTable::read(ProjectPaths::changeExtension(projectFile, QStringLiteral(".lmu")), &rows))
        site.setDirectoryRows(rows);
    return site;
}

QString LinkSite::relativePath(const QString &absoluteFile) const
{
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(absoluteFile));
    if (path == m_root)
        return QStringLiteral("");
    if (m_root == QLatin1String("/"))
        return path.startsWith(u'/') ? path.mid(1) : QString();
    if (path.size() > m_root.size() && path.startsWith(m_root) && path[m_root.size()] == u'/')
        return path.mid(m_root.size() + 1);
    return {};
}

LinkTarget LinkSite::resolve(const QString &pageFolder, const QString &address) const
{
    QString text = address.trimmed();
    LinkTarget target;
    if (text.isEmpty())
        return target;
    if (!m_publishRoot.isEmpty() && text.startsWith(m_publishRoot)) {
        // What the publish conversion writes in place of a path under the root.
        text = ProjectPaths::withSlashes(text.mid(m_publishRoot.size()));
        target = resolveLocal(pageFolder, text);
        target.publishedAs = text;
        return target;
    }
    for (const UrlFolder &row : m_urlFolders) {
        if (!text.startsWith(row.url))
            continue;
        // The directory table's URL stands for a local folder.
        QString rest = text.mid(row.url.size());
        while (rest.startsWith(u'/'))
            rest.remove(0, 1);
        const QString within = relativePath(row.folder);
        if (within.isNull()) {
            target.kind = LinkTarget::Kind::Outside;
            return target;
        }
        return resolveLocal(QString(), QStringLiteral("/") + (within.isEmpty() ? rest : within + u'/' + rest));
    }
    const QString scheme = schemeOf(text);
    if (scheme.size() == 1 || text.startsWith(QLatin1String("\\\\"))) {
        target.kind = LinkTarget::Kind::Outside; // a drive letter or a network share
        return target;
    }
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || text.startsWith(QLatin1String("//"))) {
        target.kind = LinkTarget::Kind::External;
        target.url = text.startsWith(u'/') ? QStringLiteral("http:") + text : text;
        const qsizetype hash = target.url.indexOf(u'#');
        if (hash >= 0)
            target.url.truncate(hash);
        return target;
    }
    if (scheme == QLatin1String("file")) {
        target.kind = LinkTarget::Kind::Outside;
        return target;
    }
    if (!scheme.isEmpty())
        return target; // mailto:, javascript:, ftp: ...
    return resolveLocal(pageFolder, text);
}

LinkTarget LinkSite::resolveLocal(const QString &pageFolder, QString address) const
{
    LinkTarget target;
    const qsizetype hash = address.indexOf(u'#');
    if (hash >= 0) {
        target.fragment = percentDecoded(address.mid(hash + 1));
        address.truncate(hash);
    }
    const qsizetype query = address.indexOf(u'?');
    if (query >= 0)
        address.truncate(query);
    QString path = percentDecoded(address);
    path.replace(u'\\', u'/');
    if (path.isEmpty()) {
        target.kind = LinkTarget::Kind::SamePage;
        return target;
    }
    target.kind = LinkTarget::Kind::Local;
    target.folder = path.endsWith(u'/');
    QString joined;
    if (path.startsWith(u'/')) {
        target.localAbsolute = QDir::cleanPath(path);
        joined = path.mid(1);
    } else {
        joined = pageFolder.isEmpty() ? path : pageFolder + u'/' + path;
    }
    QString clean = QDir::cleanPath(joined);
    if (clean == QLatin1String(".."))
        clean = QStringLiteral("../");
    if (clean.startsWith(QLatin1String("../")) || clean.startsWith(u'/')) {
        // Above the root: the published site has nothing there.
        if (target.localAbsolute.isEmpty()) {
            target.kind = LinkTarget::Kind::Outside;
            return target;
        }
        while (clean.startsWith(QLatin1String("../")) || clean.startsWith(u'/'))
            clean.remove(0, clean.startsWith(u'/') ? 1 : 3);
    }
    target.path = clean == QLatin1String(".") ? QString(QLatin1String("")) : clean;
    return target;
}

} // namespace lumaro
