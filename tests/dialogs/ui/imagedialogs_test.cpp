// The link builder and the image dialog driven through their controls, with
// scripted file dialogs, a scripted picker and a scripted map builder.
#include "imagemapbuilder.h"
#include "projectstate.h"
#include "radiogroup.h"
#include "scriptedinteraction.h"
#include "scriptedpicker.h"
#include "testsandbox.h"
#include "timagebuild.h"
#include "turlbil.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

/// A GIF whose logical screen is width × height, holding one 2 × 2 picture.
QByteArray gifBytes(int width, int height)
{
    QByteArray gif("GIF89a", 6);
    gif += char(width & 0xff);
    gif += char(width >> 8);
    gif += char(height & 0xff);
    gif += char(height >> 8);
    gif += QByteArray("\x81\x00\x00", 3) + QByteArray("\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\xff", 12)
        + QByteArray("\x2c\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10) + QByteArray("\x02\x03\x44\x34\x05\x00\x3b", 7);
    return gif;
}

QString writeFile(const QString &name, const QByteArray &bytes)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("imagedialogs"));
    QFile f(dir + u'/' + name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

class LinkBuilderDialogTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }

    /// Runs one pick with act working the shown dialog.
    std::optional<PickedUrl> pick(PickerMode mode, const std::function<void()> &act)
    {
        QTimer::singleShot(0, &m_dialog, [&] {
            act();
            if (m_dialog.isVisible())
                m_dialog.reject();
        });
        return m_dialog.pick(nullptr, mode);
    }

    ScriptedInteraction m_ui;
    const ProjectState *m_project = nullptr;
    Turlbil m_dialog{nullptr, [this] { return m_project; }};
};

TEST_F(LinkBuilderDialogTest, ComposesAsTheUserTypes)
{
    EXPECT_EQ(m_dialog.windowTitle(), QStringLiteral("URL Builder"));
    EXPECT_TRUE(m_dialog.okButton()->isDefault());
    EXPECT_TRUE(m_dialog.visImageCheck()->isChecked());
    EXPECT_EQ(m_dialog.helpContext(), 1010);
    const auto picked = pick(PickerMode::Link, [&] {
        EXPECT_EQ(m_dialog.focusWidget(), m_dialog.protocolList());
        m_dialog.protocolList()->setCurrentIndex(1);
        emit m_dialog.protocolList()->activated(1);
        QTest::keyClicks(m_dialog.serverEdit(), QStringLiteral("www.example.com"));
        QTest::keyClicks(m_dialog.anchorEdit(), QStringLiteral("/a.html"));
        QTest::keyClicks(m_dialog.jumpEdit(), QStringLiteral("top"));
        EXPECT_EQ(m_dialog.urlEdit()->text(), QStringLiteral("http://www.example.com/a.html#top"));
        EXPECT_EQ(m_dialog.serverEdit()->maxLength(), 100);
        m_dialog.okButton()->click();
    });
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->url, QStringLiteral("http://www.example.com/a.html#top"));

    // The next showing starts afresh; a URL typed directly is taken as typed.
    const auto typed = pick(PickerMode::Link, [&] {
        EXPECT_EQ(m_dialog.protocolList()->currentIndex(), 0);
        EXPECT_TRUE(m_dialog.serverEdit()->text().isEmpty());
        EXPECT_TRUE(m_dialog.urlEdit()->text().isEmpty());
        QTest::keyClicks(m_dialog.urlEdit(), QStringLiteral("news:x"));
        m_dialog.okButton()->click();
    });
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->url, QStringLiteral("news:x"));
    EXPECT_FALSE(pick(PickerMode::Link, [&] { m_dialog.cancelButton()->click(); }));
}

TEST_F(LinkBuilderDialogTest, BrowsingAGifGivesItsSizePictureAndPreview)
{
    const QString gif = writeFile(QStringLiteral("PIC.GIF"), gifBytes(100, 50));
    m_ui.openAnswers << QStringList{gif};
    const auto picked = pick(PickerMode::Image, [&] {
        m_dialog.browseButton()->click();
        EXPECT_EQ(m_dialog.focusWidget(), m_dialog.jumpEdit());
        EXPECT_TRUE(m_dialog.preview()->isVisible());
        EXPECT_EQ(m_dialog.preview()->size(), QSize(169, 85));
        m_dialog.okButton()->click();
    });
    ASSERT_TRUE(picked);
    // Without a project the anchor is the full local path.
    EXPECT_EQ(picked->url, QDir::toNativeSeparators(gif));
    EXPECT_EQ(picked->width, 100);
    EXPECT_EQ(picked->height, 50);
    EXPECT_EQ(picked->picture.size(), QSize(100, 50));
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(m_ui.fileRequests[0].selectedFilter,
              QStringLiteral("Image files: jpeg, gif (*.gif *.jpg *.jpeg)"));
    EXPECT_EQ(m_ui.fileRequests[0].directory, QDir::homePath());
}

TEST_F(LinkBuilderDialogTest, EachBrowseStartsFromNothing)
{
    // A GIF, then a BMP: the BMP hands over no size and no picture.
    m_ui.openAnswers << QStringList{writeFile(QStringLiteral("a.gif"), gifBytes(30, 40))}
                     << QStringList{writeFile(QStringLiteral("b.bmp"), gifBytes(30, 40))};
    const auto picked = pick(PickerMode::Image, [&] {
        m_dialog.browseButton()->click();
        m_dialog.browseButton()->click();
        EXPECT_FALSE(m_dialog.preview()->isVisible());
        m_dialog.okButton()->click();
    });
    ASSERT_TRUE(picked);
    EXPECT_EQ(picked->width, 0);
    EXPECT_EQ(picked->height, 0);
    EXPECT_TRUE(picked->picture.isNull());
}

TEST_F(LinkBuilderDialogTest, ABadGifIsReportedAndTheDialogStaysOpen)
{
    m_ui.openAnswers << QStringList{writeFile(QStringLiteral("bad.gif"), QByteArray("not a picture"))};
    const auto picked = pick(PickerMode::Image, [&] {
        m_dialog.browseButton()->click();
        EXPECT_TRUE(m_dialog.isVisible());
        m_dialog.okButton()->click();
    });
    EXPECT_EQ(m_ui.lastMessage(), QStringLiteral("Not a .GIF file"));
    ASSERT_TRUE(picked);
    EXPECT_TRUE(picked->picture.isNull());
}

TEST_F(LinkBuilderDialogTest, WithAProjectTheAnchorIsThePathToUrlConversion)
{
    ProjectState project;
    project.newProject();
    m_project = &project;
    const QString page = writeFile(QStringLiteral("my \"page\".html"), "x");
    m_ui.openAnswers << QStringList{page};
    const auto picked = pick(PickerMode::Link, [&] {
        m_dialog.browseButton()->click();
        m_dialog.okButton()->click();
    });
    ASSERT_TRUE(picked);
    // An unsaved project has no directory table: the file name, quote-safe.
    EXPECT_EQ(picked->url, QStringLiteral("my %22page%22.html"));
    EXPECT_EQ(m_ui.fileRequests[0].selectedFilter, QStringLiteral("Html,Htm files (*.html *.htm)"));
}

/// A map builder that checks its request and answers with a fixed map.
class ScriptedMapBuilder : public ImageMapBuilder {
public:
    ScriptedMapBuilder() { setImageMapBuilder(this); }
    ~ScriptedMapBuilder() override { setImageMapBuilder(nullptr); }
    std::optional<MapBuildResult> buildMap(QWidget *, const MapBuildRequest &request) override
    {
        requests << request;
        return answer;
    }
    QList<MapBuildRequest> requests;
    std::optional<MapBuildResult> answer;
};

class ImageDialogTest : public ::testing::Test {
protected:
    test::ScriptedPicker m_picker;
};

TEST_F(ImageDialogTest, ShowsTheDescribedControls)
{
    Timagebuild d;
    d.decodetext(QString());
    d.show();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("image"));
    EXPECT_EQ(d.okButton()->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(d.okButton()->isDefault());
    EXPECT_EQ(d.helpContext(), 1000);
    EXPECT_EQ(d.pages()->tabText(1), QStringLiteral(" AVI video / Sound"));
    EXPECT_EQ(d.alignGroup()->button(2)->text(), QStringLiteral("Middel"));
    EXPECT_EQ(d.mosaicCheck()->toolTip(), QStringLiteral("Only for NSCA Mosaic browsers"));
    EXPECT_EQ(d.focusWidget(), d.imageEdit());
    EXPECT_FALSE(d.useMapCheck()->isEnabled());
    EXPECT_FALSE(d.mapBuilderButton()->isEnabled());
    EXPECT_EQ(d.videoLoopEdit()->text(), QStringLiteral("-1"));
    EXPECT_EQ(d.loopDelayEdit()->maximum(), 30000);
    d.loopDelayEdit()->stepBy(1);
    EXPECT_EQ(d.loopDelayEdit()->text(), QStringLiteral("100"));
    d.widthEdit()->setText(QStringLiteral("50%"));
    d.okButton()->click();
    EXPECT_EQ(d.result(), QStringLiteral("<IMG WIDTH=50% LOOPDELAY=100 "));
}

TEST_F(ImageDialogTest, ImageUrlTakesTheSizeItCouldRead)
{
    Timagebuild d;
    d.decodetext(QStringLiteral("<IMG SRC=\"old.png\" WIDTH=7 HEIGHT=8 BORDER=0 >"));
    d.show();
    PickedUrl gif{QStringLiteral("a.gif"), 100, 50, QImage(100, 50, QImage::Format_Indexed8)};
    m_picker.answers << gif << PickedUrl{QStringLiteral("b.png")};
    d.imageUrlButton()->click();
    EXPECT_EQ(d.imageEdit()->text(), QStringLiteral("a.gif"));
    EXPECT_EQ(d.widthEdit()->text(), QStringLiteral("100"));
    EXPECT_EQ(d.focusWidget(), d.linkEdit());
    EXPECT_TRUE(d.useMapCheck()->isEnabled());
    d.imageUrlButton()->click();
    // 0 × 0: the size stays as it was.
    EXPECT_EQ(d.imageEdit()->text(), QStringLiteral("b.png"));
    EXPECT_EQ(d.widthEdit()->text(), QStringLiteral("100"));
    EXPECT_EQ(d.heightEdit()->text(), QStringLiteral("50"));
    EXPECT_EQ(m_picker.modes, (QList<PickerMode>{PickerMode::Image, PickerMode::Image}));

    m_picker.answers << PickedUrl{QStringLiteral("s.wav")};
    d.soundUrlButton()->click();
    EXPECT_EQ(d.soundEdit()->text(), QStringLiteral("s.wav"));
    EXPECT_EQ(m_picker.modes.last(), PickerMode::Sound);
}

TEST_F(ImageDialogTest, MapBuilderResultBecomesPrefixAndReference)
{
    ScriptedMapBuilder builder;
    builder.answer = MapBuildResult{QStringLiteral("<MAP NAME=\"m\">\r\n</MAP>\r\n"), false, QStringLiteral("m")};
    Timagebuild d;
    d.decodetext(QString());
    d.show();
    m_picker.answers << PickedUrl{QStringLiteral("a.gif"), 10, 20, QImage(10, 20, QImage::Format_Indexed8)};
    d.imageUrlButton()->click();
    EXPECT_FALSE(d.mapBuilderButton()->isEnabled());
    d.useMapCheck()->click();
    ASSERT_TRUE(d.mapBuilderButton()->isEnabled());
    d.mapBuilderButton()->click();
    ASSERT_EQ(builder.requests.size(), 1);
    EXPECT_EQ(builder.requests[0].imageFileName, QStringLiteral("a.gif"));
    EXPECT_EQ(builder.requests[0].picture.size(), QSize(10, 20));
    EXPECT_FALSE(builder.requests[0].mapGiven);
    EXPECT_EQ(d.focusWidget(), d.okButton());
    d.okButton()->click();
    EXPECT_EQ(d.result(),
              QStringLiteral("<MAP NAME=\"m\">\r\n</MAP>\r\n<IMG SRC=\"a.gif\" WIDTH=10 HEIGHT=20 USEMAP=\"#m\"BORDER=0 >"));
    EXPECT_FALSE(d.useMapCheck()->isEnabled());

    // An external map: no prefix, the file as the reference.
    builder.answer = MapBuildResult{QStringLiteral("/maps/a.map"), true, QStringLiteral("m")};
    Timagebuild e;
    e.decodetext(QStringLiteral("<MAP NAME=\"m\">\r\n</MAP>\r\n<IMG SRC=\"a.gif\" USEMAP=\"#m\"BORDER=0 >"));
    e.show();
    ASSERT_TRUE(e.mapBuilderButton()->isEnabled());
    e.mapBuilderButton()->click();
    EXPECT_TRUE(builder.requests[1].mapGiven);
    EXPECT_EQ(builder.requests[1].mapText, QStringLiteral("<MAP NAME=\"m\">\r\n</MAP>\r\n"));
    e.okButton()->click();
    EXPECT_EQ(e.result(), QStringLiteral("<IMG SRC=\"a.gif\" USEMAP=\"/maps/a.map\"BORDER=0 >"));
}

TEST_F(ImageDialogTest, WithoutServicesTheButtonsAreOff)
{
    setUrlPicker(nullptr);
    Timagebuild d;
    d.decodetext(QStringLiteral("<IMG SRC=\"a\" USEMAP=\"#m\">"));
    EXPECT_FALSE(d.imageUrlButton()->isEnabled());
    EXPECT_FALSE(d.soundUrlButton()->isEnabled());
    EXPECT_TRUE(d.useMapCheck()->isChecked());
    EXPECT_FALSE(d.mapBuilderButton()->isEnabled());
}

} // namespace
