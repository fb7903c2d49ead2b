// Speed and memory of the page editor's colouring: a coloured load compared
// with the floor of putting the same text and tag formats into an editor,
// a whole-page recolour, and one typed key on a large page.
#include "bench.h"
#include "htmlgen.h"

#include "colordocument.h"
#include "colorsettings.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QSaveFile>
#include <QTemporaryDir>
#include <ctime>

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

using namespace lumaro;
using namespace lumaro::bench;

namespace {

/// Processor seconds of one call: on a machine shared with other work the
/// wall clock says more about the neighbours than about the code.
double cpuSeconds(const std::function<void()> &fn)
{
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &start);
    fn();
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &end);
    return double(end.tv_sec - start.tv_sec) + double(end.tv_nsec - start.tv_nsec) / 1e9;
}

/// Wall and processor seconds of one call.
std::pair<double, double> timed(const std::function<void()> &fn)
{
    double cpu = 0;
    const double wall = seconds([&] { cpu = cpuSeconds(fn); });
    return {wall, cpu};
}

/// The floor: the page text into a plain editor, then one character format
/// per tag through a QTextCursor, in one edit block without undo records.
std::pair<double, double> floorSeconds(const QString &page)
{
    QString text = page;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    QPlainTextEdit editor;
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    return timed([&] {
        editor.document()->setUndoRedoEnabled(false);
        editor.setPlainText(text);
        QTextCursor cursor(editor.document());
        cursor.beginEditBlock();
        qsizetype open = -1;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'<') {
                open = i;
            } else if (text[i] == u'>' && open >= 0) {
                cursor.setPosition(int(open));
                cursor.setPosition(int(i + 1), QTextCursor::KeepAnchor);
                cursor.setCharFormat(blue);
                open = -1;
            }
        }
        cursor.endEditBlock();
        editor.document()->setUndoRedoEnabled(true);
    });
}

/// Sends one typed character to the editor as the keyboard would.
void typeKey(thtmlrichedit &editor, QChar key, Qt::Key code)
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(key));
    QApplication::sendEvent(&editor, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(key));
    QApplication::sendEvent(&editor, &release);
}

void measure(const QString &label, qsizetype chars, bool typing)
{
    const QString page = generateHtmlPage(chars);
    const auto [floor, floorCpu] = floorSeconds(page);
    report(label + QStringLiteral(" (a) floor: setPlainText + setCharFormat per tag"), floor * 1000, QStringLiteral("ms"));
    report(label + QStringLiteral("     processor time"), floorCpu * 1000, QStringLiteral("ms"));

    {
        // The parts of a load: building the document, writing the file.
        ColorSettings settings;
        settings.usecolor = true;
        ColorDocument document;
        const double build = cpuSeconds([&] { document = ColorDocument::build(page, settings); });
        report(label + QStringLiteral("     of (b): colouring document built, processor time"), build * 1000, QStringLiteral("ms"));
        QTemporaryDir dir;
        const auto [write, writeCpu] = timed([&] {
            QSaveFile file(dir.filePath(QStringLiteral("color.rtf")));
            file.open(QIODevice::WriteOnly);
            file.write(document.rtfDocument);
            file.commit();
        });
        report(label + QStringLiteral("     of (b): color.rtf written"), write * 1000, QStringLiteral("ms"));
        report(label + QStringLiteral("     of (b): color.rtf written, processor time"), writeCpu * 1000, QStringLiteral("ms"));
    }

    auto editor = std::make_unique<thtmlrichedit>();
    editor->resize(800, 600);
    const auto [load, loadCpu] = timed([&] { editor->loadcoloredText(page); });
    report(label + QStringLiteral(" (b) loadcolored, colouring on"), load * 1000, QStringLiteral("ms"),
           QStringLiteral("<= 2 x (a) = %1 ms").arg(2 * floor * 1000, 0, 'f', 0)
               + (chars >= 10'000'000 ? QStringLiteral(", < 3000 ms") : QString()));
    report(label + QStringLiteral("     processor time"), loadCpu * 1000, QStringLiteral("ms"));
    report(label + QStringLiteral("     ratio (b)/(a), wall"), load / floor, QStringLiteral("x"), QStringLiteral("<= 2"));
    report(label + QStringLiteral("     ratio (b)/(a), processor time"), loadCpu / floorCpu, QStringLiteral("x"), QStringLiteral("<= 2"));
    report(label + QStringLiteral("     tags in the page"), editor->toPlainText().count(u'<'), QString());

    const auto [recolour, recolourCpu] = timed([&] { editor->color(); });
    report(label + QStringLiteral(" (c) color on the loaded page"), recolour * 1000, QStringLiteral("ms"));
    report(label + QStringLiteral("     processor time"), recolourCpu * 1000, QStringLiteral("ms"));

    if (typing) {
        editor->show();
        // Caret in the middle of the page, inside a tag being typed.
        const int middle = editor->textLength() / 2;
        editor->setCaretPosition(middle);
        editor->replaceSel(QStringLiteral("<B"));
        const auto [gt, gtCpu] = timed([&] { editor->highlight(u'>'); });
        report(label + QStringLiteral(" (d) highlight('>') keypress"), gt * 1000, QStringLiteral("ms"), QStringLiteral("< 20 ms"));
        report(label + QStringLiteral("     processor time"), gtCpu * 1000, QStringLiteral("ms"));
        const auto [keyGt, keyGtCpu] = timed([&] { typeKey(*editor, u'>', Qt::Key_Greater); });
        report(label + QStringLiteral("     whole '>' key event (press + release)"), keyGt * 1000, QStringLiteral("ms"), QStringLiteral("< 20 ms"));
        editor->setCaretPosition(middle);
        const auto [keyLt, keyLtCpu] = timed([&] { typeKey(*editor, u'<', Qt::Key_Less); });
        report(label + QStringLiteral("     whole '<' key event (press + release)"), keyLt * 1000, QStringLiteral("ms"), QStringLiteral("< 20 ms"));
        const auto [plainKey, plainKeyCpu] = timed([&] { typeKey(*editor, u'x', Qt::Key_X); });
        report(label + QStringLiteral("     whole 'x' key event (press + release)"), plainKey * 1000, QStringLiteral("ms"));
    }
    report(label + QStringLiteral(" (e) peak resident memory so far"), peakResidentMb(), QStringLiteral("MB"),
           chars >= 10'000'000 ? QStringLiteral("< 300 MB") : QString());
}

} // namespace

LUMARO_BENCH("editor")
{
    tregini::setOverride(QStringLiteral("editor\\color"), QStringLiteral("usecolor"), QStringLiteral("1"));
    measure(QStringLiteral("1 MB page"), 1'000'000, false);
    measure(QStringLiteral("10 MB page"), 10'000'000, true);
    tregini::clearOverrides();
}

namespace {

/// Open until the first paint: the page into an editor that is shown and
/// painted once. Compared with a plain QPlainTextEdit given the same text
/// uncoloured, the floor of Qt's own editor.
void measureOpen(const QString &label, qsizetype chars)
{
    const QString page = generateHtmlPage(chars);
    {
        auto editor = std::make_unique<thtmlrichedit>();
        editor->resize(800, 600);
        const auto [wall, cpu] = timed([&] {
            editor->loadcoloredText(page);
            editor->show();
            editor->viewport()->repaint();
        });
        report(label + QStringLiteral(" open coloured until the first paint"), wall * 1000, QStringLiteral("ms"),
               chars >= 10'000'000 ? QStringLiteral("<= 300 ms") : QStringLiteral("<= 50 ms"));
        report(label + QStringLiteral("     processor time"), cpu * 1000, QStringLiteral("ms"));
        const auto [recolour, recolourCpu] = timed([&] {
            editor->resetFormats();
            editor->color();
            editor->viewport()->repaint();
        });
        report(label + QStringLiteral(" color on the loaded page, painted"), recolour * 1000, QStringLiteral("ms"),
               chars >= 10'000'000 ? QStringLiteral("< 300 ms") : QString());
        report(label + QStringLiteral("     processor time"), recolourCpu * 1000, QStringLiteral("ms"));
        report(label + QStringLiteral(" peak resident memory so far"), peakResidentMb(), QStringLiteral("MB"),
               chars >= 10'000'000 ? QStringLiteral("< 140 MB (run this section alone)") : QString());
    }
    QString plain = page;
    plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QPlainTextEdit floor;
    floor.resize(800, 600);
    const auto [wall, cpu] = timed([&] {
        floor.setPlainText(plain);
        floor.show();
        floor.viewport()->repaint();
    });
    report(label + QStringLiteral(" side by side: plain QPlainTextEdit, setPlainText, shown, painted"), wall * 1000,
           QStringLiteral("ms"));
    report(label + QStringLiteral("     processor time"), cpu * 1000, QStringLiteral("ms"));
}

} // namespace

// Run alone ("lumaro_bench open") for the memory row to be this page's.
LUMARO_BENCH("open")
{
    tregini::setOverride(QStringLiteral("editor\\color"), QStringLiteral("usecolor"), QStringLiteral("1"));
    measureOpen(QStringLiteral("1 MB page"), 1'000'000);
    measureOpen(QStringLiteral("10 MB page"), 10'000'000);
    tregini::clearOverrides();
}
