// The recovery journal on a large page: the cost of writing the copy of a
// modified 10 MB page (taking its text, encoding it, writing it through
// QSaveFile) and what a typed key costs while a copy is pending.
#include "bench.h"
#include "htmlgen.h"

#include "mainwindow.h"
#include "recoverycontroller.h"
#include "recoveryfile.h"
#include "thtmlrichedit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTimer>

using namespace lumaro;
using namespace lumaro::bench;

namespace {

void typeKey(QWidget &editor, QChar key, Qt::Key code)
{
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(key));
    QApplication::sendEvent(&editor, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, QString(key));
    QApplication::sendEvent(&editor, &release);
}

} // namespace

LUMARO_BENCH("recovery")
{
    // The copies go to a folder of their own, not the user's state directory.
    QTemporaryDir state;
    const QByteArray savedState = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", state.path().toUtf8());
    {
        TMainwindow window;
        window.resize(800, 600);
        window.show();
        auto *journal = window.findChild<RecoveryController *>();
        const QString page = generateHtmlPage(10'000'000);
        window.newPageWithText(page);
        thtmlrichedit *editor = window.editor(window.activePage());
        editor->setCaretPosition(editor->textLength() / 2);

        const double first = seconds([&] { typeKey(*editor, u'x', Qt::Key_X); });
        report(QStringLiteral("10 MB page: first key (copy becomes pending)"), first * 1000, QStringLiteral("ms"),
               QStringLiteral("< 20 ms"));
        constexpr int keys = 20;
        const double pending = seconds([&] {
            for (int i = 0; i < keys; ++i)
                typeKey(*editor, u'y', Qt::Key_Y);
        });
        report(QStringLiteral("10 MB page: key while the copy is pending, mean"), pending / keys * 1000,
               QStringLiteral("ms"), QStringLiteral("< 20 ms"));

        QString text;
        const double take = seconds([&] { text = editor->text(); });
        report(QStringLiteral("10 MB page: of the write: taking the page's text"), take * 1000, QStringLiteral("ms"));
        RecoveryRecord record;
        record.pageName = QStringLiteral("Untitled 2");
        record.savedAt = QDateTime::currentDateTimeUtc();
        record.text = text;
        QByteArray bytes;
        const double encode = seconds([&] { bytes = record.encode(); });
        report(QStringLiteral("10 MB page: of the write: encoding the copy"), encode * 1000, QStringLiteral("ms"));

        const double write = seconds([&] { journal->sync(); });
        report(QStringLiteral("10 MB page: the journal's whole write (every 2 s at most)"), write * 1000,
               QStringLiteral("ms"), QStringLiteral("< 250 ms"));
        report(QStringLiteral("10 MB page: size of the copy"), bytes.size() / 1e6, QStringLiteral("MB"));
        const double idle = seconds([&] { journal->sync(); });
        report(QStringLiteral("10 MB page: a sync with nothing changed"), idle * 1000, QStringLiteral("ms"),
               QStringLiteral("< 1 ms"));
        editor->setModified(false);
    }
    qputenv("XDG_STATE_HOME", savedState);
}
