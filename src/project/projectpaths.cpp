#include "projectpaths.h"

namespace lumaro {

qsizetype ProjectPaths::lastDelimiter(const QString &path)
{
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        const QChar c = path[i];
        if (isSeparator(c) || c == u':')
            return i;
    }
    return -1;
}

QString ProjectPaths::fileName(const QString &path)
{
    return path.mid(lastDelimiter(path) + 1);
}

QString ProjectPaths::directoryPart(const QString &path)
{
    return path.left(lastDelimiter(path) + 1);
}

QString ProjectPaths::extension(const QString &path)
{
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

QString ProjectPaths::changeExtension(const QString &path, const QString &newExtension)
{
    const qsizetype start = lastDelimiter(path) + 1;
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot >= start)
        return path.left(dot) + newExtension;
    return path + newExtension;
}

QString ProjectPaths::withSlashes(const QString &path)
{
    QString out = path;
    out.replace(u'\\', u'/');
    return out;
}

bool ProjectPaths::isBelow(const QString &path, const QString &directory, QString *relative)
{
    QString dir = withSlashes(directory);
    while (dir.endsWith(u'/'))
        dir.chop(1);
    const QString p = withSlashes(path);
    const QString prefix = dir + u'/';
    if (dir.isEmpty() && !directory.isEmpty()) {
        // The file-system root itself.
        if (!p.startsWith(u'/') || p.size() < 2)
            return false;
        if (relative)
            *relative = p.mid(1);
        return true;
    }
    if (dir.isEmpty() || !p.startsWith(prefix) || p.size() == prefix.size())
        return false;
    if (relative)
        *relative = p.mid(prefix.size());
    return true;
}

} // namespace lumaro
