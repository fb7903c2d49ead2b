// The link builder's composing rule and file types, the picture file names
// and the quick image and quick anchor texts.
#include "linkbuilder.h"
#include "picturefiles.h"
#include "quicktags.h"
#include "testsandbox.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

struct ComposeCase {
    const char *name;
    LinkBuilder link;
    const char *expected;
};

class LinkBuilderCompose : public ::testing::TestWithParam<ComposeCase> {};

TEST_P(LinkBuilderCompose, ComposesTheUrl)
{
    EXPECT_EQ(GetParam().link.url(), QString::fromUtf8(GetParam().expected));
}

const ComposeCase composeCases[] = {
    {"HttpServerAnchorJump", {1, "www.example.com", "/a.html", "top"}, "http://www.example.com/a.html#top"},
    {"Mailto", {5, "me@example.com", "", ""}, "mailto:me@example.com"},
    {"NoneIsNoPrefix", {0, "", "pics/a.gif", ""}, "pics/a.gif"},
    {"AllEmpty", {0, "", "", ""}, ""},
    {"LocalFileBecomesAnEncodedFileUrl", {3, "", "/home/u/my page.html", "x"}, "file:///home/u/my%20page.html#x"},
    {"FileWithServerStaysAsTyped", {3, "host", "/a.html", ""}, "file://host/a.html"},
};

INSTANTIATE_TEST_SUITE_P(Cases, LinkBuilderCompose, ::testing::ValuesIn(composeCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(LinkBuilder, LongServerIsNotCut)
{
    const LinkBuilder link{1, QString(150, u's'), QStringLiteral("/a"), QString(99, u'j')};
    EXPECT_EQ(link.url(), QStringLiteral("http://") + QString(150, u's') + QStringLiteral("/a#") + QString(99, u'j'));
}

TEST(LinkBuilder, EachModeSelectsItsFileTypes)
{
    EXPECT_EQ(LinkBuilder::nameFilters().size(), 7);
    EXPECT_EQ(LinkBuilder::nameFilter(1), QStringLiteral("Html,Htm files (*.html *.htm)"));
    EXPECT_EQ(LinkBuilder::nameFilter(2),
              QStringLiteral("Image files: jpeg, gif (*.gif *.jpg *.jpeg)"));
    EXPECT_EQ(LinkBuilder::nameFilter(3), QStringLiteral("Video files (*.avi)"));
    EXPECT_TRUE(LinkBuilder::nameFilter(4).startsWith(QStringLiteral("Sound files (*.wav ")));
    EXPECT_EQ(LinkBuilder::nameFilters().constLast(), QStringLiteral("All files (*)"));
}

// The labels show the patterns as written; the file dialog matches them in
// any case.
TEST(PictureFiles, PatternsMatchExtensionsInAnyCase)
{
    const QString filter = LinkBuilder::nameFilter(2);
    const QString patterns = filter.mid(filter.indexOf(u'(') + 1).chopped(1);
    auto matches = [&](const QString &name) {
        for (const QString &p : patterns.split(u' '))
            if (QRegularExpression::fromWildcard(p, Qt::CaseInsensitive).match(name).hasMatch())
                return true;
        return false;
    };
    for (const char *name : {"a.gif", "PIC.GIF", "b.Jpg", "c.JPEG"})
        EXPECT_TRUE(matches(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(matches(QStringLiteral("d.bmp")));
    EXPECT_TRUE(PictureFiles::isGif(QStringLiteral("x/PIC.GIF")));
    EXPECT_TRUE(PictureFiles::isJpeg(QStringLiteral("x\\a.Jpeg")));
    EXPECT_FALSE(PictureFiles::isGif(QStringLiteral("gif")));
    EXPECT_EQ(PictureFiles::fileName(QStringLiteral("C:\\web/img\\a.gif")), QStringLiteral("a.gif"));
}

TEST(LinkBuilder, PreviewKeepsTheProportions)
{
    EXPECT_EQ(LinkBuilder::previewSize(100, 50), QSize(169, 85));
    EXPECT_EQ(LinkBuilder::previewSize(50, 100), QSize(85, 169));
    EXPECT_EQ(LinkBuilder::previewSize(7, 7), QSize(169, 169));
    EXPECT_EQ(LinkBuilder::previewSize(1, 1000), QSize(1, 169));
    EXPECT_TRUE(LinkBuilder::previewSize(0, 10).isEmpty());
}

TEST(QuickTags, ImageTagLeavesOutASizeThatCouldNotBeRead)
{
    EXPECT_EQ(QuickTags::imageTag(QStringLiteral("PIC.GIF"), 100, 50),
              QStringLiteral("<IMG SRC=\"PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0>"));
    EXPECT_EQ(QuickTags::imageTag(QStringLiteral("x.jpeg"), 0, 0), QStringLiteral("<IMG SRC=\"x.jpeg\" BORDER=0>"));
    EXPECT_EQ(QuickTags::imageTag(QStringLiteral("a\"b.gif"), 0, 0), QStringLiteral("<IMG SRC=\"a%22b.gif\" BORDER=0>"));
}

TEST(QuickTags, AnchorWrapsTheSelection)
{
    EXPECT_EQ(QuickTags::anchorTag(QStringLiteral("a.html"), QStringLiteral("here")),
              QStringLiteral("<A HREF=\"a.html\">here</A>"));
    EXPECT_EQ(QuickTags::caretBack(QStringLiteral("here")), 0);
    EXPECT_EQ(QuickTags::anchorTag(QStringLiteral("a.html"), QString()), QStringLiteral("<A HREF=\"a.html\"></A>"));
    EXPECT_EQ(QuickTags::caretBack(QString()), 4);
    EXPECT_EQ(QuickTags::anchorFilters().constFirst(),
              QStringLiteral("HTML files *.html *.htm (*.html *.htm)"));
}

TEST(PictureFiles, SizeComesFromTheHeaderOfItsKind)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("picturefiles"));
    auto write = [&](const char *name, const QByteArray &bytes) {
        QFile f(dir + u'/' + QString::fromLatin1(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const QByteArray gif("GIF89a\x64\x00\x32\x00\x00\x00\x00", 13);
    EXPECT_EQ(PictureFiles::readSize(write("PIC.GIF", gif)), QSize(100, 50));
    EXPECT_EQ(PictureFiles::readSize(write("pic.bmp", gif)), QSize(0, 0));
    QByteArray jpeg("\xff\xd8\xff\xe0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00"
                    "\xff\xc0\x00\x11\x08\x00\x20\x00\x40\x03", 30);
    EXPECT_EQ(PictureFiles::readSize(write("a.jpeg", jpeg)), QSize(64, 32));
    EXPECT_EQ(PictureFiles::readSize(dir + QStringLiteral("/none.gif")), QSize(0, 0));
}

} // namespace
