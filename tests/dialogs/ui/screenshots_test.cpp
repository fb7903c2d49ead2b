// Renders every tag dialog to a PNG for a visual check. Runs only when
// LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "screenshot.h"
#include "tanchordialog.h"
#include "tbold.h"
#include "tcenterdialog.h"
#include "tfontstdialog.h"
#include "titalic.h"
#include "tjumptodialog.h"
#include "tjumptoheredialog.h"
#include "ttablebuilderdialog.h"
#include "ttablecaptiondialog.h"
#include "ttabledatadialog.h"
#include "ttabledialog.h"
#include "ttablerowdialog.h"
#include "tunderlinieret.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

using lumaro::test::shoot;

TEST(DialogScreenshots, EveryDialog)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    {
        Ttabledialog d;
        d.setTagText(QStringLiteral("<TABLE ALIGN=CENTER BORDER=3 BGCOLOR=#000080 BORDERCOLOR=#123456>"));
        shoot(d, QStringLiteral("table"));
    }
    {
        Ttablerowdialog d;
        d.setTagText(QStringLiteral("<TR VALIGN=TOP BGCOLOR=#FFFF00>"));
        shoot(d, QStringLiteral("tablerow"));
    }
    {
        Ttabledatadialog d;
        d.setTagText(QStringLiteral("<TD ALIGN=RIGHT WIDTH=40>Price</TD>"));
        shoot(d, QStringLiteral("tabledata"));
    }
    {
        Ttablecaptiondialog d;
        d.setTagText(QStringLiteral("<CAPTION ALIGN=CENTER VALIGN=BOTTOM>Sales</CAPTION>"));
        shoot(d, QStringLiteral("tablecaption"));
    }
    {
        Ttablebuilderdialog d;
        d.fjerntabel(QString());
        shoot(d, QStringLiteral("tablebuilder"));
    }
    {
        TBold d;
        shoot(d, QStringLiteral("bold"));
        TITALIC i;
        shoot(i, QStringLiteral("italic"));
        TUnderlinieret u;
        shoot(u, QStringLiteral("underline"));
        Tcenterdialog c;
        shoot(c, QStringLiteral("center"));
        Tfontstdialog f;
        f.setName(QStringLiteral("BLOCKQUOTE"));
        shoot(f, QStringLiteral("phrase"));
    }
    {
        Tanchordialog d;
        d.setValue({QStringLiteral("page.html"), QStringLiteral("top"), QStringLiteral("Back")});
        shoot(d, QStringLiteral("anchor"));
        Tjumptodialog j;
        shoot(j, QStringLiteral("jumpto"));
        Tjumptoheredialog h;
        shoot(h, QStringLiteral("jumptohere"));
    }
    {
        // The colour list opened, to see the swatches.
        Ttablerowdialog d;
        d.show();
        auto *combo = d.findChild<QComboBox *>();
        combo->showPopup();
        QApplication::processEvents();
        QWidget *popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->grab().save(QDir(qEnvironmentVariable("LUMARO_SCREENSHOT_DIR")).filePath("colorlist.png")));
        combo->hidePopup();
    }
}

} // namespace
