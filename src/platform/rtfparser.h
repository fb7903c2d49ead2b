#pragma once

#include "rtfcontent.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <string_view>
#include <vector>

namespace lumaro {

/// Turns the bytes of an RTF document into text, runs of character
/// properties and paragraph alignments (RtfContent), without touching a
/// QTextDocument.
///
/// The parser walks the bytes once with a stack of group states. It never
/// reads past the data: a truncated control word, `\'` escape or `\bin` block
/// just ends the document; braces that never close are closed at the end;
/// groups nested deeper than maxGroupDepth share the state of the deepest
/// kept group; numbers are clamped. Destinations that hold no document text
/// (`{\*...}`, font and colour tables, style sheet, information, pictures,
/// headers, footers, fields' instructions...) are skipped; the font and
/// colour tables are read into the content.
class RtfParser {
public:
    static constexpr int maxGroupDepth = 1000;
    static constexpr int maxParameter = 2147483647;

    explicit RtfParser(const QByteArray &data);

    /// Parses the document. False, with nothing parsed, when the data does
    /// not start with "{\rtf" (leading blanks and a UTF-8 byte order mark are
    /// allowed).
    bool parse();

    const RtfContent &content() const { return m_content; }
    RtfContent takeContent() { return std::move(m_content); }

    /// True when the data starts like an RTF document.
    static bool looksLikeRtf(const QByteArray &data);

private:
    enum class Destination : quint8 { Text, FontTable, ColorTable, Skip };

    struct GroupState {
        RtfCharState chars;
        Qt::Alignment alignment = Qt::AlignLeft;
        Destination destination = Destination::Text;
        int unicodeSkip = 1; ///< fallback characters after \uN (\ucN)
    };

    void openGroup();
    bool closeGroup(); ///< true when the document's outermost group closed
    void parseControl();
    void handleWord(std::string_view word, bool hasParameter, int parameter);
    void handleSymbol(char symbol);
    void textBytes(const uchar *from, const uchar *to);
    void byteChar(uchar byte);
    void unicodeChar(int value);
    void put(QChar c);
    void appendToText(QChar c);
    void reserve(int count);
    void paragraphBreak();
    void flushPendingSurrogate();
    bool skipFallback();
    void commitFontName();
    void commitColor();
    void finish();

    QByteArray m_data; ///< keeps the bytes alive while they are read
    const uchar *m_pos;
    const uchar *m_end;
    RtfContent m_content;
    QChar *m_out = nullptr; ///< write position in m_content.text
    int m_length = 0;
    int m_paragraph = 0;

    GroupState m_state;
    std::vector<GroupState> m_stack;
    int m_overflowDepth = 0;
    int m_fallbackLeft = 0;
    char16_t m_pendingHighSurrogate = 0;

    quint64 m_runKey = ~quint64(0);
    QHash<quint64, int> m_styleIndex;

    // Font table entry being read.
    int m_fontNumber = 0;
    QString m_fontName;
    // Colour table entry being read.
    std::array<int, 3> m_rgb{0, 0, 0};
    bool m_rgbGiven = false;

    std::array<QChar, 256> m_windows1252{};
};

} // namespace lumaro
