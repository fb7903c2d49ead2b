// Loading speed of the RTF reader on the document shape the page editor
// loads: plain text with one small colour group per tag.
#include "bench.h"

#include "rtfparser.h"
#include "rtfreader.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <ctime>
#include <functional>
#include <vector>

namespace {

struct ColouredPage {
    QByteArray rtf;      ///< the RTF document with {\cf12 ...} groups
    QString plain;       ///< the same text without markup, LF line breaks
    std::vector<std::pair<int, int>> tags; ///< (start, length) of every tag in plain
};

// Processor time of one call: on a machine shared with other jobs the wall
// clock also counts the time spent waiting for a core.
double cpuSeconds(const std::function<void()> &fn)
{
    timespec before{};
    timespec after{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &before);
    fn();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &after);
    return double(after.tv_sec - before.tv_sec) + double(after.tv_nsec - before.tv_nsec) / 1e9;
}

// A deterministic page of about `bytes` bytes: upper-case tags with
// attributes about every 15 characters, short lines, some accented letters.
ColouredPage makePage(int bytes)
{
    static const char *const tags[] = {"<B>", "</B>", "<A HREF=\"x.html\">", "</A>", "<P>",
                                       "<IMG SRC=\"a.gif\" WIDTH=10>", "<TD ALIGN=1>", "</TD>"};
    static const char *const words[] = {"lorem ", "ipsum ", "dolor ", "sit ", "amet ",
                                        "caf\xe9 ", "na\xefve ", "text "};
    ColouredPage page;
    page.rtf.reserve(bytes + bytes / 4);
    page.rtf += "{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil courier new;}}"
                "{\\colortbl\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red0\\green128\\blue0;"
                "\\red128\\green128\\blue0;\\red0\\green0\\blue128;\\red128\\green0\\blue128;"
                "\\red0\\green128\\blue128;\\red192\\green192\\blue192;\\red128\\green128\\blue128;"
                "\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red255\\green255\\blue0;"
                "\\red0\\green0\\blue255;\\red255\\green0\\blue255;\\red0\\green255\\blue255;"
                "\\red255\\green255\\blue255;}\\deflang1030\\pard\\plain\\f0\\fs20\\cf0 ";
    quint32 seed = 12345;
    auto next = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) & 0x7fff;
    };
    int lineLength = 0;
    while (page.rtf.size() < bytes) {
        const char *tag = tags[next() % 8];
        page.rtf += "{\\cf12 ";
        page.rtf += tag;
        page.rtf += '}';
        page.tags.emplace_back(int(page.plain.size()), int(qstrlen(tag)));
        page.plain += QLatin1String(tag);
        const char *word = words[next() % 8];
        page.rtf += word;
        page.plain += QString::fromLatin1(word);
        lineLength += int(qstrlen(tag) + qstrlen(word));
        if (lineLength > 60) {
            page.rtf += "\\par ";
            page.plain += QLatin1Char('\n');
            lineLength = 0;
        }
    }
    page.rtf += '}';
    return page;
}

void measure(int megabytes)
{
    using namespace lumaro::bench;
    const ColouredPage page = makePage(megabytes * 1024 * 1024);
    const QString size = QString::number(megabytes) + QStringLiteral(" MB");

    // The floor: the plain text at once, then one format per tag.
    double floor = 0;
    {
        QPlainTextEdit edit;
        QTextDocument *document = edit.document();
        floor = seconds([&] {
            document->setUndoRedoEnabled(false);
            document->setPlainText(page.plain);
            QTextCursor cursor(document);
            cursor.beginEditBlock();
            QTextCharFormat blue;
            blue.setForeground(QColor(0, 0, 255));
            for (const auto &[start, length] : page.tags) {
                cursor.setPosition(start);
                cursor.setPosition(start + length, QTextCursor::KeepAnchor);
                cursor.setCharFormat(blue);
            }
            cursor.endEditBlock();
        });
    }
    report(size + QStringLiteral(" floor: setPlainText + setCharFormat per tag"), floor, QStringLiteral("s"));

    double plainEdit = 0;
    {
        QPlainTextEdit edit;
        double cpu = 0;
        plainEdit = seconds([&] { cpu = cpuSeconds([&] { lumaro::RtfReader::read(page.rtf, edit.document()); }); });
        report(size + QStringLiteral(" RtfReader into a QPlainTextEdit"), plainEdit, QStringLiteral("s"),
               megabytes >= 10 ? QStringLiteral("well under 1 s") : QString());
        report(size + QStringLiteral(" RtfReader into a QPlainTextEdit, processor time"), cpu, QStringLiteral("s"));
        report(size + QStringLiteral(" tag groups in the page"), double(page.tags.size()), QString());
        report(size + QStringLiteral(" blocks loaded"), edit.document()->blockCount(), QString());
    }
    {
        // The text alone, to tell parsing from filling the document.
        lumaro::RtfParser parser(page.rtf);
        const double parse = cpuSeconds([&] { parser.parse(); });
        report(size + QStringLiteral(" parsing alone, processor time"), parse, QStringLiteral("s"));
    }
    {
        QTextDocument document;
        const double bare = seconds([&] { lumaro::RtfReader::read(page.rtf, &document); });
        report(size + QStringLiteral(" RtfReader into a bare QTextDocument"), bare, QStringLiteral("s"));
    }
    report(size + QStringLiteral(" reader / floor"), plainEdit / floor, QStringLiteral("x"));
    report(QStringLiteral("peak resident memory so far"), peakResidentMb(), QStringLiteral("MB"));
}

} // namespace

LUMARO_BENCH("rtfreader")
{
    measure(1);
    measure(10);
}
