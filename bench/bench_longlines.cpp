// Typing on pages whose text is one very long line (generated or minified
// HTML), each beside the multi-line page of the same size: open, the typed
// keys and edits a user makes in the middle of the line, caret to the end of
// the line, a find near the end, and peak memory.
#include "bench.h"
#include "htmlgen.h"

#include "thtmlrichedit.h"
#include "tregini.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>

#include <memory>

using namespace lumaro;
using namespace lumaro::bench;

namespace {

/// One key as the keyboard sends it, and the repaint it causes.
double keySeconds(thtmlrichedit &editor, Qt::Key code, const QString &text,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return seconds([&] {
        QKeyEvent press(QEvent::KeyPress, code, modifiers, text);
        QApplication::sendEvent(&editor, &press);
        QKeyEvent release(QEvent::KeyRelease, code, modifiers, text);
        QApplication::sendEvent(&editor, &release);
        QApplication::processEvents();
    });
}

/// The page as one line: its line breaks become blanks, so the size stays.
QString oneLine(QString page)
{
    page.replace(QLatin1String("\r\n"), QLatin1String(" "));
    return page;
}

struct Shape {
    QString name;
    bool single;
    bool wrap;
};

void measure(qsizetype chars, const QString &size)
{
    const QString target = chars >= 10'000'000 ? QStringLiteral("< 100 ms") : chars >= 1'000'000 ? QStringLiteral("< 30 ms") : QString();
    const QString multi = generateHtmlPage(chars);
    double multiOpen = 0;
    for (const Shape &shape : {Shape{QStringLiteral("multi-line"), false, false}, Shape{QStringLiteral("one-line"), true, false},
                              Shape{QStringLiteral("one-line, word wrap"), true, true}}) {
        const QString page = shape.single ? oneLine(multi) : multi;
        const QString label = size + QLatin1Char(' ') + shape.name + QStringLiteral(" page");
        auto editor = std::make_unique<thtmlrichedit>();
        editor->resize(800, 600);
        if (shape.wrap)
            editor->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        editor->show();
        const double open = seconds([&] {
            editor->loadcoloredText(page);
            QApplication::processEvents();
        });
        if (!shape.single)
            multiOpen = open;
        report(label + QStringLiteral(": open, colouring on"), open * 1000, QStringLiteral("ms"),
               shape.single ? QStringLiteral("<= 1.5 x multi-line = %1 ms").arg(1.5 * multiOpen * 1000, 0, 'f', 0) : QString());

        const int middle = editor->textLength() / 2;
        editor->setCaretPosition(middle);
        QApplication::processEvents();
        struct Key {
            const char *name;
            Qt::Key code;
            QString text;
        };
        const Key keys[] = {{"'<'", Qt::Key_Less, QStringLiteral("<")},
                            {"'>'", Qt::Key_Greater, QStringLiteral(">")},
                            {"'x'", Qt::Key_X, QStringLiteral("x")},
                            {"Enter", Qt::Key_Return, QStringLiteral("\r")},
                            {"Backspace", Qt::Key_Backspace, QStringLiteral("\b")}};
        for (const Key &key : keys)
            report(label + QStringLiteral(": key ") + QLatin1String(key.name) + QStringLiteral(" in the middle"),
                   keySeconds(*editor, key.code, key.text) * 1000, QStringLiteral("ms"), target);

        QString paste;
        while (paste.size() < 1000)
            paste += QStringLiteral("<B>pasted</B> <A HREF=\"x.html\">text</A> ");
        QGuiApplication::clipboard()->setText(paste.left(1000));
        report(label + QStringLiteral(": 1 KB paste (Ctrl+V)"),
               keySeconds(*editor, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier) * 1000, QStringLiteral("ms"), target);
        report(label + QStringLiteral(": caret to the end of the line (End)"),
               keySeconds(*editor, Qt::Key_End, QString()) * 1000, QStringLiteral("ms"), target);

        const QString text = editor->text();
        const qsizetype nearEnd = text.size() - 200;
        const qsizetype wordAt = text.indexOf(QLatin1Char(' '), nearEnd) + 1;
        const QString word = text.mid(wordAt, 6);
        int found = -1;
        const double find = seconds([&] {
            found = editor->findText(word, 0, -1, false, true);
            editor->setSelection(found, int(word.size()));
            QApplication::processEvents();
        });
        report(label + QStringLiteral(": find a word near the end"), find * 1000, QStringLiteral("ms"), target);
        report(label + QStringLiteral(": peak resident memory so far"), peakResidentMb(), QStringLiteral("MB"));
    }
}

} // namespace

LUMARO_BENCH("editor_long_lines")
{
    tregini::setOverride(QStringLiteral("editor\\color"), QStringLiteral("usecolor"), QStringLiteral("1"));
    // LUMARO_BENCH_LONG_LINES=1 measures the 1 MB pages only.
    const bool quick = qEnvironmentVariableIntValue("LUMARO_BENCH_LONG_LINES") == 1;
    if (!quick)
        measure(100'000, QStringLiteral("100 KB"));
    measure(1'000'000, QStringLiteral("1 MB"));
    if (!quick)
        measure(10'000'000, QStringLiteral("10 MB"));
    tregini::clearOverrides();
}
