#include "publisher.h"
#include "installdir.h"
#include "projectpaths.h"
#include "sitemirror.h"
#include "specialchars.h"
#include "textfile.h"
#include "tinifil.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QHash>
#include <optional>

namespace lumaro {

namespace {

const QString kFileUrl = QStringLiteral("file:///");

QString problem(const QString &file, const QString &reason)
{
    return QDir::toNativeSeparators(file) + QStringLiteral(": ") + reason;
}

} // namespace

bool Publisher::isConvertiblePage(const QString &fileName)
{
    const QString ext = ProjectPaths::extension(fileName);
    return ext == QLatin1String(".html") || ext == QLatin1String(".htm");
}

QString Publisher::convertPaths(const QString &text, const QString &root)
{
    if (root.isEmpty())
        return text;
    qsizetype at = text.indexOf(root);
    if (at < 0)
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype rest = 0;
    while (at >= 0) {
        const qsizetype quote = text.indexOf(u'"', at + root.size());
        if (quote < 0)
            break;
        out.append(QStringView(text).mid(rest, at - rest));
        QString path = text.mid(at + root.size(), quote - at - root.size());
        path.replace(u'\\', u'/');
        out.append(path);
        rest = quote;
        at = text.indexOf(root, rest);
    }
    out.append(QStringView(text).mid(rest));
    return out;
}

namespace {

// The page text after publishing, or nothing when the page stays as it is.
std::optional<QString> convertedText(const QString &text, const QString &root,
                                     const std::function<QString(const QString &)> &chars)
{
    // Paths first, then characters: the same text as converting the
    // characters first, and a root holding accented letters still matches.
    QString out = Publisher::convertPaths(text, root);
    if (chars)
        out = chars(out);
    if (out == text)
        return std::nullopt;
    return out;
}

} // namespace

Publisher::PageResult Publisher::publishPage(const QString &fileName, const QString &root,
                                             const std::function<QString(const QString &)> &chars,
                                             QString *error)
{
    if (!isConvertiblePage(fileName))
        return PageResult::NotAPage;
    const TextFileResult page = TextFile::read(fileName);
    if (!page.ok) {
        if (error)
            *error = page.error;
        return PageResult::Failed;
    }
    const std::optional<QString> text = convertedText(page.text, root, chars);
    if (!text)
        return PageResult::Unchanged;
    QString why;
    if (!TextFile::write(fileName, *text, page.format, &why)) {
        if (error)
            *error = why;
        return PageResult::Failed;
    }
    return PageResult::Converted;
}

Publisher::PageResult Publisher::publishPageInto(const QString &source, const QString &target,
                                                 const QString &root,
                                                 const std::function<QString(const QString &)> &chars,
                                                 QString *error)
{
    if (!isConvertiblePage(target))
        return SiteMirror::copyFile(source, target, error) ? PageResult::NotAPage : PageResult::Failed;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return PageResult::Failed;
    }
    const QByteArray bytes = in.readAll();
    FileFormat format;
    const std::optional<QString> text = convertedText(TextFile::decode(bytes, &format), root, chars);
    if (!text)
        return SiteMirror::writeFile(target, bytes, error, source, true) ? PageResult::Unchanged
                                                                          : PageResult::Failed;
    const QByteArray out = TextFile::encode(*text, format);
    // A converted page is new text: it gets the time of this run, unless the
    // copy from an earlier run already holds exactly these bytes, so upload
    // tools that compare times send only pages that changed.
    const QFileInfo existing(target);
    if (existing.isFile() && !existing.isSymLink() && existing.size() == out.size()) {
        QFile old(target);
        if (old.open(QIODevice::ReadOnly) && old.readAll() == out)
            return PageResult::Converted;
    }
    return SiteMirror::writeFile(target, out, error, source, false) ? PageResult::Converted
                                                                     : PageResult::Failed;
}

QString Publisher::targetDirectory(const QString &root, const QString &publishDir)
{
    // The root's name: what follows its last separator (empty for a root
    // ending in one, which publishes straight into the publish directory).
    qsizetype lastSeparator = root.size() - 1;
    while (lastSeparator >= 0 && !ProjectPaths::isSeparator(root[lastSeparator]))
        --lastSeparator;
    const QString rootName = root.mid(lastSeparator + 1);
    return rootName.isEmpty() ? publishDir : publishDir + u'/' + rootName;
}

QString Publisher::publishedSite(const QString &optionsFile, const QString &publishDirectory, QString *root)
{
    const tinifil options(optionsFile);
    if (!options.readuseroot())
        return {};
    QString r = options.readroot();
    if (r.startsWith(kFileUrl))
        r.remove(0, kFileUrl.size());
    if (root)
        *root = r;
    return targetDirectory(r, QDir::cleanPath(publishDirectory.isEmpty()
        ? InstallDir::file(QStringLiteral("published files")) : publishDirectory));
}

PublishReport Publisher::publish(const QString &projectFile, const QString &publishDirectory,
                                 const Progress &progress)
{
    QByteArray image;
    QString error;
    if (!ProjectFile::read(projectFile, &image, &error)) {
        PublishReport report;
        report.error = problem(projectFile, error);
        return report;
    }
    Job job;
    job.optionsFile = ProjectPaths::changeExtension(projectFile, QStringLiteral(".lmo"));
    job.pages = ProjectFile::records(image);
    job.publishDirectory = publishDirectory;
    job.progress = progress;
    return publish(job);
}

PublishReport Publisher::publish(const Job &job)
{
    PublishReport report;
    const tinifil options(job.optionsFile);
    if (!options.readuseroot()) {
        report.rootOptionOff = true;
        report.error = QStringLiteral("The project does not use a standard root; nothing was published.");
        return report;
    }
    const QString rootOption = options.readroot();
    QString root = rootOption;
    if (root.startsWith(kFileUrl))
        root.remove(0, kFileUrl.size());
    const QFileInfo rootInfo(root);
    if (root.isEmpty() || !rootInfo.isDir()) {
        report.error = QStringLiteral("The project root \"%1\" is not a directory; nothing was published.")
                           .arg(QDir::toNativeSeparators(root));
        return report;
    }

    std::function<QString(const QString &)> chars;
    if (options.readconvchar()) {
        const QString tableFile = job.specialCharsFile.isEmpty()
            ? InstallDir::file(QStringLiteral("spectags.dat")) : job.specialCharsFile;
        QString why;
        std::optional<SpecialChars> table = SpecialChars::lavarray(tableFile, &why);
        if (!table) {
            report.error = problem(tableFile, why) + QStringLiteral("; nothing was published.");
            return report;
        }
        chars = [t = std::move(*table)](const QString &text) { return t.chartiltags(text); };
    }

    const QString publishDir = QDir::cleanPath(job.publishDirectory.isEmpty()
        ? InstallDir::file(QStringLiteral("published files")) : job.publishDirectory);
    const QString rootCanonical = rootInfo.canonicalFilePath();
    const QString publishResolved = SiteMirror::resolvedPath(publishDir);
    if (rootCanonical == publishResolved || ProjectPaths::isBelow(rootCanonical, publishResolved)) {
        report.error = QStringLiteral("The project root \"%1\" lies inside the publish directory \"%2\"; nothing was published.")
                           .arg(QDir::toNativeSeparators(root), QDir::toNativeSeparators(publishDir));
        return report;
    }

    const QString target = targetDirectory(root, publishDir);
    report.targetDirectory = target;

    // The copy must never reach the originals: with the real paths resolved
    // (links followed), the target may not be the root, lie inside it or
    // hold it, and no directory inside the target may be a link to such a
    // place. Checked before anything is written.
    const QString targetResolved = SiteMirror::resolvedPath(target);
    if (SiteMirror::overlaps(targetResolved, rootCanonical)) {
        report.error = QStringLiteral("The publish target \"%1\" (really \"%2\") is the project root \"%3\", "
                                      "lies inside it or holds it; nothing was published.")
                           .arg(QDir::toNativeSeparators(target), QDir::toNativeSeparators(targetResolved),
                                QDir::toNativeSeparators(root));
        return report;
    }
    const SiteMirror::Plan plan = SiteMirror::plan(root, target, publishDir);
    for (const QString &dir : plan.directories) {
        const QFileInfo info(dir);
        if (info.isSymLink() && SiteMirror::overlaps(SiteMirror::resolvedPath(dir), rootCanonical)) {
            report.error = QStringLiteral("\"%1\" in the publish target is a link to the project root \"%2\" "
                                          "or a folder of it; nothing was published.")
                               .arg(QDir::toNativeSeparators(dir), QDir::toNativeSeparators(root));
            return report;
        }
    }

    if (!QDir().mkpath(publishDir)) {
        report.error = problem(publishDir, QStringLiteral("cannot create the publish directory; nothing was published."));
        return report;
    }
    if (!QDir().mkpath(target)) {
        report.error = problem(target, QStringLiteral("cannot create the directory; nothing was published."));
        return report;
    }

    // Where each project page lands in the copy. A page outside the root is
    // named instead of converted; a page listed twice is converted once.
    QHash<QString, QString> pageTargets; // copy -> page
    QStringList pageOrder;
    for (const ProjectRecord &page : job.pages) {
        QString relative;
        if (!ProjectPaths::isBelow(page.path, root, &relative)) {
            if (!report.outsideRoot.contains(page.path))
                report.outsideRoot.append(page.path);
            continue;
        }
        const QString copy = QDir::cleanPath(target + u'/' + relative);
        if (pageTargets.contains(copy))
            continue;
        pageTargets.insert(copy, page.path);
        pageOrder.append(copy);
    }

    const int total = static_cast<int>(plan.files.size());
    int done = 0;
    for (const QString &dir : plan.directories)
        SiteMirror::makeDirectory(dir);
    // Copying a page and converting the copy are done in one step: the same
    // bytes, written once.
    QHash<QString, PageResult> pageResults;
    for (const SiteMirror::FileCopy &copy : plan.files) {
        QString why;
        bool ok = true;
        if (pageTargets.contains(copy.target)) {
            const PageResult result = publishPageInto(copy.source, copy.target, rootOption, chars, &why);
            pageResults.insert(copy.target, result);
            ok = result != PageResult::Failed;
        } else {
            ok = SiteMirror::copyFile(copy.source, copy.target, &why);
        }
        if (ok)
            ++report.copied;
        else
            report.problems.append(problem(copy.source, why));
        if (job.progress)
            job.progress(++done, total);
    }

    for (const QString &copy : std::as_const(pageOrder)) {
        const auto result = pageResults.constFind(copy);
        if (result == pageResults.cend())
            report.problems.append(problem(pageTargets.value(copy), QStringLiteral("not copied (missing, hidden or a link)")));
        else if (*result == PageResult::Converted || *result == PageResult::Unchanged)
            ++report.converted;
    }
    report.ok = true;
    return report;
}

} // namespace lumaro
