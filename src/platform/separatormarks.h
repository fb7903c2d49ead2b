#pragma once

#include <QString>

namespace lumaro {

/// U+2028 LINE SEPARATOR and U+2029 PARAGRAPH SEPARATOR inside a page
/// (script and JSON text pasted into pages carries them). The text control
/// reads U+2029 as its own block separator and lays U+2028 out as a line
/// break, so the page editor holds each of them as a stand-in: a Unicode
/// noncharacter, one position like the character it stands for, which no
/// page exchanges and which the editor shows as a visible mark. Text going
/// into the control is turned into stand-ins; text read from it is turned
/// back, so open, edit, copy and save keep the characters. The stand-ins
/// are the last two noncharacters: the control itself uses the first two
/// as frame marks.
class SeparatorMarks {
public:
    static constexpr char16_t lineStandIn = 0xFDEE;
    static constexpr char16_t paragraphStandIn = 0xFDEF;

    /// The text with U+2028 and U+2029 as their stand-ins.
    static QString toDocument(QString text);
    /// The text with the stand-ins as U+2028 and U+2029 again.
    static QString fromDocument(QString text);
    /// The mark the editor draws over a stand-in (a return arrow for the
    /// line separator, a pilcrow for the paragraph separator); empty for
    /// any other character.
    static QString markText(QChar c);
};

} // namespace lumaro
