#pragma once

#include "projectfile.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace lumaro {

/// What a publishing run did, for the status bar, the closing message and
/// the command-line tool.
struct PublishReport {
    bool ok = false;            ///< the site was published (perhaps with problems below)
    bool rootOptionOff = false; ///< nothing done: the project uses no standard root
    QString error;              ///< why nothing was published
    QString targetDirectory;    ///< where the copy is
    int copied = 0;             ///< files copied
    int converted = 0;          ///< project pages run through the publish conversion
    QStringList outsideRoot;    ///< project files not below the root: not published
    QStringList problems;       ///< "file: reason" for files that could not be published
};

/// Publishing: the project root's tree is copied into the publish directory
/// ("published files" in the installation directory), and every page of the
/// project is converted in the copy: local paths under the root become paths
/// below it with forward slashes, and special characters become entities
/// when the project asks for it. The originals are never written.
///
/// Usable without widgets; the Publish command and the command-line tool
/// both call publish().
class Publisher {
public:
    /// Called after every file copied and every page converted.
    using Progress = std::function<void(int done, int total)>;

    struct Job {
        QString optionsFile;        ///< the project options file (".lmo")
        QList<ProjectRecord> pages; ///< the project list's records, open or closed
        QString publishDirectory;   ///< empty: "published files" in the installation directory
        QString specialCharsFile;   ///< empty: "spectags.dat" in the installation directory
        Progress progress;
    };

    /// Publishes the project of a job.
    static PublishReport publish(const Job &job);
    /// Publishes a project file as it is on disk.
    static PublishReport publish(const QString &projectFile, const QString &publishDirectory = {},
                                 const Progress &progress = {});

    /// Where a root is published inside a publish directory: the directory
    /// named after the root's last part (the publish directory itself for
    /// a root ending in a separator).
    static QString targetDirectory(const QString &root, const QString &publishDir);
    /// The published copy of a project's site, as publish() makes it; empty
    /// when the project uses no standard root. *root receives the root.
    static QString publishedSite(const QString &optionsFile, const QString &publishDirectory = {},
                                 QString *root = nullptr);

    /// Whether a file is a page the conversion touches: its extension is
    /// exactly ".html" or ".htm" (an upper-case extension is left alone).
    static bool isConvertiblePage(const QString &fileName);

    /// The path conversion of one page's text: every path that begins with
    /// root, up to the next double quote, loses the root and gets forward
    /// slashes. A root with no double quote after it leaves the rest of the
    /// text as it is. An empty root changes nothing.
    static QString convertPaths(const QString &text, const QString &root);

    enum class PageResult { NotAPage, Unchanged, Converted, Failed };
    /// Converts one copied page in place: the paths under root, then (when
    /// chars is given) characters to entities. The file is written only when
    /// its text changed, in the encoding it was read in, with CR LF line ends.
    static PageResult publishPage(const QString &fileName, const QString &root,
                                  const std::function<QString(const QString &)> &chars,
                                  QString *error);
    /// The same conversion reading the page from source and writing the
    /// result to target, a copy of the page when nothing changes: the same
    /// bytes as copying first and converting the copy, in one write.
    static PageResult publishPageInto(const QString &source, const QString &target, const QString &root,
                                      const std::function<QString(const QString &)> &chars,
                                      QString *error);
};

} // namespace lumaro
