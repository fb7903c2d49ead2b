#include "linkchecker.h"
#include "linkscanner.h"
#include "projectfile.h"
#include "projectpaths.h"
#include "textfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <climits>

namespace lumaro {

namespace {

QString plural(int n, const char *word)
{
    return QStringLiteral("%1 %2%3").arg(n).arg(QLatin1String(word)).arg(n == 1 ? "" : "s");
}

// The page text with one "\n" per line break, as the editor counts positions.
QString pageText(QString text)
{
    if (text.contains(u'\r')) {
        text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        text.replace(u'\r', u'\n');
    }
    return text;
}

// The files and folders below the root, found once, by exact and by
// lower-case path.
struct SiteIndex {
    QHash<QString, bool> entries; ///< path below the root -> is a folder
    QHash<QString, QString> folded;

    void build(const QString &root)
    {
        QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        const qsizetype cut = root == QLatin1String("/") ? 1 : root.size() + 1;
        while (it.hasNext()) {
            it.next();
            const QString relative = it.filePath().mid(cut);
            const bool folder = it.fileInfo().isDir();
            entries.insert(relative, folder);
            folded.insert(relative.toLower(), relative);
        }
    }
    bool isFile(const QString &path) const
    {
        const auto it = entries.constFind(path);
        return it != entries.constEnd() && !*it;
    }
};

struct Anchors {
    QSet<QString> names;
    QSet<QString> maps;
};

// A fragment to look for once every page has been read.
struct PendingFragment {
    QString page; ///< path below the root of the page that should hold it
    bool samePage = false; ///< the address is in that page itself
    QString fragment;
    bool map = false;
    CheckProblem where;
    int order = 0;
};

struct OrderedProblem {
    int order;
    CheckProblem problem;
};

class LinkRun {
public:
    explicit LinkRun(const LinkJob &job) : m_job(job), m_site(job.site) {}

    LinkReport run()
    {
        m_index.build(m_site.root());
        for (int i = 0; i < m_job.pages.size(); ++i)
            checkPage(i, m_job.pages.at(i));
        for (const PendingFragment &p : std::as_const(m_pending))
            checkFragment(p);
        addOrphans();
        std::stable_sort(m_problems.begin(), m_problems.end(), [](const OrderedProblem &a, const OrderedProblem &b) {
            return a.order != b.order ? a.order < b.order : a.problem.position < b.problem.position;
        });
        m_report.problems.reserve(m_problems.size());
        for (OrderedProblem &p : m_problems)
            m_report.problems.append(std::move(p.problem));
        m_report.pages = int(m_job.pages.size());
        m_report.pageOrder = m_job.pages;
        m_report.root = m_site.root();
        return std::move(m_report);
    }

private:
    void add(int order, CheckProblem problem) { m_problems.append({order, std::move(problem)}); }

    void addWholeFile(int order, const QString &file, CheckLevel level, const QString &message)
    {
        CheckProblem p;
        p.file = file;
        p.line = 1;
        p.column = 1;
        p.level = level;
        p.message = message;
        add(order, p);
    }

    bool readText(const QString &file, QString *text, QString *error) const
    {
        const auto given = m_job.texts.constFind(file);
        if (given != m_job.texts.constEnd()) {
            *text = pageText(*given);
            return true;
        }
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly)) {
            *error = in.errorString();
            return false;
        }
        *text = pageText(TextFile::decode(in.readAll()));
        return true;
    }

    void checkPage(int order, const QString &file)
    {
        const QString relative = m_site.relativePath(QFileInfo(file).absoluteFilePath());
        if (relative.isNull()) {
            addWholeFile(order, file, CheckLevel::Warning,
                         QStringLiteral("the page is not below the site's root \"%1\" and is not published")
                             .arg(QDir::toNativeSeparators(m_site.root())));
            return;
        }
        m_pageFiles.insert(relative);
        QString text, error;
        if (!readText(file, &text, &error)) {
            addWholeFile(order, file, CheckLevel::Error, QStringLiteral("cannot be read: ") + error);
            return;
        }
        const PageLinks links = LinkScanner::scan(text);
        m_anchors.insert(relative, Anchors{links.anchors, links.maps});
        QList<int> lineStarts{0};
        for (qsizetype i = text.indexOf(u'\n'); i >= 0; i = text.indexOf(u'\n', i + 1))
            lineStarts.append(int(i + 1));
        const qsizetype slash = relative.lastIndexOf(u'/');
        const QString folder = slash < 0 ? QString() : relative.left(slash);

        for (const PageReference &ref : links.references) {
            ++m_report.references;
            CheckProblem where;
            where.file = file;
            where.position = ref.position;
            where.length = ref.length;
            where.line = int(std::upper_bound(lineStarts.cbegin(), lineStarts.cend(), ref.position) - lineStarts.cbegin());
            where.column = ref.position - lineStarts.at(where.line - 1) + 1;
            const bool usemap = ref.attribute == QLatin1String("USEMAP");
            // A map may be named without its "#".
            const QString address = usemap && !ref.value.contains(u'#') ? u'#' + ref.value : ref.value;
            const LinkTarget target = m_site.resolve(folder, address);
            checkReference(order, relative, where, ref.value, target, usemap);
        }
    }

    void report(int order, CheckProblem where, CheckLevel level, const QString &message)
    {
        where.level = level;
        where.message = message;
        add(order, std::move(where));
    }

    void checkReference(int order, const QString &page, const CheckProblem &where, const QString &written,
                        const LinkTarget &target, bool usemap)
    {
        switch (target.kind) {
        case LinkTarget::Kind::Ignored:
            return;
        case LinkTarget::Kind::External:
            m_report.externals.append({target.url, where});
            return;
        case LinkTarget::Kind::Outside:
            report(order, where, CheckLevel::Error,
                   QStringLiteral("\"%1\" is outside the site and will not be found once published").arg(written));
            return;
        case LinkTarget::Kind::SamePage:
            if (!target.fragment.isEmpty())
                m_pending.append({page, true, target.fragment, usemap, where, order});
            return;
        case LinkTarget::Kind::Local:
            break;
        }
        QString path = target.path;
        const QString published = target.publishedAs.isEmpty()
            ? QString() : QStringLiteral(" (published as \"%1\")").arg(target.publishedAs);
        bool folder = path.isEmpty();
        if (!folder) {
            const auto exact = m_index.entries.constFind(path);
            if (exact != m_index.entries.constEnd()) {
                folder = *exact;
            } else {
                const auto other = m_index.folded.constFind(path.toLower());
                if (other != m_index.folded.constEnd()) {
                    m_referenced.insert(*other);
                    report(order, where, CheckLevel::Error,
                           QStringLiteral("\"%1\" exists only as \"%2\": the case differs, and the server tells them apart")
                               .arg(path, *other));
                } else if (!target.localAbsolute.isEmpty() && QFileInfo::exists(target.localAbsolute)) {
                    report(order, where, CheckLevel::Error,
                           QStringLiteral("\"%1\" is outside the site and will not be found once published").arg(written));
                } else {
                    report(order, where, CheckLevel::Error, QStringLiteral("missing file \"%1\"").arg(path) + published);
                }
                return;
            }
        }
        if (folder) {
            QString index;
            for (const QString &name : LinkChecker::indexNames()) {
                const QString candidate = path.isEmpty() ? name : path + u'/' + name;
                if (m_index.isFile(candidate)) {
                    index = candidate;
                    break;
                }
            }
            if (index.isEmpty()) {
                report(order, where, CheckLevel::Warning,
                       QStringLiteral("folder \"%1/\" has no index page").arg(path));
                return;
            }
            path = index;
        } else if (target.folder) {
            report(order, where, CheckLevel::Error, QStringLiteral("\"%1\" is a file, not a folder").arg(path));
            return;
        }
        m_referenced.insert(path);
        if (!target.fragment.isEmpty() && LinkChecker::isPage(path))
            m_pending.append({path, path == page, target.fragment, usemap, where, order});
    }

    const Anchors &anchorsOf(const QString &page)
    {
        auto it = m_anchors.find(page);
        if (it == m_anchors.end()) {
            // A page outside the checked ones: read for its anchors only.
            QString text, error;
            Anchors anchors;
            if (readText(m_site.root() + u'/' + page, &text, &error)) {
                const PageLinks links = LinkScanner::scan(text);
                anchors = Anchors{links.anchors, links.maps};
            }
            it = m_anchors.insert(page, anchors);
        }
        return *it;
    }

    void checkFragment(const PendingFragment &p)
    {
        const Anchors &anchors = anchorsOf(p.page);
        const QString in = p.samePage ? QString() : QStringLiteral(" in \"%1\"").arg(p.page);
        if (p.map) {
            if (!anchors.maps.contains(p.fragment))
                report(p.order, p.where, CheckLevel::Error, QStringLiteral("missing map \"#%1\"").arg(p.fragment) + in);
        } else if (!anchors.names.contains(p.fragment)) {
            report(p.order, p.where, CheckLevel::Error, QStringLiteral("missing anchor \"#%1\"").arg(p.fragment) + in);
        }
    }

    void addOrphans()
    {
        QStringList orphans;
        for (auto it = m_index.entries.cbegin(); it != m_index.entries.cend(); ++it) {
            if (it.value() || m_referenced.contains(it.key()) || m_pageFiles.contains(it.key()))
                continue;
            const QString extension = ProjectPaths::extension(it.key()).toLower();
            if (extension == QLatin1String(".lmp") || extension == QLatin1String(".lmo")
                || extension == QLatin1String(".lmu"))
                continue; // the project's own files
            orphans.append(it.key());
        }
        orphans.sort();
        const QString shown = m_job.shownRoot.isEmpty() ? m_site.root() : m_job.shownRoot;
        const QString prefix = shown.endsWith(u'/') ? shown : shown + u'/';
        for (const QString &orphan : std::as_const(orphans))
            addWholeFile(int(m_job.pages.size()), prefix + orphan, CheckLevel::Info,
                         QStringLiteral("no page refers to this file"));
    }

    const LinkJob &m_job;
    const LinkSite &m_site;
    SiteIndex m_index;
    LinkReport m_report;
    QList<OrderedProblem> m_problems;
    QList<PendingFragment> m_pending;
    QHash<QString, Anchors> m_anchors;
    QSet<QString> m_referenced;
    QSet<QString> m_pageFiles;
};

} // namespace

int LinkReport::count(CheckLevel level) const
{
    return int(std::count_if(problems.cbegin(), problems.cend(), [level](const CheckProblem &p) { return p.level == level; }));
}

QList<CheckProblem> LinkReport::combined(const QList<CheckProblem> &more) const
{
    if (more.isEmpty())
        return problems;
    QHash<QString, int> order;
    for (int i = 0; i < pageOrder.size(); ++i)
        order.insert(pageOrder.at(i), i);
    QList<CheckProblem> all = problems + more;
    // Files that are not pages (the notes about unused files) come last.
    std::stable_sort(all.begin(), all.end(), [&order](const CheckProblem &a, const CheckProblem &b) {
        const int pa = order.value(a.file, INT_MAX);
        const int pb = order.value(b.file, INT_MAX);
        return pa != pb ? pa < pb : (pa == INT_MAX ? false : a.position < b.position);
    });
    return all;
}

QString LinkReport::summary() const
{
    if (!failure.isEmpty())
        return failure;
    QString text = plural(count(CheckLevel::Error), "error") + QStringLiteral(", ")
        + plural(count(CheckLevel::Warning), "warning");
    if (const int notes = count(CheckLevel::Info))
        text += QStringLiteral(", ") + plural(notes, "note");
    return text + QStringLiteral(" in ") + plural(pages, "page");
}

const QStringList &LinkChecker::indexNames()
{
    static const QStringList names{QStringLiteral("index.html"), QStringLiteral("index.htm"),
                                   QStringLiteral("default.htm"), QStringLiteral("default.html")};
    return names;
}

bool LinkChecker::isPage(const QString &fileName)
{
    const QString extension = ProjectPaths::extension(fileName).toLower();
    return extension == QLatin1String(".html") || extension == QLatin1String(".htm");
}

LinkReport LinkChecker::check(const LinkJob &job)
{
    if (!job.failure.isEmpty()) {
        LinkReport report;
        report.failure = job.failure;
        return report;
    }
    return LinkRun(job).run();
}

QList<CheckProblem> LinkChecker::uncheckedExternals(const QList<ExternalReference> &externals)
{
    QList<CheckProblem> notes;
    notes.reserve(externals.size());
    for (const ExternalReference &e : externals) {
        CheckProblem p = e.where;
        p.level = CheckLevel::Info;
        p.message = QStringLiteral("external link \"%1\" (not checked)").arg(e.url);
        notes.append(p);
    }
    return notes;
}

LinkJob LinkJob::forProject(const QString &projectFile, const QList<ProjectRecord> &records)
{
    LinkJob job;
    for (const ProjectRecord &record : records)
        if (LinkChecker::isPage(record.path) && !job.pages.contains(record.path))
            job.pages.append(record.path);
    if (!projectFile.isEmpty())
        job.site = LinkSite::forProject(projectFile);
    else
        job.site = LinkSite::forFolder(job.pages.isEmpty() ? QDir::currentPath()
                                                           : QFileInfo(job.pages.first()).absolutePath());
    return job;
}

LinkJob LinkJob::forProjectFile(const QString &projectFile)
{
    QByteArray image;
    QString error;
    if (!ProjectFile::read(projectFile, &image, &error)) {
        LinkJob job;
        job.failure = QDir::toNativeSeparators(projectFile) + QStringLiteral(": ") + error;
        return job;
    }
    return forProject(projectFile, ProjectFile::records(image));
}

LinkJob LinkJob::forFolder(const QString &folder)
{
    LinkJob job;
    if (!QFileInfo(folder).isDir()) {
        job.failure = QDir::toNativeSeparators(folder) + QStringLiteral(": not a folder");
        return job;
    }
    job.site = LinkSite::forFolder(folder);
    QString shown = QDir::fromNativeSeparators(folder);
    while (shown.size() > 1 && shown.endsWith(u'/'))
        shown.chop(1);
    QDirIterator it(job.site.root(), QDir::Files, QDirIterator::Subdirectories);
    const qsizetype cut = job.site.root() == QLatin1String("/") ? 1 : job.site.root().size() + 1;
    while (it.hasNext()) {
        const QString path = it.next();
        if (LinkChecker::isPage(path))
            job.pages.append(shown + u'/' + path.mid(cut));
    }
    job.pages.sort();
    job.shownRoot = shown;
    return job;
}

} // namespace lumaro
