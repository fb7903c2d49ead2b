#include "remotepath.h"

#include <QRegularExpression>
#include <QStringList>

namespace lumaro {

namespace {

bool hasControl(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

} // namespace

bool RemotePath::isSafeRelative(const QString &relative, QString *why)
{
    auto refuse = [why, &relative](const QString &reason) {
        if (why)
            *why = QStringLiteral("\"%1\": %2").arg(relative, reason);
        return false;
    };
    if (relative.isEmpty())
        return refuse(QStringLiteral("an empty name"));
    if (relative.startsWith(u'/'))
        return refuse(QStringLiteral("an absolute name"));
    if (relative.contains(u'\\'))
        return refuse(QStringLiteral("a name with a backslash"));
    if (hasControl(relative))
        return refuse(QStringLiteral("a name with a control character"));
    for (const QString &piece : relative.split(u'/')) {
        if (piece == QLatin1String(".."))
            return refuse(QStringLiteral("a name with \"..\""));
        if (piece.isEmpty() || piece == QLatin1String("."))
            return refuse(QStringLiteral("a name with an empty or \".\" part"));
    }
    return true;
}

std::optional<QString> RemotePath::normalizedFolder(const QString &folder, QString *why)
{
    const QString f = folder.trimmed();
    if (hasControl(f)) {
        if (why)
            *why = QStringLiteral("The remote folder holds a control character.");
        return std::nullopt;
    }
    QStringList kept;
    for (const QString &piece : f.split(u'/', Qt::SkipEmptyParts)) {
        if (piece == QLatin1String("."))
            continue;
        if (piece == QLatin1String("..")) {
            if (why)
                *why = QStringLiteral("The remote folder \"%1\" holds \"..\"; give the folder itself.").arg(f);
            return std::nullopt;
        }
        kept.append(piece);
    }
    const QString joined = kept.join(u'/');
    return f.startsWith(u'/') ? u'/' + joined : joined;
}

QString RemotePath::join(const QString &folder, const QString &relative)
{
    if (folder.isEmpty())
        return relative;
    if (folder == QLatin1String("/"))
        return u'/' + relative;
    return relative.isEmpty() ? folder : folder + u'/' + relative;
}

QString RemotePath::parentOf(const QString &relative)
{
    const qsizetype slash = relative.lastIndexOf(u'/');
    return slash < 0 ? QString() : relative.left(slash);
}

QString RemotePath::temporaryFor(const QString &relative, quint64 token)
{
    const QString name = QStringLiteral(".lumaro-%1.tmp").arg(token & 0xffffffffffffULL, 12, 16, QLatin1Char('0'));
    const QString parent = parentOf(relative);
    return parent.isEmpty() ? name : parent + u'/' + name;
}

bool RemotePath::isTemporaryName(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.lumaro-[0-9a-f]{12}\\.tmp$"));
    return pattern.match(fileName).hasMatch();
}

} // namespace lumaro
