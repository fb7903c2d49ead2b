// Renders the rule, marquee and list builder dialogs to PNGs for a visual
// check. Runs only when LUMARO_SCREENSHOT_DIR names a directory.
#include "screenshot.h"
#include "tlistbuilderdialog.h"
#include "tmarquee.h"
#include "tskille.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using lumaro::test::shoot;

TEST(RuleListScreenshots, EveryDialog)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    {
        Tskille d;
        d.setTagText(QStringLiteral("<HR ALIGN=CENTER WIDTH=50% NOSHADE SIZE=4>"));
        shoot(d, QStringLiteral("rule"));
    }
    {
        Tmarquee d;
        d.setTagText(QStringLiteral("<FONT COLOR=#FF0000><MARQUEE BEHAVIOR=SLIDE BGCOLOR=#FFFF00 LOOP=3 "
                                    "WIDTH=80%>Moving\r\ntext</MARQUEE></FONT>"));
        shoot(d, QStringLiteral("marquee"));
    }
    {
        Tlistbuilderdialog d;
        d.fjernlist(QStringLiteral("<OL>\r\n<LI TYPE=i>one\r\n<LI TYPE=i>two\r\n</OL>"));
        shoot(d, QStringLiteral("listbuilder"));
        d.fjernlist(QStringLiteral("<DL>\r\n<DT>tea<DD>a drink\r\n<DT>cake<DD>a food\r\n</DL>"));
        shoot(d, QStringLiteral("listbuilder-definition"));
    }
}

} // namespace
