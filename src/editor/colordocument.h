#pragma once

#include "colorsettings.h"
#include "tagclass.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace lumaro {

/// One formatted tag group of the coloured document: the characters
/// start .. start+length-1 of the page text (a line break counts one) and
/// the class whose colour and attribute they carry.
struct ColorRun {
    int start = 0;
    int length = 0;
    TagClass tagClass = TagClass::All;
    friend bool operator==(const ColorRun &, const ColorRun &) = default;
};

/// The coloured document of a page being loaded: the RTF document written to
/// the colouring file "color.rtf", and the same content in the form the page
/// editor applies directly (the page text plus one run per formatted tag
/// group), so a page can be shown without parsing the RTF back.
///
/// The RTF document is, with no line breaks: the header with the font and
/// colour tables, "\deflang1030\pard\plain\f0\fs<2 x size>\cf0 ", the body and
/// "}". The body is the file's lines joined by "\par " (a line break at the
/// very end of the file adds no empty line), with backslashes doubled and
/// braces escaped; when usecolor or usefontattr is on, every tag (a "<" up to
/// the next ">") is wrapped in "{" + colour code + attribute code + " " ...
/// "}", the space left out when both codes are empty. Characters are written
/// as Windows-1252 bytes; any character Windows-1252 cannot hold is written
/// as "\uN?" (N the signed 16-bit code unit).
class ColorDocument {
public:
    /// Builds both forms from a file's text (line breaks CR LF, LF or CR).
    /// Without runs only the RTF document and the text are made: a page
    /// editor works out its tags' look itself as it shows them.
    static ColorDocument build(const QString &fileText, const ColorSettings &settings, bool withRuns = true);
    /// Only the RTF document.
    static QByteArray rtf(const QString &fileText, const ColorSettings &settings)
    {
        return build(fileText, settings).rtfDocument;
    }
    /// The page text of a file's text: line breaks as "\n", the final one dropped.
    static QString pageText(const QString &fileText);

    QByteArray rtfDocument;
    QString text;          ///< the page text, line breaks as "\n"
    QList<ColorRun> runs;  ///< tag groups that carry a colour or an attribute
};

} // namespace lumaro
