// The map builder's canvas and tools, worked with the mouse offscreen.
#include "mapbuilder_fixture.h"
#include "testsandbox.h"

#include <QDialog>
#include <QTimer>
#include <QToolButton>
#include <memory>

using namespace lumaro;
using namespace lumaro::test;

namespace {

class MapCanvasTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_picture = smallPicture();
        MapBuildRequest request;
        request.picture = m_picture;
        m_builder.launch(request);
        m_builder.show();
        m_canvas = m_builder.canvas();
        m_blank = m_canvas->drawing();
    }

    QList<MapArea> live() const
    {
        QList<MapArea> out;
        for (const MapArea &a : m_builder.areas().areas())
            if (a.isLive())
                out.append(a);
        return out;
    }
    QImage expected() const { return expectedDrawing(m_picture, live()); }

    QImage m_picture;
    Tmapbuild m_builder;
    TvarnoImage *m_canvas = nullptr;
    QImage m_blank;
};

TEST_F(MapCanvasTest, PictureKeptIndexedAndShownOnePixelPerPixel)
{
    EXPECT_EQ(m_canvas->picture().format(), QImage::Format_Indexed8);
    EXPECT_EQ(m_canvas->drawing().format(), QImage::Format_RGB32);
    EXPECT_EQ(m_canvas->size(), QSize(120, 90));
}

TEST_F(MapCanvasTest, PlainClicksAddTwoByTwoAreas)
{
    m_builder.rectangleTool()->trigger();
    click(m_canvas, {10, 10});
    m_builder.circleTool()->trigger();
    click(m_canvas, {30, 20});
    ASSERT_EQ(m_builder.areas().size(), 2);
    EXPECT_EQ(m_builder.areas().at(0).box(), box(10, 10, 12, 12));
    EXPECT_EQ(m_builder.areas().at(0).shape, MapShape::Rectangle);
    EXPECT_EQ(m_builder.areas().at(1).box(), box(30, 20, 32, 22));
    EXPECT_EQ(m_builder.areas().at(1).shape, MapShape::Circle);
    EXPECT_EQ(m_canvas->drawing(), expected());
}

TEST_F(MapCanvasTest, TheAreaJustDrawnIsCurrentWithItsPropertiesAtHand)
{
    EXPECT_FALSE(m_builder.propertiesButton()->isEnabled());
    m_builder.rectangleTool()->trigger();
    drag(m_canvas, {10, 10}, {40, 30});
    EXPECT_TRUE(m_builder.propertiesButton()->isEnabled());
    m_builder.circleTool()->trigger();
    drag(m_canvas, {50, 10}, {70, 10});
    EXPECT_EQ(m_builder.areas().current(), 1);
    EXPECT_TRUE(m_builder.propertiesButton()->isEnabled());
}

TEST(MapBuilderWindow, OpensOverItsCallerAndOutlivesIt)
{
    Tmapbuild builder;
    auto caller = std::make_unique<QDialog>();
    caller->show();
    bool sawParent = false;
    QTimer::singleShot(0, &builder, [&] {
        sawParent = builder.parentWidget() == caller.get() && builder.isWindow();
        builder.reject();
    });
    EXPECT_FALSE(builder.buildMap(caller.get(), MapBuildRequest()).has_value());
    EXPECT_TRUE(sawParent);
    caller.reset();
    EXPECT_EQ(builder.parentWidget(), nullptr) << "it is its own window again";
}

TEST_F(MapCanvasTest, DragsLeftUpAndPastTheEdgeAreNormalisedAndClamped)
{
    m_builder.rectangleTool()->trigger();
    drag(m_canvas, {50, 60}, {10, 10});
    drag(m_canvas, {100, 70}, {500, -40});
    m_builder.circleTool()->trigger();
    drag(m_canvas, {10, 10}, {50, 300}); // the vertical position does not count
    drag(m_canvas, {10, 10}, {50, 0});
    drag(m_canvas, {60, 30}, {20, 80}); // leftwards
    drag(m_canvas, {100, 60}, {400, 60}); // kept square on the picture
    // The leftward circle is cut where it would leave the picture at the top.
    const QList<QRect> boxes = {box(10, 10, 50, 60), box(100, 0, 119, 70), box(10, 10, 50, 50),
                                box(10, 10, 50, 50), box(30, 0, 60, 30),   box(100, 60, 119, 79)};
    ASSERT_EQ(m_builder.areas().size(), boxes.size());
    for (int i = 0; i < boxes.size(); ++i)
        EXPECT_EQ(m_builder.areas().at(i).box(), boxes[i]) << i;
    for (const MapArea &a : m_builder.areas().areas())
        EXPECT_TRUE(box(0, 0, 119, 89).contains(a.box())) << a.x1 << "," << a.y1 << "-" << a.x2 << "," << a.y2;
    EXPECT_EQ(m_canvas->drawing(), expected());
}

TEST_F(MapCanvasTest, LeftReleaseKeepsThePickRightReleaseEndsItBothKeepTheMove)
{
    m_builder.rectangleTool()->trigger();
    drag(m_canvas, {10, 10}, {40, 40});
    m_builder.selectionTool()->trigger();
    EXPECT_TRUE(m_builder.propertiesButton()->isEnabled()) << "the area just drawn is current";

    drag(m_canvas, {20, 20}, {30, 25});
    EXPECT_TRUE(m_builder.areaPicked());
    EXPECT_TRUE(m_builder.propertiesButton()->isEnabled());
    EXPECT_EQ(m_builder.areas().at(0).box(), box(20, 15, 50, 45)) << "a left release keeps the moved box";

    drag(m_canvas, {30, 25}, {300, 300}, Qt::RightButton); // moved as far as the picture goes
    EXPECT_FALSE(m_builder.areaPicked());
    EXPECT_TRUE(m_builder.propertiesButton()->isEnabled());
    EXPECT_EQ(m_builder.areas().at(0).box(), box(89, 59, 119, 89));
    EXPECT_EQ(m_canvas->drawing(), expected()) << "the handles are gone and the shape stands once";
}

TEST_F(MapCanvasTest, DeleteRestoresThePictureAndLeavesNoGhost)
{
    m_builder.rectangleTool()->trigger();
    drag(m_canvas, {10, 10}, {40, 40});
    m_builder.circleTool()->trigger();
    drag(m_canvas, {60, 20}, {90, 20});
    m_builder.selectionTool()->trigger();
    click(m_canvas, {20, 20}); // picks the rectangle: handles drawn
    m_builder.deleteButton()->click();
    EXPECT_FALSE(m_builder.areaPicked());
    EXPECT_FALSE(m_builder.propertiesButton()->isEnabled());
    m_builder.deleteButton()->click(); // the current entry is gone: nothing more happens
    EXPECT_EQ(live().size(), 1);
    EXPECT_EQ(m_canvas->drawing(), expected());

    drag(m_canvas, {20, 20}, {50, 50}); // where the deleted area was
    EXPECT_EQ(m_canvas->drawing(), expected()) << "no ghost is dragged";
    click(m_canvas, {75, 35});
    m_builder.deleteButton()->click();
    EXPECT_EQ(m_canvas->drawing(), m_blank) << "the picture is back bit for bit";
    EXPECT_EQ(m_builder.areas().liveCount(), 0);
}

TEST_F(MapCanvasTest, AClickAlwaysSelectsItsToolAndEachCallStartsWithoutADrawingTool)
{
    m_builder.rectangleTool()->trigger();
    m_builder.rectangleTool()->trigger(); // releases the button
    EXPECT_FALSE(m_builder.rectangleTool()->isChecked());
    EXPECT_EQ(m_builder.tool(), Tmapbuild::Tool::Rectangle);

    m_builder.launch({});
    EXPECT_EQ(m_builder.tool(), Tmapbuild::Tool::None);
    EXPECT_EQ(m_canvas->size(), QSize(TvarnoImage::blankWidth, TvarnoImage::blankHeight));
    drag(m_canvas, {10, 10}, {40, 40});
    EXPECT_TRUE(m_builder.areas().isEmpty());

    m_builder.selectionTool()->trigger();
    m_builder.launch({});
    EXPECT_EQ(m_builder.tool(), Tmapbuild::Tool::Selection) << "the selection tool keeps its state";
}

} // namespace

namespace {

TEST_F(MapCanvasTest, ASecondButtonDuringADragStartsNoSecondShape)
{
    m_builder.rectangleTool()->trigger();
    mouse(m_canvas, QEvent::MouseButtonPress, {10, 10});
    mouse(m_canvas, QEvent::MouseMove, {40, 40});
    QMouseEvent second(QEvent::MouseButtonPress, QPointF(60, 60), m_canvas->mapToGlobal(QPointF(60, 60)),
                       Qt::RightButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(m_canvas, &second);
    QMouseEvent firstUp(QEvent::MouseButtonRelease, QPointF(40, 40), m_canvas->mapToGlobal(QPointF(40, 40)),
                        Qt::LeftButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(m_canvas, &firstUp);
    EXPECT_TRUE(m_builder.areas().isEmpty()) << "the drag lasts while a button is held";
    mouse(m_canvas, QEvent::MouseButtonRelease, {40, 40}, Qt::RightButton);
    ASSERT_EQ(m_builder.areas().size(), 1);
    EXPECT_EQ(m_builder.areas().at(0).box(), box(10, 10, 40, 40));
    EXPECT_EQ(m_canvas->drawing(), expected());
}

} // namespace
