#pragma once

#include <QString>

namespace lumaro {

class tinifil;

/// The result of the root replacement.
struct RootReplacement {
    QString path;
    bool replaced = false;
};

/// Turning a local path into the text written into a tag while a project is
/// open: relative to the project root, or through the directory table.
/// Nothing is kept between calls.
class PathToUrl {
public:
    /// Every backslash becomes "/".
    static QString slashConvert(const QString &text);

    /// Root replacement with the given root option value and "Automatic
    /// replace Dos-path with URL" option. A path that begins with the root
    /// (exactly, case-sensitive; a leading "file:///" of the root is not part
    /// of the comparison) is replaced: with the option on it is slash-
    /// converted and the root cut off; with it off it gets "file:///" in front
    /// when the root had that prefix, else it stays as it is.
    static RootReplacement rootReplace(const QString &root, bool autoUrl, const QString &path);
    /// The same, reading the options from the project options file.
    static RootReplacement rootReplace(const tinifil &options, const QString &path);

    /// The text for a tag naming localPath, for the project whose options
    /// file and directory table are given (empty names: the project has no
    /// side files yet).
    static QString pathToUrl(const QString &optionsFile, const QString &tableFile,
                             const QString &localPath);
};

} // namespace lumaro
