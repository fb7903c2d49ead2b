#pragma once

#include <QString>
#include <QStringList>

namespace lumaro {

/// The texts of the quick image and quick anchor commands, which write a
/// tag for a picked file without a dialog.
class QuickTags {
public:
    /// The file types of the quick image command's open dialog.
    static QStringList imageFilters();
    /// The file types of the quick anchor command's open dialog.
    static QStringList anchorFilters();

    /// <IMG SRC="src" WIDTH=w HEIGHT=h BORDER=0>; a size that could not be
    /// read (0) leaves WIDTH and HEIGHT out, as a zero size would hide the
    /// picture.
    static QString imageTag(const QString &src, int width, int height);
    /// <A HREF="url">text</A>
    static QString anchorTag(const QString &url, const QString &text);
    /// How far the caret goes back after an anchor was written for an empty
    /// selection, so that it stands inside the new link: before "</A>".
    static int caretBack(const QString &text) { return text.isEmpty() ? 4 : 0; }
};

} // namespace lumaro
