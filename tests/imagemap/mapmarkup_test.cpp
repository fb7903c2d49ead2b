// Map markup and map files: the exact lines written, reading them back, and
// reading markup written by hand, damaged or hostile.
#include "mapfile.h"
#include "mapmarkup.h"
#include "testsandbox.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

MapArea area(MapShape shape, QRect box, const char *url, const char *comment)
{
    MapArea a;
    a.shape = shape;
    a.setBox(box);
    a.url = QString::fromUtf8(url);
    a.comment = QString::fromUtf8(comment);
    return a;
}

MapDocument example()
{
    MapDocument map;
    map.name = QStringLiteral("m");
    map.comment = QStringLiteral("c");
    map.pictureName = QStringLiteral("a.gif");
    map.areas = {area(MapShape::Rectangle, QRect(QPoint(10, 10), QPoint(50, 60)), "x.html", ""),
                 area(MapShape::Circle, QRect(QPoint(10, 10), QPoint(50, 50)), "y.html", "round")};
    return map;
}

const char kExample[] = "<MAP NAME=\"m\">\r\n"
                        "<!-- c -->\r\n"
                        "<!-- a.gif -->\r\n"
                        "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\r\n"
                        "<!--  -->\r\n"
                        "<AREA SHAPE=\"CIRCLE\" COORDS=\"30,30,20\" HREF=\"y.html\">\r\n"
                        "<!-- round -->\r\n"
                        "</MAP>\r\n";

void expectSameMap(const MapDocument &a, const MapDocument &b)
{
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.comment, b.comment);
    EXPECT_EQ(a.pictureName, b.pictureName);
    EXPECT_EQ(a.areas, b.areas);
}

TEST(MapMarkupWrite, ExampleByteForByteAndBackOverThreeCycles)
{
    EXPECT_EQ(MapMarkup::write(example()), QString::fromLatin1(kExample));
    EXPECT_EQ(MapMarkup::fileBytes(example()), QByteArray(kExample));

    QString text = MapMarkup::write(example());
    for (int cycle = 0; cycle < 3; ++cycle) {
        const MapReadResult r = MapMarkup::read(text);
        EXPECT_EQ(r.problems, 0);
        expectSameMap(r.map, example());
        text = MapMarkup::write(r.map);
        EXPECT_EQ(text, QString::fromLatin1(kExample)) << cycle;
    }
}

TEST(MapMarkupWrite, EmptyMapDeletedAreasAndFieldsThatWouldEndTheirQuotes)
{
    MapDocument map;
    map.areas = {area(MapShape::Deleted, QRect(0, 0, 5, 5), "gone.html", "")};
    EXPECT_EQ(MapMarkup::write(map), "<MAP NAME=\"\">\r\n<!--  -->\r\n<!--  -->\r\n</MAP>\r\n");

    map.name = QStringLiteral("a\"b");
    map.pictureName = QStringLiteral("x-->y.gif");
    EXPECT_EQ(MapMarkup::write(map), "<MAP NAME=\"a&quot;b\">\r\n<!--  -->\r\n<!-- x-- >y.gif -->\r\n</MAP>\r\n");
}

struct ReadCase {
    const char *label;
    const char *text;
    const char *name;
    const char *comment;
    const char *picture;
    QList<MapArea> areas;
    int problems;
    int cleaned = 0;  ///< lines that lost control characters
};

class MapMarkupRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(MapMarkupRead, Reads)
{
    const ReadCase &c = GetParam();
    const MapReadResult r = MapMarkup::read(QString::fromUtf8(c.text));
    EXPECT_EQ(r.map.name, QString::fromUtf8(c.name));
    EXPECT_EQ(r.map.comment, QString::fromUtf8(c.comment));
    EXPECT_EQ(r.map.pictureName, QString::fromUtf8(c.picture));
    EXPECT_EQ(r.map.areas, c.areas);
    EXPECT_EQ(r.problems, c.problems);
    EXPECT_EQ(r.cleaned, c.cleaned);
}

const QRect kBox(QPoint(10, 10), QPoint(50, 60));
const MapArea kX = area(MapShape::Rectangle, kBox, "x.html", "");

const ReadCase kReadCases[] = {
    {"Empty", "", "", "", "", {}, 0},
    {"NoCommentAfterMap",
     "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\r\n<!-- k -->\r\n</MAP>\r\n", "m",
     "", "", {area(MapShape::Rectangle, kBox, "x.html", "k")}, 0},
    {"WithoutAnyComments",
     "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\r\n"
     "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\r\n</MAP>",
     "m", "", "", {kX, kX}, 0},
    {"IndentedWithLfLines",
     "  <MAP NAME=\"m\">\n\t<!-- c -->\n\t<!-- a.gif -->\n   <AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" "
     "HREF=\"x.html\">\n   <!--  -->\n  </MAP>\n",
     "m", "c", "a.gif", {kX}, 0},
    {"GreaterThanInCommentsAndValues",
     "<MAP NAME=\"a>b\"><!-- x > y --><!-- p.gif --><AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"q?a>b\">"
     "<!-- <b>bold</b> --></MAP>",
     "a>b", "x > y", "p.gif", {area(MapShape::Rectangle, kBox, "q?a>b", "<b>bold</b>")}, 0},
    {"FieldsResetPerLineRectIsTheDefault",
     "<MAP NAME=\"m\"><AREA SHAPE=\"CIRCLE\" COORDS=\"30,30,20\" HREF=\"y.html\"><AREA COORDS=\"10,10,50,60\">"
     "<AREA SHAPE=\"POLY\" COORDS=\"1,2,3,4,5,6\" HREF=\"p.html\"><AREA SHAPE=\"RECT\" COORDS=\"10,x,50,60\">"
     "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50\"><AREA SHAPE=\"RECT\" COORDS=\" 10 , 10 ,50, 60 \" HREF=\"x.html\">",
     "m", "", "",
     {area(MapShape::Circle, QRect(QPoint(10, 10), QPoint(50, 50)), "y.html", ""),
      area(MapShape::Rectangle, kBox, "", ""), kX},
     3},
    {"ReversedCornersAndNegativeRadiusAreNormalised",
     "<MAP NAME=\"m\"><AREA SHAPE=\"RECT\" COORDS=\"50,60,10,10\" HREF=\"x.html\">"
     "<AREA SHAPE=\"CIRCLE\" COORDS=\"30,30,-20\">",
     "m", "", "", {kX, area(MapShape::Circle, QRect(QPoint(10, 10), QPoint(50, 50)), "", "")}, 0},
    {"ThirtyTwoBitLimits",
     "<MAP NAME=\"m\"><AREA SHAPE=\"CIRCLE\" COORDS=\"2147483647,0,2147483647\">"
     "<AREA SHAPE=\"RECT\" COORDS=\"2147483648,0,1,1\"><AREA SHAPE=\"RECT\" COORDS=\"-2147483648,0,2147483647,1\">",
     "m", "", "", {area(MapShape::Rectangle, QRect(QPoint(INT_MIN, 0), QPoint(INT_MAX, 1)), "", "")}, 2},
    {"FileUrlPictureAndTextAfterTheEnd",
     "<MAP NAME=\"m\">\r\n<!-- c -->\r\n<!-- file:///home/a.gif -->\r\n</MAP>\r\n<AREA COORDS=\"1,1,2,2\">", "m",
     "c", "file:///home/a.gif", {}, 0},
    {"CutShortInsideAnAreaTag", "<MAP NAME=\"m\">\r\n<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\r\n"
     "<!--  -->\r\n<AREA SHAPE=\"RECT\" COORDS=\"1", "m", "", "", {kX}, 1},
    {"OpenQuoteEndsAtTheFirstGreaterThan",
     "<MAP NAME=\"m\"><AREA SHAPE=\"RECT\" COORDS=\"1,1,2,2\" HREF=\"open>\r\n"
     "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\"></MAP>",
     "m", "", "", {area(MapShape::Rectangle, QRect(QPoint(1, 1), QPoint(2, 2)), "open>", ""), kX}, 0},
    // Control characters other than tab never reach the page; each line
    // that had any is counted.
    {"ControlCharactersDropped",
     "<MAP NAME=\"z\x01z\">\r\n<!-- c\x1b\tc -->\r\n<!-- a.gif -->\r\n"
     "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.\x7fhtml\">\r\n<!-- \x02k -->\r\n</MAP>\r\n",
     "zz", "c\tc", "a.gif", {area(MapShape::Rectangle, kBox, "x.html", "k")}, 0, 4},
};
INSTANTIATE_TEST_SUITE_P(Markup, MapMarkupRead, ::testing::ValuesIn(kReadCases),
                         [](const auto &info) { return std::string(info.param.label); });

TEST(MapMarkupFile, NulInAFileIsDroppedAndCounted)
{
    const QByteArray bytes("<MAP NAME=\"z\0z\">\r\n<!--  -->\r\n<!--  -->\r\n</MAP>\r\n", 48);
    const MapReadResult r = MapMarkup::readFile(bytes);
    EXPECT_EQ(r.map.name, QStringLiteral("zz"));
    EXPECT_EQ(r.cleaned, 1);
    EXPECT_EQ(MapMarkup::write(r.map).toUtf8().indexOf('\0'), -1);
}

TEST(MapMarkupFile, NamesGetMapOnlyWhenTheFileNameHasNoExtension)
{
    EXPECT_EQ(MapMarkup::mapFileName(QStringLiteral("test")), "test.map");
    EXPECT_EQ(MapMarkup::mapFileName(QStringLiteral("a.b/test")), "a.b/test.map");
    EXPECT_EQ(MapMarkup::mapFileName(QStringLiteral("a.b\\test")), "a.b\\test.map");
    EXPECT_EQ(MapMarkup::mapFileName(QStringLiteral("/d/test.txt")), "/d/test.txt");
}

TEST(MapMarkupFile, PicturePaths)
{
    EXPECT_EQ(MapMarkup::picturePath(QStringLiteral("file:///home/a.gif"), QStringLiteral("/p")), "/home/a.gif");
    EXPECT_EQ(MapMarkup::picturePath(QStringLiteral("img\\a.gif"), QStringLiteral("/p")), "/p/img/a.gif");
    EXPECT_EQ(MapMarkup::picturePath(QStringLiteral("a.gif"), QString()), "a.gif");
    EXPECT_EQ(MapMarkup::picturePath(QStringLiteral("/abs/a.gif"), QStringLiteral("/p")), "/abs/a.gif");
}

TEST(MapMarkupFile, SavedAsUtf8AndReadAsUtf8OrWindows1252)
{
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("mapfile"));
    MapDocument map = example();
    map.comment = QStringLiteral("Æble €");
    const QString name = QDir(dir).filePath(QStringLiteral("m.map"));
    QString error;
    ASSERT_TRUE(MapFile::save(name, map, &error)) << error.toStdString();
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), MapMarkup::write(map).toUtf8());
    MapReadResult back;
    ASSERT_TRUE(MapFile::load(name, &back, &error));
    expectSameMap(back.map, map);

    // A file from elsewhere in Windows-1252 with LF lines.
    const QByteArray ansi = "<MAP NAME=\"m\">\n<!-- \xC6" "ble \x80 -->\n<!-- a.gif -->\n"
                            "<AREA SHAPE=\"RECT\" COORDS=\"10,10,50,60\" HREF=\"x.html\">\n<!--  -->\n</MAP>\n";
    const MapReadResult r = MapMarkup::readFile(ansi);
    EXPECT_EQ(r.map.comment, QStringLiteral("Æble €"));
    EXPECT_EQ(r.map.areas, QList<MapArea>{kX});

    EXPECT_FALSE(MapFile::save(QDir(dir).filePath(QStringLiteral("none/m.map")), map, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("none"))) << error.toStdString();
    EXPECT_FALSE(MapFile::load(QDir(dir).filePath(QStringLiteral("missing.map")), &back, &error));
}

/// Reading damaged input never yields more areas than the text has AREA tags.
void expectBounded(const QByteArray &bytes)
{
    const MapReadResult r = MapMarkup::readFile(bytes);
    const qsizetype tags = bytes.count("<AREA");
    EXPECT_LE(r.map.areas.size() + r.problems, tags);
}

TEST(MapMarkupRobustness, EveryPrefixSeededByteFlipsAndHostileLines)
{
    const QByteArray whole = MapMarkup::fileBytes(example());
    for (qsizetype n = 0; n <= whole.size(); ++n)
        expectBounded(whole.left(n));

    QRandomGenerator random(17);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = whole;
        for (int flips = 1 + random.bounded(4); flips > 0; --flips)
            bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        expectBounded(bytes);
    }

    const QByteArray hostile[] = {
        "<MAP NAME=m><AREA SHAPE=RECT COORDS=10,10,50,60 HREF=x.html></MAP>",
        "<MAP NAME=\"m\"><AREA SHAPE=\"RECT\" COORDS=\"" + QByteArray(1 << 20, '9') + "\">",
        "<MAP NAME=\"m\"><AREA HREF=\"" + QByteArray(1 << 20, '"') + ">",
        QByteArray("<MAP\0NAME=\"m\"><AREA\0SHAPE=\"RECT\" COORDS=\"1,\0,3,4\">\0<!--\0-->", 49),
        "<MAP NAME=\"m\"><AREA SHAPE=\"CIRCLE\" COORDS=\"2147483647,0,2147483647\">",
        "<!--<!--<!--<AREA<AREA<<<>>>\"\"\"-->",
        // Found by the fuzz target: a name must follow the "<" directly.
        "<MAP NAME=\"n\">\n<AREA COORDS=\" 1 , 2 ,3,4\" HREP NAME=\"n\"><\nAREA COORDSF=\"p.html\">\n</MAP>\n",
    };
    for (const QByteArray &bytes : hostile)
        expectBounded(bytes);
    EXPECT_EQ(MapMarkup::read(QString::fromLatin1(hostile[0])).map.areas, QList<MapArea>{kX});
}

} // namespace
