// Speed of the converters: RTF import of a 1 MB document with frequent
// format changes (compared with unrtf when it is installed), plain text
// export of a 10 MB page, and the character/entity conversions of a 1 MB
// page holding 20,000 accented letters, on the text and on a page editor.
#include "bench.h"
#include "rtfgen.h"

#include "importsettings.h"
#include "rtfimport.h"
#include "specialchars.h"
#include "specialcharsedit.h"
#include "textexport.h"
#include "thtmlrichedit.h"
#include "timpexprichedit.h"
#include "tregini.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>

namespace {

using lumaro::bench::report;
using lumaro::bench::seconds;

quint32 nextRandom(quint32 &seed)
{
    seed = seed * 1103515245u + 12345u;
    return (seed >> 16) & 0x7fff;
}

// A page of about `chars` characters of markup and text, CR LF line ends.
QString makeHtmlPage(qsizetype chars, int accented)
{
    static const char *const pieces[] = {"<P>", "<B>", "</B>", "<BR>", "<A HREF=\"page.html\">", "</A>",
                                         "<FONT SIZE=3 COLOR=#FF0000>", "</FONT>", "<I>", "</I>",
                                         "<TD ALIGN=LEFT>", "&amp;"};
    static const char *const words[] = {"lorem ", "ipsum ", "dolor ", "sit ", "amet ", "text "};
    static const char16_t letters[] = {0xe6, 0xf8, 0xe5, 0xe9, 0xe8, 0xc6, 0xd8, 0xc5, 0xfc, 0xf1};
    QString page;
    page.reserve(chars + 64);
    quint32 seed = 99;
    const qsizetype letterEvery = accented > 0 ? chars / accented : chars + 1;
    qsizetype nextLetter = letterEvery / 2;
    int lineLength = 0;
    while (page.size() < chars) {
        page += QLatin1String(pieces[nextRandom(seed) % 12]);
        const QLatin1String word(words[nextRandom(seed) % 6]);
        page += word;
        if (page.size() >= nextLetter && accented > 0) {
            page += QChar(letters[nextRandom(seed) % 10]);
            nextLetter += letterEvery;
        }
        lineLength += 12;
        if (lineLength > 70) {
            page += QLatin1String("\r\n");
            lineLength = 0;
        }
    }
    return page;
}

} // namespace

LUMARO_BENCH("convert_rtf_import")
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("formatted.rtf"));
    const QByteArray rtf = lumaro::bench::generateFormattedRtf(1 << 20);
    {
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        out.write(rtf);
    }
    report(QStringLiteral("RTF document size"), rtf.size() / 1048576.0, QStringLiteral("MB"));

    lumaro::RtfImport::Result result;
    const double import = seconds([&] { result = lumaro::RtfImport::convertFile(file, lumaro::ImportSettings()); });
    report(QStringLiteral("RTF import of 1 MB (read + convert, run walk)"), import, QStringLiteral("s"),
           QStringLiteral("< 3 s, <= 2x unrtf"));
    report(QStringLiteral("  HTML produced"), result.html.size() / 1048576.0, QStringLiteral("MB"));

    lumaro::timpexprichedit converter;
    converter.loadFromFile(file);
    report(QStringLiteral("  positions in the document"), converter.document()->characterCount() / 1e6,
           QStringLiteral("M"));
    const double runs = seconds([&] { converter.convert(*converter.document(), lumaro::ImportWalk::Runs); });
    report(QStringLiteral("  conversion alone, run walk"), runs, QStringLiteral("s"));
    converter.clearOutput();
    const double characters =
        seconds([&] { converter.convert(*converter.document(), lumaro::ImportWalk::Characters); });
    report(QStringLiteral("  conversion alone, character walk (reference)"), characters, QStringLiteral("s"));

    // What the user waits for after the conversion: the HTML going into the
    // page through the replace-selection operation.
    for (const bool colour : {false, true}) {
        lumaro::tregini::setOverride(QStringLiteral("editor\\color"), QStringLiteral("usecolor"),
                                     colour ? QStringLiteral("1") : QStringLiteral("0"));
        lumaro::thtmlrichedit page;
        page.resize(800, 600);
        const double insert = seconds([&] { page.replaceSelection(result.html); });
        report(colour ? QStringLiteral("  inserting the HTML into a page, colouring on")
                      : QStringLiteral("  inserting the HTML into a page, colouring off"),
               insert, QStringLiteral("s"));
    }
    lumaro::tregini::clearOverrides();

    const QString unrtf = QStandardPaths::findExecutable(QStringLiteral("unrtf"));
    if (unrtf.isEmpty()) {
        report(QStringLiteral("unrtf --html (not installed)"), 0, QStringLiteral("s"));
        return;
    }
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const double other = seconds([&] {
        process.start(unrtf, {QStringLiteral("--html"), file});
        process.waitForFinished(-1);
    });
    report(QStringLiteral("unrtf --html on the same file"), other, QStringLiteral("s"));
    report(QStringLiteral("RTF import / unrtf"), other > 0 ? import / other : 0, QStringLiteral("x"),
           QStringLiteral("<= 2"));
}

LUMARO_BENCH("convert_text_export")
{
    const QString page = makeHtmlPage(10 << 20, 0);
    QString text;
    const double export10 = seconds([&] { text = lumaro::TextExport::convert(page); });
    report(QStringLiteral("text export of a 10 MB page"), export10, QStringLiteral("s"), QStringLiteral("< 1 s"));
    report(QStringLiteral("  text produced"), text.size() / 1048576.0, QStringLiteral("M chars"));
}

// A tag holding a long run of blanks before its ">": the blanks go in one
// pass, so the time grows with the run, not with its square.
LUMARO_BENCH("convert_text_export_blanks")
{
    for (const qsizetype blanks : {qsizetype(300000), qsizetype(1) << 20}) {
        const QString page = QStringLiteral("<B") + QString(blanks, u' ') + QStringLiteral(">x");
        QString text;
        const double time = seconds([&] { text = lumaro::TextExport::convert(page); });
        report(QStringLiteral("text export of \"<B\" + %1 blanks + \">x\"").arg(blanks), time,
               QStringLiteral("s"), QStringLiteral("< 0.1 s"));
        if (text != QLatin1String("x"))
            report(QStringLiteral("  WRONG RESULT, chars"), text.size(), QString());
    }
}

LUMARO_BENCH("convert_special_chars")
{
    QString error;
    const auto table = lumaro::SpecialChars::fromPairs(lumaro::SpecialChars::standardPairs(), &error);
    const QString page = makeHtmlPage(1 << 20, 20000);
    QString entities;
    QString back;
    const double toTags = seconds([&] { entities = table->chartiltags(page); });
    report(QStringLiteral("chartiltags on 1 MB text, 20,000 letters"), toTags, QStringLiteral("s"),
           QStringLiteral("< 1 s"));
    const double toChars = seconds([&] { back = table->tagstilchar(entities); });
    report(QStringLiteral("tagstilchar on the same text"), toChars, QStringLiteral("s"), QStringLiteral("< 1 s"));
    report(QStringLiteral("  round trip gives the page back"), back == page ? 1 : 0, QStringLiteral("bool"));

    lumaro::thtmlrichedit editor;
    editor.resize(800, 600);
    editor.loadcoloredText(page);
    const double editorToTags = seconds([&] { lumaro::SpecialCharsEdit::chartiltags(editor, *table); });
    report(QStringLiteral("chartiltags on a 1 MB page editor"), editorToTags, QStringLiteral("s"),
           QStringLiteral("< 1 s"));
    const double editorToChars = seconds([&] { lumaro::SpecialCharsEdit::tagstilchar(editor, *table); });
    report(QStringLiteral("tagstilchar on the page editor"), editorToChars, QStringLiteral("s"),
           QStringLiteral("< 1 s"));
}
