// Renders the form field dialogs to PNGs for a visual check. Runs only when
// LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "tcheckform.h"
#include "tpassform.h"
#include "tradioform.h"
#include "ttextform.h"
#include "ttextformarray.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

template <class Dialog> void shoot(const QString &tagText, const QString &name)
{
    Dialog d;
    d.setTagText(tagText);
    d.show();
    QApplication::processEvents();
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(d.grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

TEST(FormFieldScreenshots, EveryDialog)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    shoot<TTextform>(QStringLiteral("City: <INPUT NAME=\"city\" TYPE=TEXT SIZE=\"20\" MAXLENGTH=\"50\">"),
                     QStringLiteral("textinput"));
    shoot<Tpassform>(QString(), QStringLiteral("password"));
    shoot<TTextformarray>(QStringLiteral("Note<TEXTAREA NAME=\"n\" COLS=60 ROWS=4></TEXTAREA>"),
                          QStringLiteral("textarray"));
    shoot<TCheckform>(QStringLiteral("Tick<INPUT NAME=\"c\" TYPE=CHECKBOX VALUE=\"1\" CHECKED >"),
                      QStringLiteral("checkbox"));
    shoot<Tradioform>(QStringLiteral("Small<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"S\" >"
                                     "Medium<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"M\" SELECTED>"
                                     "Large<INPUT NAME=\"s\" TYPE=RADIO VALUE=\"L\" >"),
                      QStringLiteral("radio"));
}

} // namespace
