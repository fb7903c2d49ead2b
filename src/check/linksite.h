#pragma once

#include "directorytable.h"

#include <QList>
#include <QString>

namespace lumaro {

/// Where an address of a page leads once the site is published.
struct LinkTarget {
    enum class Kind {
        Ignored,  ///< mailto:, javascript: and other addresses that name no file
        SamePage, ///< only a fragment: "#top"
        Local,    ///< a file or folder of the site
        External, ///< http: or https:
        Outside,  ///< a file: address or a local path the published site cannot reach
    };
    Kind kind = Kind::Ignored;
    QString path;        ///< Local: the path below the root, with "/" ("" is the root)
    bool folder = false; ///< Local: the address ends with "/"
    QString fragment;    ///< the part after "#", percent-decoded
    QString url;         ///< External: the address to ask
    /// Local: the same address read as an absolute path of this computer,
    /// for an address starting with "/" (which the site reads from its root).
    QString localAbsolute;
    /// The text the publish conversion turns the address into, when it does.
    QString publishedAs;
};

/// The site the published pages will live in: the folder that becomes the
/// web root, the root text the publish conversion cuts off local paths,
/// and the directory table's URLs that stand for local folders. It turns
/// each address of a page into a LinkTarget; it never touches the disk.
class LinkSite {
public:
    /// A plain folder: it is the root, and nothing is rewritten on publishing.
    static LinkSite forFolder(const QString &folder);
    /// A project: its root when it uses a standard root that exists, else the
    /// folder of the project file; the publish conversion and the directory
    /// table as its side files give them.
    static LinkSite forProject(const QString &projectFile);

    /// The root: absolute, with "/", no "/" at the end (but "/" itself).
    const QString &root() const { return m_root; }
    /// The root text cut off by the publish conversion (empty: none).
    const QString &publishRoot() const { return m_publishRoot; }
    void setPublishRoot(const QString &text) { m_publishRoot = text; }
    void setRoot(const QString &folder);
    void setDirectoryRows(const QList<DirectoryRow> &rows);

    /// The path of a local file below the root ("sub/page.html"), or a null
    /// string when the file is not below the root.
    QString relativePath(const QString &absoluteFile) const;
    /// Where an address written in a page in pageFolder (below the root,
    /// "" for the root) leads.
    LinkTarget resolve(const QString &pageFolder, const QString &address) const;

private:
    LinkTarget resolveLocal(const QString &pageFolder, QString address) const;

    QString m_root;
    QString m_publishRoot;
    struct UrlFolder {
        QString url;
        QString folder; ///< absolute local folder
    };
    QList<UrlFolder> m_urlFolders;
};

} // namespace lumaro
