#include "publisher.h"
#include "installdir.h"
#include "projectpaths.h"
#include "sitemirror.h"
#include "specialchars.h"
#include "textfile.h"
#include "tinifil.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
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
    // Paths first, then characters: the same text as converting the
    // characters first, and a root holding accented letters still matches.
    QString text = convertPaths(page.text, root);
    if (chars)
        text = chars(text);
    if (text == page.text)
        return PageResult::Unchanged;
    QString why;
    if (!TextFile::write(fileName, text, page.encoding, &why)) {
        if (error)
            *error = why;
        return PageResult::Failed;
    }
    return PageResult::Converted;
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
    if (!QDir().mkpath(publishDir)) {
        report.error = problem(publishDir, QStringLiteral("cannot create the publish directory; nothing was published."));
        return report;
    }
    const QString rootCanonical = rootInfo.canonicalFilePath();
    const QString publishCanonical = QFileInfo(publishDir).canonicalFilePath();
    if (rootCanonical == publishCanonical || ProjectPaths::isBelow(rootCanonical, publishCanonical)) {
        report.error = QStringLiteral("The project root \"%1\" lies inside the publish directory \"%2\"; nothing was published.")
                           .arg(QDir::toNativeSeparators(root), QDir::toNativeSeparators(publishDir));
        return report;
    }

    // The root's name: what follows its last separator (empty for a root
    // ending in one, which publishes straight into the publish directory).
    qsizetype lastSeparator = root.size() - 1;
    while (lastSeparator >= 0 && !ProjectPaths::isSeparator(root[lastSeparator]))
        --lastSeparator;
    const QString rootName = root.mid(lastSeparator + 1);
    const QString target = rootName.isEmpty() ? publishDir : publishDir + u'/' + rootName;
    report.targetDirectory = target;
    if (!QDir().mkpath(target)) {
        report.error = problem(target, QStringLiteral("cannot create the directory; nothing was published."));
        return report;
    }

    const SiteMirror::Plan plan = SiteMirror::plan(root, target, publishDir);
    const int total = static_cast<int>(plan.files.size() + job.pages.size());
    int done = 0;
    auto step = [&] {
        ++done;
        if (job.progress)
            job.progress(done, total);
    };
    for (const QString &dir : plan.directories)
        QDir().mkpath(dir);
    QSet<QString> copiedTargets;
    QSet<QString> failedTargets;
    copiedTargets.reserve(plan.files.size());
    for (const SiteMirror::FileCopy &copy : plan.files) {
        QString why;
        if (SiteMirror::copyFile(copy.source, copy.target, &why)) {
            ++report.copied;
            copiedTargets.insert(copy.target);
        } else {
            report.problems.append(problem(copy.source, why));
            failedTargets.insert(copy.target);
        }
        step();
    }

    QSet<QString> seen;
    for (const ProjectRecord &page : job.pages) {
        QString relative;
        if (seen.contains(page.path)) {
            step();
            continue;
        }
        seen.insert(page.path);
        if (!ProjectPaths::isBelow(page.path, root, &relative)) {
            report.outsideRoot.append(page.path);
            step();
            continue;
        }
        const QString copy = QDir::cleanPath(target + u'/' + relative);
        if (failedTargets.contains(copy)) {
            // Already named among the files that could not be copied.
        } else if (!copiedTargets.contains(copy)) {
            report.problems.append(problem(page.path, QStringLiteral("not copied (missing, hidden or a link)")));
        } else {
            QString why;
            switch (publishPage(copy, rootOption, chars, &why)) {
            case PageResult::Converted:
            case PageResult::Unchanged:
                ++report.converted;
                break;
            case PageResult::Failed:
                report.problems.append(problem(copy, why));
                break;
            case PageResult::NotAPage:
                break;
            }
        }
        step();
    }
    report.ok = true;
    return report;
}

} // namespace lumaro
