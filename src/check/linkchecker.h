#pragma once

#include "checkproblem.h"
#include "linksite.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace lumaro {

struct ProjectRecord;

/// One use of an external address (http:, https:) in a page.
struct ExternalReference {
    QString url;
    CheckProblem where; ///< file, line, column, position and length of the address
};

/// Everything one link check gives.
struct LinkReport {
    /// Findings sorted by page (in the order checked) and position; a file
    /// nobody refers to is a note at line 1, column 1 of that file.
    QList<CheckProblem> problems;
    QList<ExternalReference> externals; ///< in page order
    QStringList pageOrder; ///< the pages as checked, for combined()
    QString root;          ///< the site's root folder
    int pages = 0;
    int references = 0;
    QString failure; ///< set when the check could not run at all

    int count(CheckLevel level) const;
    /// The problems with more of them (the external findings) put in
    /// place: by page in the order checked, then by position.
    QList<CheckProblem> combined(const QList<CheckProblem> &more) const;
    /// "3 errors, 1 warning in 12 pages".
    QString summary() const;
};

/// What to check: the site and its pages.
struct LinkJob {
    LinkSite site;
    QStringList pages; ///< page files, named as the report should name them
    /// Texts to check instead of a page's file (pages open in the editor).
    QHash<QString, QString> texts;
    QString failure;   ///< set when the job could not be made
    /// How the report names the root in the notes about unused files (the
    /// folder as given; empty: the site's root).
    QString shownRoot;

    /// The pages of a project (its ".htm" and ".html" records) in its site;
    /// for a project never saved (no file name) the first page's folder is the site.
    static LinkJob forProject(const QString &projectFile, const QList<ProjectRecord> &records);
    /// The same, reading the records from the project file.
    static LinkJob forProjectFile(const QString &projectFile);
    /// Every ".htm" and ".html" file under a folder, the folder being the root.
    static LinkJob forFolder(const QString &folder);
};

/// The link check of a whole site: every local address of every page is
/// followed as the published site will follow it, and each address that
/// leads nowhere is reported where it is written (missing file, a name
/// found only with another case, a missing anchor or map, an address
/// outside the site, a folder without an index page), together with notes
/// for the site's files that no page refers to. External addresses are
/// collected, not asked (see ExternalLinkChecker).
///
/// Each page is read once; pages are scanned as text, so ten thousand
/// pages take seconds, not minutes.
class LinkChecker {
public:
    /// The names a folder address is served by, in the order tried.
    static const QStringList &indexNames();
    static bool isPage(const QString &fileName);

    static LinkReport check(const LinkJob &job);
    /// The notes for external addresses that were not asked.
    static QList<CheckProblem> uncheckedExternals(const QList<ExternalReference> &externals);
};

} // namespace lumaro
