#pragma once

#include <QString>

namespace lumaro {

/// HTML to plain text without any window: the conversion the text export
/// button runs, for the editor and for command-line tools.
class TextExport {
public:
    /// The text of a page without its markup, with CR LF line breaks.
    static QString convert(const QString &html);
    /// The file the export writes for a chosen name: the name with ".txt"
    /// appended when its file-name part has no extension.
    static QString targetFileName(const QString &chosenName);
};

} // namespace lumaro
