// The image dialog's element: decoding a selection and building the text OK
// writes, byte for byte.
#include "imagetag.h"

#include <gtest/gtest.h>
#include <functional>

using namespace lumaro;

namespace {

struct BuildCase {
    const char *name;
    std::function<void(ImageTag &)> fill;
    const char *expected;
};

class ImageTagBuild : public ::testing::TestWithParam<BuildCase> {};

TEST_P(ImageTagBuild, WritesThePiecesInTheirOrder)
{
    ImageTag t;
    GetParam().fill(t);
    EXPECT_EQ(t.build(), QString::fromUtf8(GetParam().expected));
}

const BuildCase buildCases[] = {
    {"AllEmpty", [](ImageTag &) {}, "<IMG "},
    {"ImageLinkWidth",
     [](ImageTag &t) {
         t.image = QStringLiteral("a.gif");
         t.link = QStringLiteral("b.html");
         t.width = QStringLiteral("10");
     },
     "<A HREF=\"b.html\"><IMG SRC=\"a.gif\" WIDTH=10 BORDER=0 ></A>"},
    {"SoundOnly", [](ImageTag &t) { t.soundSrc = QStringLiteral("s.wav"); }, "<BGSOUND SRC=\"s.wav\" LOOP=INFINITE>"},
    // Image attributes without an image or a video would be loose page text.
    {"SoundOnlyLeavesImageAttributesOut",
     [](ImageTag &t) {
         t.soundSrc = QStringLiteral("s.wav");
         t.alt = QStringLiteral("x");
         t.align = ImageTag::AlignLeft;
         t.loopDelay = QStringLiteral("500");
     },
     "<BGSOUND SRC=\"s.wav\" LOOP=INFINITE>"},
    {"MosaicSoundWithLoop",
     [](ImageTag &t) {
         t.soundSrc = QStringLiteral("s.au");
         t.soundLoop = QStringLiteral("3");
         t.mosaicSound = true;
     },
     "<SOUND SRC=\"s.au\" LOOP=3>"},
    {"VideoAloneOpensTheImageTag",
     [](ImageTag &t) {
         t.dynsrc = QStringLiteral("v.avi");
         t.soundSrc = QStringLiteral("s.wav");
         t.alt = QStringLiteral("clip");
     },
     "<IMG ALT=\"clip\" DYNSRC=\"v.avi\" LOOP=INFINITE ><BGSOUND SRC=\"s.wav\" LOOP=INFINITE>"},
    {"LoopDelayWithoutVideo", [](ImageTag &t) { t.loopDelay = QStringLiteral("500"); }, "<IMG LOOPDELAY=500 "},
    {"InlineMapUsemapIsFollowedDirectly",
     [](ImageTag &t) {
         t.image = QStringLiteral("a.gif");
         t.useMap = true;
         t.mapPrefix = QStringLiteral("<MAP NAME=\"m\">\r\n</MAP>\r\n");
         t.mapReference = QStringLiteral("#m");
         t.align = ImageTag::AlignTop;
     },
     "<MAP NAME=\"m\">\r\n</MAP>\r\n<IMG SRC=\"a.gif\" USEMAP=\"#m\"ALIGN=TOP BORDER=0 >"},
    {"StartBothAndControls",
     [](ImageTag &t) {
         t.dynsrc = QStringLiteral("v.avi");
         t.startFileOpen = t.startMouseOver = t.controls = true;
         t.videoLoop = QStringLiteral("4");
     },
     "<IMG DYNSRC=\"v.avi\" START=MOUSEOVER,FILEOPEN LOOP=4 CONTROLS >"},
    {"StartMouseOverAlone",
     [](ImageTag &t) {
         t.dynsrc = QStringLiteral("v.avi");
         t.startMouseOver = true;
     },
     "<IMG DYNSRC=\"v.avi\" START=MOUSEOVER LOOP=INFINITE >"},
    {"LowSrcBesideTheImage",
     [](ImageTag &t) {
         t.image = QStringLiteral("big.jpg");
         t.lowSrc = QStringLiteral("small.gif");
     },
     "<IMG SRC=\"big.jpg\" LOWSRC=\"small.gif\" BORDER=0 >"},
    {"LowSrcAloneIsNotWritten", [](ImageTag &t) { t.lowSrc = QStringLiteral("small.gif"); }, "<IMG "},
    {"UnitKeepsItsOldWord",
     [](ImageTag &t) {
         t.image = QStringLiteral("a.gif");
         t.units = ImageTag::UnitsUnit;
         t.clear = ImageTag::ClearRight;
     },
     "<IMG SRC=\"a.gif\" BORDER=0 CLEAR=RIGHT UNITS=ENHED >"},
    {"EmptyNumbersKeepTheirDefaults",
     [](ImageTag &t) {
         t.image = QStringLiteral("a.gif");
         t.border = t.hspace = t.loopDelay = QString();
     },
     "<IMG SRC=\"a.gif\" BORDER=0 >"},
    {"QuotesCannotEndAValue",
     [](ImageTag &t) {
         t.image = QStringLiteral("a\"b.gif");
         t.alt = QStringLiteral("say \"hi\"");
     },
     "<IMG SRC=\"a%22b.gif\" ALT=\"say &quot;hi&quot;\" BORDER=0 >"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ImageTagBuild, ::testing::ValuesIn(buildCases),
                         [](const auto &info) { return std::string(info.param.name); });

// Tags written by the dialog read back into the same fields, so OK without
// changes writes the same bytes.
class ImageTagRoundTrip : public ::testing::TestWithParam<const char *> {};

TEST_P(ImageTagRoundTrip, RebuildsTheSameBytes)
{
    const QString text = QString::fromUtf8(GetParam());
    EXPECT_EQ(ImageTag::decode(text).build(), text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageTagRoundTrip,
    ::testing::Values(
        "<A HREF=\"b.html\"><IMG SRC=\"a.gif\" WIDTH=10 BORDER=0 ></A>",
        "<MAP NAME=\"m\">\r\n<!-- c -->\r\n<!-- a.gif -->\r\n<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" "
        "HREF=\"x.html\">\r\n<!--  -->\r\n</MAP>\r\n"
        "<A HREF=\"http://s/a b.html#top\"><IMG SRC=\"pics/a.gif\" LOWSRC=\"lo.gif\" WIDTH=50% HEIGHT=20 "
        "USEMAP=\"#m\"ALIGN=MIDDLE ALT=\"A long alternative text that is well over fifty characters long\" "
        "HSPACE=3 VSPACE=4 BORDER=2 CLEAR=ALL UNITS=PIXEL DYNSRC=\"clip.avi\" START=FILEOPEN LOOP=7 "
        "LOOPDELAY=500 CONTROLS ></A><BGSOUND SRC=\"sounds/a rather long path/to a sound file that is "
        "longer than seventy.wav\" LOOP=2>",
        "<IMG SRC=\"a.gif\" BORDER=0 DYNSRC=\"v.avi\" LOOP=5 ><BGSOUND SRC=\"s.wav\" LOOP=INFINITE>",
        "<IMG SRC=\"a.gif\" USEMAP=\"maps/a.map\"BORDER=0 >",
        "<SOUND SRC=\"s.au\" LOOP=9>"));

// Hand-written selections: OK without changes writes the image tag and the
// map, each whole, and nothing else.
struct RewriteCase {
    const char *name;
    const char *selected;
    const char *written;
};

class ImageTagRewrite : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(ImageTagRewrite, OkWithoutChanges)
{
    EXPECT_EQ(ImageTag::decode(QString::fromUtf8(GetParam().selected)).build(), QString::fromUtf8(GetParam().written));
}

const RewriteCase rewriteCases[] = {
    {"MapAfterItsImage",
     "<IMG SRC=\"a.gif\" USEMAP=\"#m\" BORDER=0 >\r\n<MAP NAME=\"m\">\r\n"
     "<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"x.html\">\r\n</MAP>\r\n",
     "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"x.html\">\r\n</MAP>\r\n"
     "<IMG SRC=\"a.gif\" USEMAP=\"#m\"BORDER=0 >"},
    {"MapBetweenLinkAndImage",
     "<A HREF=\"b.html\"><MAP NAME=\"m\"></MAP><IMG SRC=\"a.gif\" USEMAP=\"#m\"BORDER=0 ></A>",
     "<MAP NAME=\"m\"></MAP><A HREF=\"b.html\"><IMG SRC=\"a.gif\" USEMAP=\"#m\"BORDER=0 ></A>"},
    {"UnclosedMapGivesNoLink",
     "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"x.html\">\r\n<IMG SRC=\"a.gif\" BORDER=0 >",
     "<IMG SRC=\"a.gif\" BORDER=0 >"},
    {"LinkOnlyFromAnAnchor", "<AREA HREF=\"x.html\"><A HREF=\"b.html\"><IMG SRC=\"a.gif\"></A>",
     "<A HREF=\"b.html\"><IMG SRC=\"a.gif\" BORDER=0 ></A>"},
    {"AttributesAfterTheImageTagNotRead", "<IMG SRC=\"a.gif\">\r\n<P ALIGN=RIGHT WIDTH=9>",
     "<IMG SRC=\"a.gif\" BORDER=0 >"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ImageTagRewrite, ::testing::ValuesIn(rewriteCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(ImageTagDecode, ReadsHandWrittenValues)
{
    const ImageTag t = ImageTag::decode(QStringLiteral("<IMG SRC=\"a.gif\" BORDER=\"2\" WIDTH=\"50%\" HEIGHT=x VALIGN=TOP>"));
    EXPECT_EQ(t.border, QStringLiteral("2"));
    EXPECT_EQ(t.width, QStringLiteral("50%"));
    EXPECT_EQ(t.height, QString());
    EXPECT_EQ(t.align, ImageTag::AlignNone); // VALIGN is another attribute
}

TEST(ImageTagDecode, EachLoopComesFromItsOwnTag)
{
    const ImageTag t = ImageTag::decode(
        QStringLiteral("<IMG DYNSRC=\"v.avi\" LOOP=3 ><BGSOUND SRC=\"s.wav\" LOOP=INFINITE>"));
    EXPECT_EQ(t.videoLoop, QStringLiteral("3"));
    EXPECT_EQ(t.soundLoop, QStringLiteral("-1"));
    // Without a video the image tag's LOOP is not read at all.
    EXPECT_EQ(ImageTag::decode(QStringLiteral("<IMG SRC=\"a\" LOOP=3>")).videoLoop, QStringLiteral("-1"));
}

TEST(ImageTagDecode, MapIsCutOnlyThroughItsEnd)
{
    // No "</MAP>": nothing is cut and no map is taken.
    const ImageTag open = ImageTag::decode(QStringLiteral("<MAP NAME=\"m\"><IMG SRC=\"a.gif\">"));
    EXPECT_FALSE(open.mapPresent);
    EXPECT_EQ(open.mapPrefix, QString());
    EXPECT_EQ(open.image, QStringLiteral("a.gif"));
    // "</MAP>" at the very end.
    const ImageTag end = ImageTag::decode(QStringLiteral("<MAP NAME=\"m\"></MAP>"));
    EXPECT_TRUE(end.mapPresent);
    EXPECT_EQ(end.mapPrefix, QStringLiteral("<MAP NAME=\"m\"></MAP>"));
    EXPECT_EQ(end.build(), QStringLiteral("<MAP NAME=\"m\"></MAP><IMG "));
    // A lone LF after "</MAP>" goes with the map.
    const ImageTag lf = ImageTag::decode(QStringLiteral("<MAP NAME=\"m\"></MAP>\n<IMG SRC=\"a\" USEMAP=\"#m\">"));
    EXPECT_EQ(lf.mapPrefix, QStringLiteral("<MAP NAME=\"m\"></MAP>\n"));
    EXPECT_TRUE(lf.useMap);
    EXPECT_EQ(lf.mapReference, QStringLiteral("#m"));
}

TEST(ImageTagDecode, LongValuesAreReadToTheirClosingQuote)
{
    const QString href = QString(120, u'h');
    const QString alt = QString(80, u'a');
    const ImageTag t = ImageTag::decode(QStringLiteral("<A HREF=\"%1\"><IMG SRC=\"i\" ALT=\"%2\"></A>").arg(href, alt));
    EXPECT_EQ(t.link, href);
    EXPECT_EQ(t.alt, alt);
}

TEST(ImageTagDecode, TextWithoutTagsGivesTheDefaults)
{
    EXPECT_EQ(ImageTag::decode(QStringLiteral("just text")), ImageTag());
    EXPECT_EQ(ImageTag::decode(QString()), ImageTag());
}

} // namespace
