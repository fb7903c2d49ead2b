// The real program started by the root user as a user starts it, without
// the switch the tests use to turn the preview engine's sandbox off, with
// the live preview stored as shown: it keeps running, and the typed text
// is kept (it reaches the recovery copy; a save would write it).
#include "filebytes.h"
#include "previewsettings.h"
#include "recoveryjournal.h"
#include "testsandbox.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

#include <unistd.h>

using namespace lumaro;

TEST(PreviewRootProcess, StoredShownPreviewDoesNotEndTheProgram)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the root user is refused";
    test::TestSandbox::clearSettings();
    PreviewSettings::writeShown(true);
    QDir(RecoveryJournal::defaultFolder()).removeRecursively();
    const QString dir = test::TestSandbox::makeDir("rootpreview");
    const QString typed = dir + "/typed.txt";
    test::writeBytes(typed, "<P>typed as root</P>");

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LUMARO_TEST_TYPE_FILE", typed);
    env.remove("QTWEBENGINE_DISABLE_SANDBOX");
    env.insert("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
    program.setProcessEnvironment(env);
    program.setProgram(QStringLiteral(LUMARO_PATH));
    program.start();
    ASSERT_TRUE(program.waitForStarted());

    // Long enough for the panel to be made and a copy of the typed page written.
    const QString pattern = QStringLiteral("%1-*.recovery").arg(program.processId());
    for (int waited = 0; waited < 30000; waited += 100) {
        if (program.state() != QProcess::Running
            || !QDir(RecoveryJournal::defaultFolder()).entryList({pattern}, QDir::Files).isEmpty())
            break;
        QTest::qWait(100);
    }
    QTest::qWait(3000);
    ASSERT_EQ(program.state(), QProcess::Running)
        << "exit " << program.exitCode() << ": " << program.readAllStandardError().toStdString();

    program.kill();
    program.waitForFinished();
    const QList<RecoveryEntry> copies = RecoveryJournal().scan();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(copies.first().record.text.contains("<P>typed as root</P>")) << copies.first().record.text.toStdString();
    QDir(RecoveryJournal::defaultFolder()).removeRecursively();
}
