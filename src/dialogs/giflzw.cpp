#include "giflzw.h"

#include <array>

namespace lumaro {

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

/// Reads codes least significant bit first, as GIF packs them.
class CodeReader {
public:
    CodeReader(const QByteArray &data)
        : m_data(reinterpret_cast<const uchar *>(data.constData()))
        , m_size(data.size())
    {
    }
    /// The next code of the given width, or -1 at the end of the data.
    int next(int bits)
    {
        while (m_bitCount < bits) {
            if (m_pos >= m_size)
                return -1;
            m_buffer |= quint32(m_data[m_pos++]) << m_bitCount;
            m_bitCount += 8;
        }
        const int code = int(m_buffer & ((1u << bits) - 1));
        m_buffer >>= bits;
        m_bitCount -= bits;
        return code;
    }

private:
    const uchar *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    quint32 m_buffer = 0;
    int m_bitCount = 0;
};

} // namespace

QByteArray GifLzw::decode(const QByteArray &codes, int minCodeSize, qsizetype maxPixels)
{
    QByteArray out;
    if (minCodeSize < 1 || minCodeSize > 8 || maxPixels <= 0)
        return out;
    out.reserve(qMin<qsizetype>(maxPixels, codes.size() * 8 + 16));

    // Each entry is a previous entry plus one byte; its first byte is kept so
    // the "code not yet in the table" case needs no walk.
    std::array<qint16, kTableSize> prefix{};
    std::array<uchar, kTableSize> suffix{};
    std::array<uchar, kTableSize> first{};
    std::array<uchar, kTableSize + 1> stack{};

    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    for (int i = 0; i < clearCode; ++i) {
        prefix[i] = -1;
        suffix[i] = uchar(i);
        first[i] = uchar(i);
    }
    int codeSize = minCodeSize + 1;
    int nextCode = clearCode + 2;
    int previous = -1;

    CodeReader reader(codes);
    while (out.size() < maxPixels) {
        const int code = reader.next(codeSize);
        if (code < 0 || code == endCode)
            break;
        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            nextCode = clearCode + 2;
            previous = -1;
            continue;
        }
        if (previous < 0) {
            // The first code after a clear must be a single colour.
            if (code > clearCode)
                break;
            out.append(char(code));
            previous = code;
            continue;
        }
        if (code > nextCode || (code == nextCode && nextCode >= kTableSize))
            break; // a code the encoder could not have written

        // The string of the code, or for the code being defined right now,
        // the previous string plus its own first byte.
        const bool known = code < nextCode;
        int walk = known ? code : previous;
        int depth = 0;
        if (!known)
            stack[depth++] = first[previous];
        while (walk >= 0 && depth <= kTableSize) {
            stack[depth++] = suffix[walk];
            walk = prefix[walk];
        }
        const uchar firstByte = stack[depth - 1];
        while (depth > 0 && out.size() < maxPixels)
            out.append(char(stack[--depth]));

        if (nextCode < kTableSize) {
            prefix[nextCode] = qint16(previous);
            suffix[nextCode] = firstByte;
            first[nextCode] = first[previous];
            ++nextCode;
            if (nextCode == (1 << codeSize) && codeSize < kMaxCodeBits)
                ++codeSize;
        }
        previous = code;
    }
    return out;
}

} // namespace lumaro
