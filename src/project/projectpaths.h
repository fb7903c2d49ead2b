#pragma once

#include <QString>

namespace lumaro {

/// Path pieces as the project code takes them: "/" and "\" both separate
/// directories (so files written on Windows still read), and ":" ends a
/// drive name.
class ProjectPaths {
public:
    static bool isSeparator(QChar c) { return c == u'/' || c == u'\\'; }
    /// Index of the last "/", "\" or ":", or -1.
    static qsizetype lastDelimiter(const QString &path);
    /// The file name without directory.
    static QString fileName(const QString &path);
    /// Everything up to and including the last "/", "\" or ":".
    static QString directoryPart(const QString &path);
    /// The extension with its dot ("" when the file name has no ".").
    static QString extension(const QString &path);
    /// The path with its extension replaced (or added when it has none).
    static QString changeExtension(const QString &path, const QString &extension);
    /// Every "\" turned into "/".
    static QString withSlashes(const QString &path);
    /// True when path lies below directory (compared exactly, after turning
    /// "\" into "/"); *relative receives the part below it, with "/".
    static bool isBelow(const QString &path, const QString &directory, QString *relative = nullptr);
};

} // namespace lumaro
