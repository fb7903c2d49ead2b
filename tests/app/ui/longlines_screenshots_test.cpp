// Renders a 1 MB page that is one line, coloured, with word wrap off and on,
// for a visual check. Runs only when LUMARO_SCREENSHOT_DIR names a directory
// (e.g. under Xvfb).
#include "mainwindow.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(LongLineScreenshots, OneLinePageWithAndWithoutWordWrap)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the window";
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    QByteArray page = "<HTML><HEAD><TITLE>Minified</TITLE></HEAD><BODY BGCOLOR=\"#FFFFFF\">";
    for (int i = 0; page.size() < 1'000'000; ++i)
        page += "<TABLE BORDER=1><TR><TD ALIGN=CENTER><A HREF=\"item" + QByteArray::number(i)
              + ".html\"><IMG SRC=\"thumb.gif\" WIDTH=40 HEIGHT=30 ALT=\"Item\"></A></TD><TD><B>Item "
              + QByteArray::number(i) + "</B> costs <FONT COLOR=\"#FF0000\">12 kr</FONT> today.</TD></TR></TABLE> ";
    page += "</BODY></HTML>";
    const QString path = test::TestSandbox::makeDir(QStringLiteral("longshots")) + QStringLiteral("/minified.html");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(page);
    file.close();

    for (const bool wrap : {false, true}) {
        test::TestSandbox::clearSettings();
        tregini settings;
        settings.writeusecolor(true);
        settings.writewordwrap(wrap);
        TMainwindow w({path});
        w.resize(1000, 700);
        w.show();
        w.FormShow();
        thtmlrichedit *editor = w.editor(w.activePage());
        editor->setCaretPosition(editor->textLength() / 2);
        editor->centerCursor();
        for (int i = 0; i < 10; ++i)
            QApplication::processEvents();
        const QString name = wrap ? QStringLiteral("longline-wrap.png") : QStringLiteral("longline-nowrap.png");
        EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name)));
    }
}
