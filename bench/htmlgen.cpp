#include "htmlgen.h"

#include <array>

namespace lumaro::bench {

namespace {

/// A small linear congruential generator: the same numbers on every platform.
class Random {
public:
    explicit Random(quint32 seed) : m_state(seed) {}
    quint32 next(quint32 bound)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return (m_state >> 8) % bound;
    }

private:
    quint32 m_state;
};

const std::array<const char16_t *, 16> kTags = {
    u"<P>", u"</P>", u"<B>", u"</B>", u"<A HREF=\"page%1.html\">", u"</A>",
    u"<IMG SRC=\"pic%1.gif\" WIDTH=100 HEIGHT=50 BORDER=0>", u"<FONT COLOR=\"#FF0000\" SIZE=2>",
    u"</FONT>", u"<TD ALIGN=LEFT>", u"</TD>", u"<CENTER>", u"</CENTER>", u"<BR>",
    u"<MARQUEE LOOP=%1>", u"<!-- note %1 -->",
};

const std::array<const char16_t *, 14> kWords = {
    u"the", u"page", u"text", u"link", u"table", u"picture", u"caf\u00E9", u"sm\u00F8rrebr\u00F8d",
    u"\u00FCber", u"na\u00EFve", u"\u00C6r\u00F8", u"price \u20AC5", u"\u03B1\u03B2", u"&amp;",
};

} // namespace

QString generateHtmlPage(qsizetype chars, quint32 seed)
{
    Random random(seed);
    QString page;
    page.reserve(chars + 128);
    page += QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>Generated page</TITLE>\r\n</HEAD>\r\n"
                           "<BODY BGCOLOR=\"#FFFFFF\">\r\n");
    int line = 0;
    while (page.size() < chars) {
        // About one tag per 15 characters: a tag, then one or two words.
        QString tag = QString::fromUtf16(kTags[random.next(kTags.size())]);
        if (tag.contains(QLatin1String("%1")))
            tag = tag.arg(random.next(100));
        page += tag;
        line += int(tag.size());
        const int words = 1 + int(random.next(2));
        for (int w = 0; w < words; ++w) {
            const QString word = QString::fromUtf16(kWords[random.next(kWords.size())]);
            page += QLatin1Char(' ');
            page += word;
            line += int(word.size()) + 1;
        }
        if (line > 70) {
            page += QLatin1String("\r\n");
            line = 0;
        }
    }
    page += QStringLiteral("\r\n</BODY>\r\n</HTML>\r\n");
    return page;
}

} // namespace lumaro::bench
