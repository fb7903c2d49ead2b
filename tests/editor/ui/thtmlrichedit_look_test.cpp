#include "editortesthelpers.h"

#include <QImage>
#include <QPixmap>

using namespace lumaro;
using namespace lumaro::test;

namespace {

int countPixels(const QImage &image, const std::function<bool(const QColor &)> &match)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (match(image.pixelColor(x, y)))
                ++n;
    return n;
}

} // namespace

class EditorLookTest : public EditorFixture {};

// What the user sees: a page with colouring on draws its tags in the
// configured colours and its text in black.
TEST_F(EditorLookTest, TagsAreDrawnInTheirColours)
{
    colouring(true, true);
    tregini store;
    store.writecolorindex(QStringLiteral("anchor"), 9);   // red
    store.writecolorindex(QStringLiteral("all"), 12);     // blue
    store.writecolorindex(QStringLiteral("image"), 2);    // green
    store.writefontattrindex(QStringLiteral("anchor"), 1);
    thtmlrichedit editor;
    editor.applySettings();
    editor.resize(560, 180);
    load(editor, QStringLiteral("<HTML>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n"
                                "<P>Plain text with a <A HREF=\"page2.html\">link</A> and a picture:\r\n"
                                "<IMG SRC=\"pic.gif\" WIDTH=100 HEIGHT=50 BORDER=0>\r\n"
                                "</BODY>\r\n</HTML>\r\n"));
    editor.show();
    const QImage shot = editor.grab().toImage();
    const QString out = qEnvironmentVariable("LUMARO_EDITOR_SCREENSHOT");
    if (!out.isEmpty())
        shot.save(out);
    const int blue = countPixels(shot, [](const QColor &c) { return c.blue() > 180 && c.red() < 90 && c.green() < 90; });
    const int red = countPixels(shot, [](const QColor &c) { return c.red() > 180 && c.blue() < 90 && c.green() < 90; });
    const int green = countPixels(shot, [](const QColor &c) { return c.green() > 90 && c.red() < 60 && c.blue() < 60; });
    const int black = countPixels(shot, [](const QColor &c) { return c.red() < 60 && c.green() < 60 && c.blue() < 60; });
    EXPECT_GT(blue, 50);
    EXPECT_GT(red, 50);
    EXPECT_GT(green, 50);
    EXPECT_GT(black, 50);
}
