// The real program killed with SIGKILL after typing into an untitled page
// and into a named page: the next start offers both pages, gives back the
// exact text, and Save writes the named page's file byte for byte. Text is
// typed in through the test hook LUMARO_TEST_TYPE_FILE (active only inside
// the test sandbox).
#include "../dialogs/ui/modaldialog.h"
#include "filecommands.h"
#include "mainwindow.h"
#include "recoveryjournal.h"
#include "scriptedinteraction.h"
#include "filebytes.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "trecoverydialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using test::readBytes;
using test::writeBytes;

/// The copies in the recovery folder written by one process.
QStringList copiesOf(qint64 pid)
{
    return QDir(RecoveryJournal::defaultFolder())
        .entryList({QStringLiteral("%1-*.recovery").arg(pid)}, QDir::Files);
}

/// Starts the program with the arguments; the typed text goes into every
/// page it opens.
std::unique_ptr<QProcess> startLumaro(const QStringList &arguments, const QString &typed)
{
    auto p = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LUMARO_TEST_TYPE_FILE", typed);
    p->setProcessEnvironment(env);
    p->setProgram(QStringLiteral(LUMARO_PATH));
    p->setArguments(arguments);
    p->start();
    return p;
}

bool waitForCopy(const QProcess &p)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30000) {
        if (!copiesOf(p.processId()).isEmpty())
            return true;
        QTest::qWait(50);
    }
    return false;
}

} // namespace

TEST(RecoveryProcess, KilledProgramsPagesComeBackExactly)
{
    test::TestSandbox::clearSettings();
    QDir(RecoveryJournal::defaultFolder()).removeRecursively();
    const QString dir = test::TestSandbox::makeDir("killed");
    const QString named = dir + "/page.html";
    writeBytes(named, "<P>caf\xc3\xa9</P>\r\n");
    const QString typed = dir + "/typed.txt";
    writeBytes(typed, "\xc3\x86" "ble\r\n");

    auto namedRun = startLumaro({named}, typed);
    auto untitledRun = startLumaro({}, typed);
    ASSERT_TRUE(namedRun->waitForStarted() && untitledRun->waitForStarted());
    ASSERT_TRUE(waitForCopy(*namedRun)) << namedRun->readAllStandardError().toStdString();
    ASSERT_TRUE(waitForCopy(*untitledRun)) << untitledRun->readAllStandardError().toStdString();

    // Another instance running beside them offers nothing of theirs.
    EXPECT_TRUE(RecoveryJournal().scan().isEmpty());

    namedRun->kill(); // SIGKILL: nothing of the program runs after it
    untitledRun->kill();
    namedRun->waitForFinished();
    untitledRun->waitForFinished();
    ASSERT_EQ(RecoveryJournal().scan().size(), 2);

    ScriptedInteraction ui;
    QStringList rows;
    test::WhenModal<Trecoverydialog> recover([&](Trecoverydialog *d) {
        for (int r = 0; r < d->list()->topLevelItemCount(); ++r)
            rows << d->list()->topLevelItem(r)->text(0) + " | " + d->list()->topLevelItem(r)->text(3);
        d->recoverButton()->click();
    });
    auto window = std::make_unique<TMainwindow>();
    window->FormShow();
    ASSERT_TRUE(recover.ran());
    rows.sort();
    EXPECT_EQ(rows, QStringList({named + " | Unchanged", "Untitled 1 | No file"}));

    // Untitled 1 of this start, then the recovered pages in the order they were written.
    ASSERT_EQ(window->pageCount(), 3);
    int namedSlot = window->pageFileName(1) == named ? 1 : 2;
    int untitledSlot = 3 - namedSlot;
    EXPECT_EQ(window->editor(namedSlot)->text(), "\xc3\x86" "ble\r\n<P>caf\xc3\xa9</P>");
    EXPECT_TRUE(window->editor(namedSlot)->isModified());
    EXPECT_TRUE(window->pageFileName(untitledSlot).startsWith("Untitled "));
    EXPECT_FALSE(window->pageHasFile(untitledSlot));
    const QString untitledText = window->editor(untitledSlot)->text();
    EXPECT_TRUE(untitledText.contains("\xc3\x86" "ble\r\n")) << untitledText.toStdString();
    EXPECT_EQ(untitledText, window->editor(0)->text().replace("<BODY>\r\n", "<BODY>\r\n\xc3\x86" "ble\r\n"))
        << "the template page with the text typed at its cursor marker";

    window->selectPage(namedSlot);
    ASSERT_TRUE(window->files().FileSave());
    EXPECT_EQ(readBytes(named), "\xc3\x86" "ble\r\n<P>caf\xc3\xa9</P>\r\n");

    // The killed programs' copies are gone; a normal end removes this one's.
    window.reset();
    EXPECT_TRUE(QDir(RecoveryJournal::defaultFolder()).entryList({"*.recovery"}, QDir::Files).isEmpty());
}
