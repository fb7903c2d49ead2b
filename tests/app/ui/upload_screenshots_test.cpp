// Renders the upload windows to PNG files for a visual check: the "Upload"
// page of the project preferences, the first-contact question about a
// server's key as the desktop shows it, and the progress window. Runs only
// when LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "mainwindow.h"
#include "qtinteraction.h"
#include "testsandbox.h"
#include "tprojectoptions.h"
#include "uploadcontroller.h"
#include "uploadprogressdialog.h"
#include "uploadsettings.h"
#include "uploadsettingspage.h"

#include <QApplication>
#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

void save(QWidget &w, const QString &name)
{
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name)));
}

} // namespace

TEST(UploadScreenshots, SettingsQuestionAndProgress)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the upload windows";
    test::TestSandbox::clearSettings();
    const QString options = test::TestSandbox::makeDir(QStringLiteral("upload-shots")) + QStringLiteral("/web.lmo");
    UploadSettings settings;
    settings.host = QStringLiteral("www.example.org");
    settings.port = 2222;
    settings.user = QStringLiteral("anna");
    settings.folder = QStringLiteral("public_html");
    settings.login = UploadSettings::Login::Key;
    settings.keyFile = QStringLiteral("/home/anna/.ssh/id_ed25519");
    ASSERT_TRUE(settings.write(options));
    Tprojectoptions prefs(options, nullptr);
    prefs.pages()->setCurrentWidget(prefs.uploadPage());
    prefs.show();
    QTest::qWait(300);
    save(prefs, QStringLiteral("upload-settings.png"));
    prefs.hide();

    // The question as the program asks it, through the desktop's message box.
    const HostKey key{QStringLiteral("ssh-ed25519"),
                      "AAAAC3NzaC1lZDI1NTE5AAAAIC1FnP9UuFpQg1MOYU+Srv0+4dtMNH2KLo7WRD62bF3e"};
    QTimer::singleShot(500, [] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            save(*box, QStringLiteral("upload-fingerprint.png"));
            box->close();
        }
    });
    QtInteraction desktop;
    desktop.message(nullptr, {QStringLiteral("Lumaro"),
                              UploadController::trustQuestion(QStringLiteral("[www.example.org]:2222"), key),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Question, QMessageBox::No});

    // The Project menu with its new item, greyed without a project.
    TMainwindow window;
    window.FormShow();
    window.show();
    QMenu *menu = window.command(QStringLiteral("Project1"))->menu<QMenu *>();
    menu->popup(window.mapToGlobal(QPoint(60, 30)));
    QTest::qWait(300);
    save(*menu, QStringLiteral("upload-menu.png"));
    menu->hide();
    window.hide();

    UploadProgressDialog progress(settings.destination());
    progress.show();
    progress.setProgress({412, 1000, 4321000, 10485760, QStringLiteral("sec03/part07/page05.html")});
    QTest::qWait(300);
    save(progress, QStringLiteral("upload-progress.png"));
}
