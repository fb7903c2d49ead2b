// The whole map-builder call as the image dialog makes it: the builder shown
// modally, worked with the mouse and its dialogs, and the result checked.
#include "mapbuilder_fixture.h"
#include "mapbuildercontroller.h"
#include "../../dialogs/ui/modaldialog.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "tmapurl.h"
#include "urlpicker.h"

#include "fakepagehost.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace lumaro;
using namespace lumaro::test;

namespace {

class ScriptedPicker : public UrlPicker {
public:
    ScriptedPicker() { setUrlPicker(this); }
    ~ScriptedPicker() override { setUrlPicker(nullptr); }
    std::optional<PickedUrl> pick(QWidget *, PickerMode mode) override
    {
        modes.append(mode);
        return PickedUrl{QStringLiteral("x.html")};
    }
    QList<PickerMode> modes;
};

const char kMarkup[] = "<MAP NAME=\"m\">\r\n"
                       "<!-- c -->\r\n"
                       "<!-- a.gif -->\r\n"
                       "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\r\n"
                       "<!--  -->\r\n"
                       "<AREA SHAPE=\"CIRCLE\" COORDS=\"30,30,20\" HREF=\"y.html\">\r\n"
                       "<!-- round -->\r\n"
                       "</MAP>\r\n";

class MapBuilderFlowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        m_dir = TestSandbox::makeDir(QStringLiteral("mapflow"));
    }

    /// Runs one builder call with act working the shown builder.
    std::optional<MapBuildResult> run(const MapBuildRequest &request, std::function<void(Tmapbuild *)> act)
    {
        WhenModal<Tmapbuild> driver(std::move(act));
        auto result = m_controller.builder()->buildMap(nullptr, request);
        EXPECT_TRUE(driver.ran());
        return result;
    }

    /// Opens the properties of the current area and fills them in.
    static void properties(Tmapbuild *b, const QString &url, const QString &comment, bool pickUrl = false)
    {
        WhenModal<Tmapurl> driver([&](Tmapurl *d) {
            if (pickUrl) {
                d->urlButton()->click();
                EXPECT_EQ(d->focusWidget(), d->commentEdit());
            } else {
                d->urlEdit()->setText(url);
            }
            d->commentEdit()->setText(comment);
            d->okButton()->click();
        });
        b->propertiesButton()->click();
        EXPECT_TRUE(driver.ran());
    }

    ScriptedInteraction m_ui;
    FakePageHost m_host;
    MapBuilderController m_controller{m_host};
    QString m_dir;
};

TEST_F(MapBuilderFlowTest, DrawNameAndUrlsGiveTheMarkupAndTheName)
{
    ASSERT_EQ(imageMapBuilder(), m_controller.builder());
    ScriptedPicker picker;
    MapBuildRequest request;
    request.picture = smallPicture();
    request.imageFileName = QStringLiteral("a.gif");
    const auto result = run(request, [&](Tmapbuild *b) {
        EXPECT_EQ(b->focusWidget(), b->mapNameEdit());
        b->rectangleTool()->trigger();
        drag(b->canvas(), {10, 10}, {50, 60});
        EXPECT_TRUE(b->propertiesButton()->isEnabled()) << "the area just drawn is current";
        b->selectionTool()->trigger();
        click(b->canvas(), {12, 12});
        properties(b, {}, {}, true);
        click(b->canvas(), {12, 12}, Qt::RightButton);
        b->circleTool()->trigger();
        drag(b->canvas(), {10, 10}, {50, 77});
        properties(b, QStringLiteral("y.html"), QStringLiteral("round")); // the area drawn last

        b->okButton()->click(); // no name yet
        EXPECT_EQ(m_ui.lastMessage(), "Must be filled in");
        EXPECT_EQ(m_ui.messages.last().title, "Fejl");
        EXPECT_TRUE(b->isVisible());
        b->mapNameEdit()->setText(QStringLiteral("m"));
        b->commentEdit()->setText(QStringLiteral("c"));
        b->okButton()->click();
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->mapText, QString::fromLatin1(kMarkup));
    EXPECT_FALSE(result->external);
    EXPECT_EQ(result->mapName, "m");
    EXPECT_EQ(picker.modes, QList<PickerMode>{PickerMode::Link});
}

TEST_F(MapBuilderFlowTest, AGivenMapIsReadWithItsPictureFromThePagesDirectory)
{
    QFile gif(QDir(m_dir).filePath(QStringLiteral("a.gif")));
    ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
    gif.write(smallGif(130, 95));
    gif.close();
    m_host.addPage(QString(), QDir(m_dir).filePath(QStringLiteral("page.html")), true);

    MapBuildRequest request;
    request.mapText = QString::fromLatin1(kMarkup);
    request.mapGiven = true;
    request.imageFileName = QStringLiteral("a.gif");
    const auto result = run(request, [&](Tmapbuild *b) {
        EXPECT_EQ(b->canvas()->size(), QSize(130, 95));
        EXPECT_EQ(b->mapNameEdit()->text(), "m");
        EXPECT_EQ(b->commentEdit()->text(), "c");
        EXPECT_EQ(b->areas().size(), 2);
        EXPECT_FALSE(b->propertiesButton()->isEnabled());
        b->okButton()->click();
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->mapText, QString::fromLatin1(kMarkup));
    EXPECT_TRUE(m_ui.fileRequests.isEmpty()) << "the picture was found without asking";
}

TEST_F(MapBuilderFlowTest, WithoutItsPictureAGivenMapIsReadOntoABlankCanvas)
{
    MapBuildRequest request;
    request.mapText = QStringLiteral("<MAP NAME=\"m\"><!-- --><!-- gone.gif -->"
                                     "<AREA SHAPE=\"RECT\" COORDS=\"600,10,700,300\" HREF=\"x.html\">"
                                     "<AREA SHAPE=\"POLY\" COORDS=\"1,2,3,4,5,6\"></MAP>");
    request.mapGiven = true;
    const auto result = run(request, [&](Tmapbuild *b) {
        EXPECT_EQ(b->canvas()->size(), QSize(701, 301));
        EXPECT_EQ(b->areas().size(), 1);
        b->okButton()->click();
    });
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(m_ui.fileRequests[0].selectedFilter, "Gif images (*.gif)");
    EXPECT_EQ(m_ui.lastMessage(), "1 area(s) could not be read and are left out");
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->mapText.contains(QStringLiteral("COORDS=\"600,10,700,300\"")));
}

TEST_F(MapBuilderFlowTest, ASavedMapFileAndNoGiveTheExternalPath)
{
    const QString chosen = QDir(m_dir).filePath(QStringLiteral("test"));
    m_ui.saveAnswers.enqueue(chosen);
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    const auto result = run({}, [&](Tmapbuild *b) {
        b->rectangleTool()->trigger();
        drag(b->canvas(), {10, 10}, {50, 60});
        b->mapNameEdit()->setText(QStringLiteral("m"));
        b->saveButton()->click();
        b->okButton()->click();
    });
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->external);
    EXPECT_EQ(result->mapText, chosen + QStringLiteral(".map"));
    EXPECT_EQ(m_ui.messages.last().text, "Do you want to use intern map");
    EXPECT_EQ(m_ui.fileRequests[0].selectedFilter, "Map files (*.map)");
    QFile file(result->mapText);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<MAP NAME=\"m\">\r\n<!--  -->\r\n<!--  -->\r\n"
                                         "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"\">\r\n<!--  -->\r\n"
                                         "</MAP>\r\n"));

    // The file opens again in a later call, after the areas already drawn.
    m_ui.openAnswers.enqueue({result->mapText});
    const auto again = run({}, [&](Tmapbuild *b) {
        EXPECT_TRUE(b->mapNameEdit()->text().isEmpty()) << "nothing carries over";
        b->circleTool()->trigger();
        click(b->canvas(), {5, 5});
        b->openButton()->click();
        EXPECT_EQ(b->mapNameEdit()->text(), "m");
        b->okButton()->click(); // nothing saved in this call: no question
    });
    ASSERT_TRUE(again.has_value());
    EXPECT_FALSE(again->external);
    EXPECT_EQ(again->mapText, "<MAP NAME=\"m\">\r\n<!--  -->\r\n<!--  -->\r\n"
                              "<AREA SHAPE=\"CIRCLE\" COORDS=\"6,6,1\" HREF=\"\">\r\n<!--  -->\r\n"
                              "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"\">\r\n<!--  -->\r\n</MAP>\r\n");
}

TEST_F(MapBuilderFlowTest, ACancelledCallLeavesNothingBehind)
{
    MapBuildRequest request;
    request.picture = smallPicture();
    request.mapText = QString::fromLatin1(kMarkup);
    const auto cancelled = run(request, [](Tmapbuild *b) {
        EXPECT_EQ(b->areas().size(), 2);
        b->cancelButton()->click();
    });
    EXPECT_FALSE(cancelled.has_value());

    const auto next = run({}, [](Tmapbuild *b) {
        EXPECT_TRUE(b->areas().isEmpty());
        EXPECT_TRUE(b->mapNameEdit()->text().isEmpty());
        EXPECT_EQ(b->canvas()->size(), QSize(TvarnoImage::blankWidth, TvarnoImage::blankHeight));
        b->mapNameEdit()->setText(QStringLiteral("n"));
        b->okButton()->click();
    });
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->mapText, "<MAP NAME=\"n\">\r\n<!--  -->\r\n<!--  -->\r\n</MAP>\r\n");
}

TEST_F(MapBuilderFlowTest, MapUrlRefusesAnEmptyUrlAndTextsThatWouldBreakTheMarkup)
{
    Tmapurl *d = m_controller.builder()->mapUrlDialog();
    EXPECT_EQ(d->windowTitle(), "Map URL");
    MapArea a;
    d->setValue(a);
    d->show();
    EXPECT_FALSE(d->urlButton()->isEnabled()) << "no picker installed";
    d->okButton()->click();
    EXPECT_EQ(m_ui.lastMessage(), "Skal udfyleds");
    EXPECT_EQ(m_ui.messages.last().title, "Fejl");
    d->urlEdit()->setText(QStringLiteral("a\"b"));
    d->okButton()->click();
    d->urlEdit()->setText(QStringLiteral("ok.html"));
    d->commentEdit()->setText(QStringLiteral("x-->y"));
    d->okButton()->click();
    EXPECT_EQ(m_ui.messages.size(), 3);
    EXPECT_TRUE(d->isVisible());
    d->commentEdit()->setText(QString(300, u'c'));
    EXPECT_EQ(d->comment().size(), 255);
    d->okButton()->click();
    EXPECT_FALSE(d->isVisible());
}

} // namespace
