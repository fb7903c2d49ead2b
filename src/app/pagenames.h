#pragma once

#include <QString>

namespace lumaro {

/// The naming rules of document pages and of the file dialogs: tab names,
/// untitled names, the extension test and the name Save As gives a file.
/// Plain functions on text, so the rules are testable without a window.
class PageNames {
public:
    /// "Untitled " + number, decimal without leading zeros.
    static QString untitledName(int number);
    /// The file name without its directory: everything up to and including
    /// the last "/" or "\" removed (names from Windows project files work too).
    static QString tabName(const QString &fileName);
    /// True when the file-name part has an extension: it holds a ".".
    static bool hasExtension(const QString &fileName);

    /// The open dialog's file types: HTML files, text files, all files.
    static QString openFilter();
    /// The Save As dialog's file types, in their order: "*.htm", "*.html", "*.txt".
    static QString saveFilter();
    /// The save dialog's first file type, proposed when the dialog opens.
    static QString defaultSaveFilter();
    /// Which Save As file type (1, 2 or 3) a selected filter text names;
    /// 1 when the text names none of them.
    static int saveFilterItem(const QString &selectedFilter);
    /// The name Save As writes: the chosen name when it has an extension,
    /// otherwise the chosen name with ".htm" (item 1), ".html" (item 2) or
    /// ".txt" (item 3) appended.
    static QString saveAsName(const QString &chosen, int filterItem);
};

} // namespace lumaro
