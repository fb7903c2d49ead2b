// Renders the frame and form dialogs to PNGs for a visual check. Runs only
// when LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "screenshot.h"
#include "tbuttonform.h"
#include "tform_tag.h"
#include "tframeframe.h"
#include "tframetags.h"
#include "tnoframe.h"
#include "tselectform.h"
#include "urlpicker.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

class NoPicker : public UrlPicker {
public:
    std::optional<PickedUrl> pick(QWidget *, PickerMode) override { return std::nullopt; }
};

using lumaro::test::shoot;

TEST(FrameDialogScreenshots, EveryDialog)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    NoPicker picker;
    setUrlPicker(&picker);
    {
        Tframetags d;
        d.setTagText(QStringLiteral("<FRAMESET ROWS=\"100,*\">"));
        shoot(d, QStringLiteral("frameset"));
    }
    {
        Tframeframe d;
        d.setTagText(QStringLiteral("<FRAME NAME=\"menu\" SRC=\"menu.html\" SCROLLING=\"NO\" NORESIZE MARGINWIDTH=\"4\">"));
        shoot(d, QStringLiteral("frame"));
    }
    {
        Tnoframe d;
        d.textEdit()->setPlainText(QStringLiteral("This page uses frames.\nSee the <A HREF=\"menu.html\">menu</A>."));
        shoot(d, QStringLiteral("noframe"));
    }
    {
        Tform_tag d;
        d.setTagText(QStringLiteral("<FORM METHOD=\"GET\" ACTION=\"/cgi-bin/find.pl\">"));
        shoot(d, QStringLiteral("form"));
    }
    {
        TButtonform d;
        shoot(d, QStringLiteral("formbutton"));
    }
    {
        Tselectform d;
        d.setTagText(QStringLiteral("<SELECT NAME=\"fruit\" SIZE=3 MULTIPLE> \r\n<OPTION>Apple<OPTION>Pear</SELECT>"));
        shoot(d, QStringLiteral("select"));
    }
    setUrlPicker(nullptr);
}

} // namespace
