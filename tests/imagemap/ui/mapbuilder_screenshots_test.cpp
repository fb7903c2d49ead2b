// Renders the map builder and the Map URL dialog to PNGs for a visual check.
// Runs only when LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
#include "mapbuilder_fixture.h"
#include "tmapurl.h"

#include <QDir>
#include <QLineEdit>

using namespace lumaro;
using namespace lumaro::test;

namespace {

void shoot(QWidget &w, const QString &name)
{
    QApplication::processEvents();
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

TEST(MapBuilderScreenshots, BuilderAndMapUrl)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    Tmapbuild b;
    MapBuildRequest request;
    QImage picture(400, 220, QImage::Format_Indexed8);
    picture.setColorTable({qRgb(40, 110, 60), qRgb(230, 200, 90), qRgb(70, 130, 200)});
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, y < 120 ? 2 : ((x / 40 + y / 40) % 2));
    request.picture = picture;
    b.launch(request);
    b.mapNameEdit()->setText(QStringLiteral("navigation"));
    b.commentEdit()->setText(QStringLiteral("top bar"));
    b.show();
    b.rectangleTool()->trigger();
    drag(b.canvas(), {20, 20}, {140, 90});
    b.circleTool()->trigger();
    drag(b.canvas(), {200, 40}, {280, 40});
    b.selectionTool()->trigger();
    click(b.canvas(), {60, 50});
    shoot(b, QStringLiteral("mapbuild"));
    b.resize(1000, 600);
    shoot(b, QStringLiteral("mapbuild-wide"));

    Tmapurl d;
    MapArea a;
    a.shape = MapShape::Circle;
    a.setBox(box(10, 10, 50, 50));
    a.url = QStringLiteral("contact.html");
    a.comment = QStringLiteral("round");
    d.setValue(a);
    d.show();
    shoot(d, QStringLiteral("mapurl"));
}

} // namespace
