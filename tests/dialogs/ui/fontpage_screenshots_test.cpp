// Renders the font, base font, body and heading dialogs to PNGs for a visual
// check. Runs only when LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "screenshot.h"
#include "bodytag.h"
#include "headingtag.h"
#include "tbasefontdialog.h"
#include "tbodydialog.h"
#include "tfonttagdialog.h"
#include "theadingdialog.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using lumaro::test::shoot;

TEST(FontPageScreenshots, EveryDialog)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    {
        Tfonttagdialog d;
        d.setTagText(QStringLiteral("<FONT COLOR=#FF0000 SIZE=5 FACE=\"Arial,Courier New\">hello\r\nworld</FONT>"));
        shoot(d, QStringLiteral("font"));
    }
    {
        Tbasefontdialog d;
        d.setTagText(QStringLiteral("<BASEFONT COLOR=#123456 SIZE=2>"));
        shoot(d, QStringLiteral("basefont"));
    }
    {
        Tbodydialog d;
        BodyTag tag;
        tag.decode(QStringLiteral("<BODY BACKGROUND=\"images/bg.gif\" BGPROPERTIES=FIXED BGCOLOR=#FFFFFF TEXT=#000000 "
                                  "LINK=#0000FF VLINK=#800080 TOPMARGIN=5>"));
        d.setValue(tag);
        shoot(d, QStringLiteral("body"));
    }
    {
        Theadingdialog d;
        HeadingTag tag;
        tag.decode(QStringLiteral("<H2 ALIGN=CENTER>Intro</H2>"));
        d.setValue(tag);
        shoot(d, QStringLiteral("heading"));
    }
}

} // namespace
