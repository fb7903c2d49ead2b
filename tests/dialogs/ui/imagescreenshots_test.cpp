// Renders the image dialog's two pages and the link builder with a GIF
// preview to PNGs for a visual check. Runs only when LUMARO_SCREENSHOT_DIR
// names a directory (e.g. under Xvfb).
#include "scriptedinteraction.h"
#include "scriptedpicker.h"
#include "testsandbox.h"
#include "timagebuild.h"
#include "turlbil.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

void save(QWidget &w, const QString &name)
{
    QApplication::processEvents();
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

TEST(ImageDialogScreenshots, BothPagesAndTheLinkBuilder)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    test::ScriptedPicker picker;
    {
        Timagebuild d;
        d.decodetext(QStringLiteral("<A HREF=\"b.html\"><IMG SRC=\"pics/a.gif\" WIDTH=100 HEIGHT=50 ALIGN=LEFT "
                                    "ALT=\"A picture\" BORDER=2 DYNSRC=\"clip.avi\" START=FILEOPEN LOOP=3 ></A>"
                                    "<BGSOUND SRC=\"s.wav\" LOOP=INFINITE>"));
        d.show();
        save(d, QStringLiteral("image-page"));
        d.pages()->setCurrentIndex(1);
        save(d, QStringLiteral("image-video"));
    }
    {
        // A 2 × 2 GIF of black, red, green and blue, stretched in the preview.
        const QString dir = test::TestSandbox::makeDir(QStringLiteral("imagescreenshots"));
        QFile gif(dir + QStringLiteral("/four.gif"));
        ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
        gif.write(QByteArray("GIF89a\x02\x00\x02\x00\x81\x00\x00", 13)
                  + QByteArray("\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\xff", 12)
                  + QByteArray("\x2c\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10)
                  + QByteArray("\x02\x03\x44\x34\x05\x00\x3b", 7));
        gif.close();
        const QString file = gif.fileName();
        ScriptedInteraction ui;
        ui.openAnswers << QStringList{file};
        Turlbil d;
        d.setMode(PickerMode::Image);
        d.show();
        d.browseButton()->click();
        save(d, QStringLiteral("linkbuilder"));
        d.hide();
    }
}

} // namespace
