// Renders the recovery dialog with two pages and a damaged file to a PNG
// for a visual check. Runs only when LUMARO_SCREENSHOT_DIR names a directory
// (e.g. under Xvfb).
#include "recoveryjournal.h"
#include "trecoverydialog.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(RecoveryScreenshots, DialogWithTwoPages)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialog";
    RecoveryEntry named;
    named.ok = true;
    named.record.pageName = QStringLiteral("/home/anna/site/products/index.html");
    named.record.hasFile = true;
    named.record.savedAt = QDateTime(QDate(2026, 12, 9), QTime(5, 31, 7));
    named.record.text = QString(18342, QLatin1Char('x'));
    named.diskChanged = true;
    RecoveryEntry untitled;
    untitled.ok = true;
    untitled.record.pageName = QStringLiteral("Untitled 3");
    untitled.record.savedAt = QDateTime(QDate(2026, 12, 9), QTime(5, 31, 9));
    untitled.record.text = QString(412, QLatin1Char('x'));
    RecoveryEntry damaged;
    damaged.path = QStringLiteral("/x/4711-88-2.recovery");
    damaged.error = QStringLiteral("The text is truncated.");

    Trecoverydialog dialog({named, untitled, damaged});
    dialog.show();
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    EXPECT_TRUE(dialog.recoverButton()->isDefault());
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(dialog.grab().save(QDir(dir).filePath(QStringLiteral("recovery-dialog.png"))));
}
