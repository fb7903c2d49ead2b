#include "rtfparser.h"

#include "textfile.h"

#include <algorithm>
#include <unordered_map>

namespace lumaro {

namespace {

enum class Keyword {
    Unknown,
    Bin,
    FontTable,
    ColorTable,
    SkipDestination,
    DefaultFont,
    Font,
    FontSize,
    ColorForeground,
    Red,
    Green,
    Blue,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    ParagraphDefault,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignJustify,
    Paragraph,
    Line,
    Tab,
    Unicode,
    UnicodeSkip,
    Character, ///< a control word that stands for one character
};

struct KeywordInfo {
    Keyword keyword = Keyword::Unknown;
    char16_t character = 0;
};

// Control words longer than this are not RTF; they are read past and ignored.
constexpr std::size_t kMaxWordLength = 32;

const std::unordered_map<std::string_view, KeywordInfo> &keywords()
{
    static const std::unordered_map<std::string_view, KeywordInfo> table = [] {
        std::unordered_map<std::string_view, KeywordInfo> t;
        t["bin"] = {Keyword::Bin};
        t["fonttbl"] = {Keyword::FontTable};
        t["colortbl"] = {Keyword::ColorTable};
        t["deff"] = {Keyword::DefaultFont};
        t["f"] = {Keyword::Font};
        t["fs"] = {Keyword::FontSize};
        t["cf"] = {Keyword::ColorForeground};
        t["red"] = {Keyword::Red};
        t["green"] = {Keyword::Green};
        t["blue"] = {Keyword::Blue};
        t["plain"] = {Keyword::Plain};
        t["b"] = {Keyword::Bold};
        t["i"] = {Keyword::Italic};
        t["ulnone"] = {Keyword::UnderlineNone};
        t["strike"] = {Keyword::Strike};
        t["striked"] = {Keyword::Strike};
        t["pard"] = {Keyword::ParagraphDefault};
        t["ql"] = {Keyword::AlignLeft};
        t["qc"] = {Keyword::AlignCenter};
        t["qr"] = {Keyword::AlignRight};
        t["qj"] = {Keyword::AlignJustify};
        t["qd"] = {Keyword::AlignJustify};
        t["par"] = {Keyword::Paragraph};
        t["line"] = {Keyword::Line};
        t["tab"] = {Keyword::Tab};
        t["u"] = {Keyword::Unicode};
        t["uc"] = {Keyword::UnicodeSkip};
        // Every underline style shows as an underline.
        for (const char *word : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                 "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                 "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t[word] = {Keyword::Underline};
        // Destinations that hold no text of the document.
        for (const char *word :
             {"aftncn", "aftncont", "aftnsep", "aftnsepc", "annotation", "atnauthor", "atndate",
              "atnid", "atnref", "author", "bkmkend", "bkmkstart", "buptim", "colorschememapping",
              "comment", "company", "creatim", "datastore", "doccomm", "docvar", "fchars",
              "filetbl", "fldinst", "footer", "footerf", "footerl", "footerr", "footnote",
              "ftncn", "ftncont", "ftnsep", "ftnsepc", "generator", "header", "headerf",
              "headerl", "headerr", "info", "keywords", "latentstyles", "lchars",
              "listoverridetable", "listtable", "mmathPr", "nonshppict", "objdata", "object",
              "operator", "pgdsctbl", "pict", "printim", "private", "revtbl", "revtim",
              "rsidtbl", "stylesheet", "subject", "tc", "template", "themedata", "title", "txe",
              "userprops", "xe", "xmlnstbl"})
            t[word] = {Keyword::SkipDestination};
        const std::pair<const char *, char16_t> characters[] = {
            {"bullet", 0x2022},  {"emdash", 0x2014},    {"endash", 0x2013},
            {"emspace", 0x2003}, {"enspace", 0x2002},   {"qmspace", 0x2005},
            {"lquote", 0x2018},  {"rquote", 0x2019},    {"ldblquote", 0x201C},
            {"rdblquote", 0x201D}, {"zwj", 0x200D},     {"zwnj", 0x200C},
            {"ltrmark", 0x200E}, {"rtlmark", 0x200F},
        };
        for (const auto &[word, c] : characters)
            t[word] = {Keyword::Character, c};
        return t;
    }();
    return table;
}

KeywordInfo lookup(std::string_view word)
{
    if (word.size() > kMaxWordLength)
        return {};
    const auto &table = keywords();
    const auto it = table.find(word);
    return it == table.end() ? KeywordInfo{} : it->second;
}

const std::array<QChar, 256> &windows1252Table()
{
    static const std::array<QChar, 256> table = [] {
        QByteArray bytes(256, Qt::Uninitialized);
        for (int i = 0; i < 256; ++i)
            bytes[i] = char(i);
        const QString text = TextFile::fromWindows1252(bytes);
        std::array<QChar, 256> t{};
        for (int i = 0; i < 256 && i < text.size(); ++i)
            t[i] = text[i];
        return t;
    }();
    return table;
}

bool isLetter(uchar c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(uchar c) { return c >= '0' && c <= '9'; }

int hexValue(uchar c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Bytes that end a run of plain text.
bool isSpecialByte(uchar c) { return c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n'; }

const uchar *skipLeadIn(const uchar *p, const uchar *end)
{
    if (end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        p += 3;
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
        ++p;
    return p;
}

// Characters a QTextDocument would take for structure rather than text: block
// and frame separators and the object placeholder. They come only from \uN.
bool isStructuralCharacter(char16_t c)
{
    return c == 0x2029 || c == 0x2028 || c == 0xFFFC || (c >= 0xFDD0 && c <= 0xFDEF) || c == 0xFFFE
        || c == 0xFFFF;
}

} // namespace

RtfParser::RtfParser(const QByteArray &data)
    : m_data(data)
    , m_pos(reinterpret_cast<const uchar *>(m_data.constData()))
    , m_end(reinterpret_cast<const uchar *>(m_data.constData()) + m_data.size())
    , m_windows1252(windows1252Table())
{
}

bool RtfParser::looksLikeRtf(const QByteArray &data)
{
    const auto *begin = reinterpret_cast<const uchar *>(data.constData());
    const auto *end = begin + data.size();
    const uchar *p = skipLeadIn(begin, end);
    static constexpr char kMagic[] = "{\\rtf";
    constexpr int magicLength = int(sizeof(kMagic)) - 1;
    return end - p >= magicLength && std::equal(kMagic, kMagic + magicLength, p);
}

bool RtfParser::parse()
{
    const QByteArray probe = QByteArray::fromRawData(reinterpret_cast<const char *>(m_pos),
                                                     qsizetype(m_end - m_pos));
    if (!looksLikeRtf(probe))
        return false;
    m_pos = skipLeadIn(m_pos, m_end);

    // Every character of the text comes from at least one byte, so the data's
    // size bounds the text; reserve() still guards the write position.
    m_content.text = QString(qsizetype(m_end - m_pos), Qt::Uninitialized);
    m_out = m_content.text.data();

    while (m_pos < m_end) {
        const uchar c = *m_pos;
        if (c == '{') {
            ++m_pos;
            openGroup();
        } else if (c == '}') {
            ++m_pos;
            if (closeGroup())
                return true;
        } else if (c == '\\') {
            ++m_pos;
            parseControl();
        } else if (c == '\r' || c == '\n') {
            ++m_pos; // line ends of the RTF source are not text
        } else {
            const uchar *start = m_pos;
            while (m_pos < m_end && !isSpecialByte(*m_pos))
                ++m_pos;
            textBytes(start, m_pos);
        }
    }
    // The data ended inside a group: keep what was read.
    m_content.truncated = true;
    finish();
    return true;
}

void RtfParser::openGroup()
{
    m_fallbackLeft = 0;
    if (m_stack.size() >= std::size_t(maxGroupDepth)) {
        ++m_overflowDepth;
        return;
    }
    m_stack.push_back(m_state);
}

bool RtfParser::closeGroup()
{
    m_fallbackLeft = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return false;
    }
    if (m_state.destination == Destination::FontTable)
        commitFontName();
    else if (m_state.destination == Destination::ColorTable && m_rgbGiven)
        commitColor();
    if (m_stack.size() <= 1) {
        finish();
        m_stack.clear();
        return true;
    }
    m_state = m_stack.back();
    m_stack.pop_back();
    return false;
}

void RtfParser::parseControl()
{
    if (m_pos >= m_end)
        return; // a backslash at the very end
    const uchar c = *m_pos;
    if (!isLetter(c)) {
        ++m_pos;
        handleSymbol(char(c));
        return;
    }
    const uchar *wordStart = m_pos;
    while (m_pos < m_end && isLetter(*m_pos))
        ++m_pos;
    const std::string_view word(reinterpret_cast<const char *>(wordStart), std::size_t(m_pos - wordStart));

    bool negative = false;
    if (m_end - m_pos >= 2 && m_pos[0] == '-' && isDigit(m_pos[1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParameter = false;
    qint64 value = 0;
    while (m_pos < m_end && isDigit(*m_pos)) {
        hasParameter = true;
        if (value <= maxParameter)
            value = value * 10 + (*m_pos - '0');
        ++m_pos;
    }
    value = std::min<qint64>(value, maxParameter);
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos; // the space that ends a control word belongs to it
    handleWord(word, hasParameter, int(negative ? -value : value));
}

bool RtfParser::skipFallback()
{
    if (m_fallbackLeft <= 0)
        return false;
    --m_fallbackLeft;
    return true;
}

void RtfParser::handleSymbol(char symbol)
{
    if (symbol == '\'') {
        // \'hh: one byte in the document's code page. A broken escape adds
        // nothing; what follows it is read as usual.
        if (m_end - m_pos >= 2 && hexValue(m_pos[0]) >= 0 && hexValue(m_pos[1]) >= 0) {
            const int byte = hexValue(m_pos[0]) * 16 + hexValue(m_pos[1]);
            m_pos += 2;
            byteChar(uchar(byte));
        }
        return;
    }
    if (m_state.destination == Destination::Skip)
        return;
    if (symbol == '*') {
        // {\* ...}: a destination this reader does not know; skip the group.
        m_state.destination = Destination::Skip;
        return;
    }
    if (skipFallback())
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        put(QLatin1Char(symbol));
        break;
    case '~':
        put(QChar(0x00A0));
        break;
    case '_':
        put(QChar(0x2011));
        break;
    case '\t':
        put(QLatin1Char('\t'));
        break;
    case '\r':
    case '\n':
        paragraphBreak();
        break;
    default:
        // \- (optional hyphen), \: and \| add nothing visible.
        break;
    }
}

void RtfParser::handleWord(std::string_view word, bool hasParameter, int parameter)
{
    const KeywordInfo info = lookup(word);
    if (info.keyword == Keyword::Bin) {
        // \binN: N bytes of binary data follow; they are never text.
        const qint64 count = hasParameter ? std::max(parameter, 0) : 0;
        m_pos += std::min<qint64>(count, m_end - m_pos);
        return;
    }
    if (m_state.destination == Destination::Skip)
        return;
    switch (info.keyword) {
    case Keyword::FontTable:
        m_state.destination = Destination::FontTable;
        m_fontName.clear();
        return;
    case Keyword::ColorTable:
        m_state.destination = Destination::ColorTable;
        m_rgb = {0, 0, 0};
        m_rgbGiven = false;
        return;
    case Keyword::SkipDestination:
        m_state.destination = Destination::Skip;
        return;
    default:
        break;
    }
    // Inside the fallback of \uN every control word stands for one character.
    if (skipFallback())
        return;

    if (m_state.destination == Destination::FontTable) {
        if (info.keyword == Keyword::Font) {
            commitFontName();
            m_fontNumber = std::clamp(parameter, 0, 65534);
        } else if (info.keyword == Keyword::Unicode && hasParameter) {
            unicodeChar(parameter);
        } else if (info.keyword == Keyword::UnicodeSkip) {
            m_state.unicodeSkip = std::clamp(parameter, 0, 255);
        }
        return;
    }
    if (m_state.destination == Destination::ColorTable) {
        const int component = std::clamp(parameter, 0, 255);
        switch (info.keyword) {
        case Keyword::Red:
            m_rgb[0] = component;
            m_rgbGiven = true;
            break;
        case Keyword::Green:
            m_rgb[1] = component;
            m_rgbGiven = true;
            break;
        case Keyword::Blue:
            m_rgb[2] = component;
            m_rgbGiven = true;
            break;
        default:
            break;
        }
        return;
    }

    RtfCharState &chars = m_state.chars;
    // A toggle without a parameter switches on; with 0 it switches off.
    const bool on = !hasParameter || parameter != 0;
    switch (info.keyword) {
    case Keyword::DefaultFont:
        m_content.defaultFont = std::clamp(parameter, 0, 65534);
        break;
    case Keyword::Font:
        chars.font = std::clamp(parameter, 0, 65534);
        break;
    case Keyword::FontSize:
        chars.halfPoints = hasParameter ? std::clamp(parameter, 2, 3276) : 24;
        break;
    case Keyword::ColorForeground:
        chars.color = std::clamp(parameter, 0, 65534);
        break;
    case Keyword::Plain:
        chars = RtfCharState();
        break;
    case Keyword::Bold:
        chars.bold = on;
        break;
    case Keyword::Italic:
        chars.italic = on;
        break;
    case Keyword::Underline:
        chars.underline = on;
        break;
    case Keyword::UnderlineNone:
        chars.underline = false;
        break;
    case Keyword::Strike:
        chars.strikeOut = on;
        break;
    case Keyword::ParagraphDefault:
    case Keyword::AlignLeft:
        m_state.alignment = Qt::AlignLeft;
        break;
    case Keyword::AlignCenter:
        m_state.alignment = Qt::AlignHCenter;
        break;
    case Keyword::AlignRight:
        m_state.alignment = Qt::AlignRight;
        break;
    case Keyword::AlignJustify:
        m_state.alignment = Qt::AlignJustify;
        break;
    case Keyword::Paragraph:
        paragraphBreak();
        break;
    case Keyword::Line:
        put(QChar(QChar::LineSeparator));
        break;
    case Keyword::Tab:
        put(QLatin1Char('\t'));
        break;
    case Keyword::Character:
        put(QChar(info.character));
        break;
    case Keyword::Unicode:
        if (hasParameter) // \u without a number is not a character
            unicodeChar(parameter);
        break;
    case Keyword::UnicodeSkip:
        m_state.unicodeSkip = std::clamp(parameter, 0, 255);
        break;
    default:
        break; // a control word without meaning for the text
    }
}

void RtfParser::textBytes(const uchar *from, const uchar *to)
{
    if (m_state.destination == Destination::Skip)
        return;
    while (m_fallbackLeft > 0 && from < to) {
        --m_fallbackLeft;
        ++from;
    }
    if (from == to)
        return;
    if (m_state.destination != Destination::Text) {
        for (; from < to; ++from)
            put(m_windows1252[*from]);
        return;
    }
    // The hot path of a large document: one run check, then a plain copy.
    // Control characters are not text.
    while (from < to && *from < 0x20 && *from != '\t')
        ++from;
    if (from == to)
        return;
    flushPendingSurrogate();
    appendToText(m_windows1252[*from++]);
    reserve(int(to - from));
    for (; from < to; ++from) {
        const uchar b = *from;
        if (b < 0x20 && b != '\t')
            continue;
        m_out[m_length++] = m_windows1252[b];
    }
}

void RtfParser::byteChar(uchar byte)
{
    if (m_state.destination == Destination::Skip || skipFallback())
        return;
    put(m_windows1252[byte]);
}

void RtfParser::unicodeChar(int value)
{
    if (value < 0)
        value += 65536; // \uN is a signed 16-bit number
    char16_t c = (value < 0 || value > 0xFFFF) ? char16_t(0xFFFD) : char16_t(value);
    m_fallbackLeft = m_state.unicodeSkip;

    if (m_state.destination != Destination::Text) {
        put(QChar(c));
        return;
    }
    if (QChar::isHighSurrogate(c)) {
        flushPendingSurrogate();
        m_pendingHighSurrogate = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (m_pendingHighSurrogate) {
            appendToText(QChar(m_pendingHighSurrogate));
            appendToText(QChar(c));
            m_pendingHighSurrogate = 0;
        } else {
            put(QChar(0xFFFD));
        }
        return;
    }
    if (c == 0x2029) {
        paragraphBreak();
        return;
    }
    if (c == 0x2028) {
        put(QChar(QChar::LineSeparator));
        return;
    }
    if (isStructuralCharacter(c))
        c = 0xFFFD;
    put(QChar(c));
}

void RtfParser::put(QChar c)
{
    switch (m_state.destination) {
    case Destination::Text:
        if (c.unicode() < 0x20 && c != QLatin1Char('\t'))
            return; // control characters are not text
        flushPendingSurrogate();
        appendToText(c);
        return;
    case Destination::FontTable:
        if (c == QLatin1Char(';'))
            commitFontName();
        else if (m_fontName.size() < 255)
            m_fontName.append(c);
        return;
    case Destination::ColorTable:
        if (c == QLatin1Char(';'))
            commitColor();
        return;
    case Destination::Skip:
        return;
    }
}

void RtfParser::reserve(int count)
{
    const qsizetype needed = qsizetype(m_length) + count;
    if (needed <= m_content.text.size())
        return;
    m_content.text.resize(std::max(needed, m_content.text.size() * 2 + 16));
    m_out = m_content.text.data();
}

void RtfParser::appendToText(QChar c)
{
    const quint64 key = m_state.chars.key();
    if (key != m_runKey) {
        auto it = m_styleIndex.constFind(key);
        if (it == m_styleIndex.constEnd()) {
            it = m_styleIndex.insert(key, int(m_content.styles.size()));
            m_content.styles.push_back(m_state.chars);
        }
        m_content.runs.push_back({m_length, it.value()});
        m_runKey = key;
    }
    reserve(1);
    m_out[m_length++] = c;
}

void RtfParser::paragraphBreak()
{
    if (m_state.destination != Destination::Text)
        return;
    flushPendingSurrogate();
    appendToText(QChar(QChar::ParagraphSeparator));
    if (m_state.alignment != Qt::AlignLeft)
        m_content.alignedParagraphs.emplace_back(m_paragraph, m_state.alignment);
    ++m_paragraph;
}

void RtfParser::flushPendingSurrogate()
{
    if (!m_pendingHighSurrogate)
        return;
    m_pendingHighSurrogate = 0;
    appendToText(QChar(0xFFFD)); // a high surrogate without its low half
}

void RtfParser::commitFontName()
{
    const QString name = m_fontName.trimmed();
    if (!name.isEmpty() && !m_content.fonts.contains(m_fontNumber))
        m_content.fonts.insert(m_fontNumber, name);
    m_fontName.clear();
}

void RtfParser::commitColor()
{
    if (m_content.colors.size() < 65535) {
        if (m_rgbGiven)
            m_content.colors.emplace_back(QColor(m_rgb[0], m_rgb[1], m_rgb[2]));
        else
            m_content.colors.emplace_back(std::nullopt);
    }
    m_rgb = {0, 0, 0};
    m_rgbGiven = false;
}

void RtfParser::finish()
{
    if (m_state.destination == Destination::Text)
        flushPendingSurrogate();
    m_pendingHighSurrogate = 0;
    // The paragraph mark that ends the last paragraph closes the document;
    // it does not open an empty paragraph after it.
    if (m_length > 0 && m_out[m_length - 1] == QChar(QChar::ParagraphSeparator)) {
        --m_length;
        --m_paragraph;
        if (!m_content.runs.empty() && m_content.runs.back().start >= m_length)
            m_content.runs.pop_back();
    } else if (m_state.alignment != Qt::AlignLeft) {
        m_content.alignedParagraphs.emplace_back(m_paragraph, m_state.alignment);
    }
    m_content.text.truncate(m_length);
    m_content.finalState = m_state.chars;
}

} // namespace lumaro
