#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace lumaro {

/// Picture file names as the image commands look at them: extensions match
/// in any case (".GIF", ".Jpg" are common on disks written elsewhere), and
/// "/" and "\" both separate directories.
class PictureFiles {
public:
    /// The file name without its directory.
    static QString fileName(const QString &path);
    /// True for ".gif" in any case.
    static bool isGif(const QString &path);
    /// True for ".jpg" or ".jpeg" in any case.
    static bool isJpeg(const QString &path);
    /// The picture's size from its file header: GIF size reading for a GIF,
    /// JPEG size reading for a JPEG; 0 × 0 when it cannot be read.
    static QSize readSize(const QString &path);

    /// A file name made safe inside a double-quoted attribute: a double
    /// quote would end the value, so it is written as "%22".
    static QString quoteSafe(const QString &text);

    /// The entries of a file type list written as the program's text table
    /// writes it ("Description|pattern;pattern|..."), as Qt name filters
    /// ("Description (pattern pattern)"), the patterns shown as written
    /// ("Image files (*.gif *.jpg *.jpeg)"); the file dialogs match them in
    /// any case. "*.*" becomes "*".
    static QStringList nameFilters(const QString &pipeFilter);
};

} // namespace lumaro
