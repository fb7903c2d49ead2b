#pragma once

#include <QString>
#include <optional>

namespace lumaro {

/// The texts the page editor inserts for a file dropped on it, and the pieces
/// of a dropped file's name they are built from. Both "/" and "\" count as
/// directory separators, so names written on Windows still split.
class DropText {
public:
    /// The file name without its directory.
    static QString fileName(const QString &path);
    /// The file name without directory and without extension.
    static QString title(const QString &path);
    /// The extension with its dot (".gif"), in lower case; empty when none.
    static QString extension(const QString &path);

    /// <IMG SRC="src" WIDTH=w HEIGHT=h BORDER=0>; a size that could not be
    /// read (0 or less) leaves WIDTH and HEIGHT out rather than writing a
    /// size that hides the picture.
    static QString imageTag(const QString &src, int width, int height);
    /// <A HREF="url">title</A>
    static QString anchorTag(const QString &url, const QString &title);
    /// The URL of an Internet shortcut file's text: what follows the first
    /// "url=" (any case) up to the end of that line or of the text. Empty
    /// when the text holds no "url=".
    static std::optional<QString> shortcutUrl(const QString &text);
};

} // namespace lumaro
