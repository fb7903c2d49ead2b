#include "rtfgen.h"

namespace lumaro::bench {

namespace {
quint32 nextRandom(quint32 &seed)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7fff;
}
} // namespace

QByteArray generateFormattedRtf(int bytes)
{
    QByteArray rtf;
    rtf.reserve(bytes + 256);
    rtf += "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}"
           "{\\f2\\froman Times New Roman;}}{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;"
           "\\red0\\green128\\blue0;\\red0\\green0\\blue255;}\\pard\\plain\\f0\\fs20 ";
    static const char *const words[] = {"lorem", "ipsum", "dolor", "sit", "amet", "caf\\'e9", "text", "word"};
    static const char *const styles[] = {"\\b ", "\\i ", "\\ul ", "\\strike ", "\\b\\i ", ""};
    quint32 seed = 4711;
    int inParagraph = 0;
    while (rtf.size() < bytes) {
        rtf += '{';
        rtf += styles[nextRandom(seed) % 6];
        if (nextRandom(seed) % 3 == 0)
            rtf += "\\fs" + QByteArray::number(16 + 4 * (nextRandom(seed) % 8)) + ' ';
        if (nextRandom(seed) % 3 == 0)
            rtf += "\\cf" + QByteArray::number(1 + nextRandom(seed) % 4) + ' ';
        if (nextRandom(seed) % 5 == 0)
            rtf += "\\f" + QByteArray::number(nextRandom(seed) % 3) + ' ';
        rtf += words[nextRandom(seed) % 8];
        rtf += "} ";
        if (++inParagraph > 12) {
            rtf += nextRandom(seed) % 4 == 0 ? "\\par\\pard\\qc " : "\\par\\pard ";
            inParagraph = 0;
        }
    }
    rtf += "\\par}";
    return rtf;
}

} // namespace lumaro::bench
