// Renders the main window with the check results and the outline of a
// long page to PNG files for a visual check. Runs only when
// LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "checkcontroller.h"
#include "mainwindow.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(CheckScreenshots, ResultsAndOutline)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the panels";
    test::TestSandbox::clearSettings();
    TMainwindow w;
    w.resize(1100, 800);
    w.show();
    w.FormShow();
    QString page = QStringLiteral("<!DOCTYPE html>\r\n<html><head><title>Shop</title></head><body>\r\n");
    for (int n = 1; n <= 12; ++n)
        page += QStringLiteral("<h2 id=\"s%1\">Section %1</h2>\r\n<p align=centre>Fish &chips, AT&T and <b>more</p>\r\n"
                               "<table bordr=1><tr><td>a<td>b</tr></table>\r\n<ul><li>one<li>two</ul>\r\n")
                    .arg(n);
    page += QStringLiteral("<form action=\"x.cgi\"><input name=\"q\"></form>\r\n</body></html>\r\n");
    thtmlrichedit *ed = w.editor(w.activePage());
    ed->loadPlainText(page);
    w.command(QStringLiteral("Checkpage1"))->trigger();
    w.command(QStringLiteral("Outline1"))->trigger();
    w.findChild<CheckController *>()->waitForOutline();
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(QStringLiteral("check-panels.png"))));
    // Typed into after the check: the panel says its results are older.
    ed->setCaretPosition(0);
    ed->replaceSel(QStringLiteral("<!-- new -->"));
    QApplication::processEvents();
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(QStringLiteral("check-changed.png"))));
}
