#pragma once

#include <QString>

namespace lumaro {

/// How a text document's bytes are encoded on disk.
enum class TextEncoding { Utf8, Windows1252 };

/// What a document's file holds besides its characters, so that saving an
/// unchanged page writes the bytes it was read from: the encoding, the UTF-8
/// byte-order mark, and whether the text ended with a line break (the page
/// shows the file's last line without it, so the page itself cannot tell).
///
/// Line breaks inside the text are not kept here: pages are always saved
/// with CR LF.
struct FileFormat {
    TextEncoding encoding = TextEncoding::Utf8;
    /// The file began with EF BB BF (only for UTF-8).
    bool byteOrderMark = false;
    /// The file's text ended with CR LF, LF or CR.
    bool finalLineBreak = false;

    /// The text to write for a page's text: the final line break the page
    /// does not show is put back.
    QString fileText(const QString &pageText) const
    {
        return finalLineBreak ? pageText + QLatin1String("\r\n") : pageText;
    }

    friend bool operator==(const FileFormat &, const FileFormat &) = default;
};

} // namespace lumaro
