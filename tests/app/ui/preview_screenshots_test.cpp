// Renders the main window with the live preview beside a page holding a
// table, a picture and coloured text, for a visual check. Runs only when
// LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "../../preview/ui/previewwait.h"
#include "livepreviewcontroller.h"
#include "mainwindow.h"
#include "testsandbox.h"
#include "tregini.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(PreviewScreenshots, PanelBesideAPage)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the panel";
    test::TestSandbox::clearSettings();
    tregini().writeusecolor(true);
    QTemporaryDir dir;
    QImage picture(120, 80, QImage::Format_RGB32);
    picture.fill(QColor(0x5d, 0xad, 0xe2));
    QPainter painter(&picture);
    painter.setBrush(QColor(0xf1, 0xc4, 0x0f));
    painter.drawEllipse(35, 15, 50, 50);
    painter.end();
    ASSERT_TRUE(picture.save(dir.filePath(QStringLiteral("sun.png"))));
    QFile page(dir.filePath(QStringLiteral("shop.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<HTML><HEAD><TITLE>Shop</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#FFFFF0\">\r\n"
               "<H1><FONT COLOR=\"#C0392B\">Summer prices</FONT></H1>\r\n"
               "<P><IMG SRC=\"sun.png\" WIDTH=120 HEIGHT=80 ALIGN=RIGHT>"
               "Everything <FONT COLOR=\"green\">fresh</FONT> and <B><FONT COLOR=\"blue\">cheap</FONT></B>.</P>\r\n"
               "<TABLE BORDER=1 CELLPADDING=4>\r\n<TR><TH>Fruit</TH><TH>Price</TH></TR>\r\n"
               "<TR><TD>Apples</TD><TD ALIGN=RIGHT>1.20</TD></TR>\r\n"
               "<TR><TD>Pears</TD><TD ALIGN=RIGHT>1.45</TD></TR>\r\n</TABLE>\r\n</BODY></HTML>\r\n");
    page.close();

    TMainwindow w;
    w.resize(1200, 800);
    w.show();
    w.FormShow();
    ASSERT_TRUE(w.openfilproj(page.fileName()));
    w.command(QStringLiteral("SpeedButtonPreview"))->trigger();
    auto *panel = w.findChild<LivePreviewPanel *>();
    ASSERT_NE(panel, nullptr);
    ASSERT_NE(panel->surface(), nullptr);
    ASSERT_TRUE(test::waitForLoad(panel, 0));
    test::evaluateUntil(panel, QStringLiteral("document.images[0].complete && document.images[0].naturalWidth"),
                        120);
    QTest::qWait(1500); // the engine paints after it reports the load
    const QString out = QDir(qEnvironmentVariable("LUMARO_SCREENSHOT_DIR")).filePath(QStringLiteral("live-preview.png"));
    // The engine's view is composited by the window system: grab the screen.
    const QPixmap shot = w.screen()->grabWindow(0, w.frameGeometry().x(), w.frameGeometry().y(),
                                                w.frameGeometry().width(), w.frameGeometry().height());
    EXPECT_TRUE(shot.save(out));
}
