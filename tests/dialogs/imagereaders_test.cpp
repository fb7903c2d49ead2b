#include "giflzw.h"
#include "imagereaders.h"
#include "testsandbox.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRandomGenerator>

#include <map>
#include <optional>
#include <gtest/gtest.h>

using lumaro::decodeGif;
using lumaro::readGifSize;
using lumaro::readJpegSize;

namespace {

// ---------------------------------------------------------------------------
// A small GIF writer for the tests: a straightforward LZW encoder (the
// dictionary as a map) and the block layout around it.

void putWord(QByteArray &out, int value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

/// Packs codes least significant bit first.
class BitWriter {
public:
    void put(int code, int bits)
    {
        m_buffer |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_bytes += char(m_buffer & 0xFF);
            m_buffer >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_bytes += char(m_buffer & 0xFF);
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_count = 0;
};

/// GIF LZW of the pixels: starts with a clear code, clears again when the
/// table is full, ends with the end code.
QByteArray lzwEncode(const QByteArray &pixels, int minCodeSize)
{
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    BitWriter writer;
    std::map<std::pair<int, int>, int> table;
    int codeSize = minCodeSize + 1;
    int next = clear + 2;
    writer.put(clear, codeSize);
    int current = -1;
    for (char p : pixels) {
        const int c = uchar(p);
        if (current < 0) {
            current = c;
            continue;
        }
        const auto it = table.find({current, c});
        if (it != table.end()) {
            current = it->second;
            continue;
        }
        writer.put(current, codeSize);
        table[{current, c}] = next++;
        // The reader defines each entry one code later than the writer, so
        // it widens its codes when the writer's next entry is one past the
        // limit.
        if (next - 1 == (1 << codeSize) && codeSize < 12)
            ++codeSize;
        if (next == 4096) {
            writer.put(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            next = clear + 2;
        }
        current = c;
    }
    if (current >= 0)
        writer.put(current, codeSize);
    writer.put(end, codeSize);
    return writer.finish();
}

QByteArray subBlocks(const QByteArray &data)
{
    QByteArray out;
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const QByteArray chunk = data.mid(i, 255);
        out += char(chunk.size());
        out += chunk;
    }
    out += char(0);
    return out;
}

QByteArray colorTable(const QList<QRgb> &colors)
{
    QByteArray out;
    for (QRgb c : colors) {
        out += char(qRed(c));
        out += char(qGreen(c));
        out += char(qBlue(c));
    }
    return out;
}

/// Table size field for a colour table of n entries (n a power of two).
int sizeField(int n)
{
    int field = 0;
    while ((2 << field) < n)
        ++field;
    return field;
}

struct GifLayout {
    int screenWidth = 0;
    int screenHeight = 0;
    QList<QRgb> globalColors;
    int background = 0;
    QByteArray extensions; ///< raw extension blocks before the image
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool interlaced = false;
    QList<QRgb> localColors;
    int minCodeSize = 2;
    QByteArray pixels; ///< in the order the file holds them (interlace passes)
};

QByteArray makeGif(const GifLayout &s)
{
    QByteArray gif = "GIF89a";
    putWord(gif, s.screenWidth);
    putWord(gif, s.screenHeight);
    gif += char(s.globalColors.isEmpty() ? 0 : (0x80 | 0x70 | sizeField(int(s.globalColors.size()))));
    gif += char(s.background);
    gif += char(0);
    gif += colorTable(s.globalColors);
    gif += s.extensions;
    gif += char(0x2C);
    putWord(gif, s.left);
    putWord(gif, s.top);
    putWord(gif, s.width);
    putWord(gif, s.height);
    int flags = s.interlaced ? 0x40 : 0;
    if (!s.localColors.isEmpty())
        flags |= 0x80 | sizeField(int(s.localColors.size()));
    gif += char(flags);
    gif += colorTable(s.localColors);
    gif += char(s.minCodeSize);
    gif += subBlocks(lzwEncode(s.pixels, s.minCodeSize));
    gif += char(0x3B);
    return gif;
}

const QList<QRgb> kFourColors = {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};

/// A picture with a recognisable value at every pixel.
QByteArray pattern(int width, int height, int colors)
{
    QByteArray pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels += char((x * 3 + y * 7 + (x * y) % 5) % colors);
    return pixels;
}

/// The rows of an interlaced picture in file order.
QByteArray interlace(const QByteArray &pixels, int width, int height)
{
    QByteArray out;
    const int starts[4] = {0, 4, 2, 1};
    const int steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = starts[pass]; y < height; y += steps[pass])
            out += pixels.mid(qsizetype(y) * width, width);
    return out;
}

int indexAt(const QImage &image, int x, int y) { return image.constScanLine(y)[x]; }

void expectPixels(const QImage &image, const QByteArray &pixels, int width, int height)
{
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    ASSERT_EQ(image.width(), width);
    ASSERT_EQ(image.height(), height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(indexAt(image, x, y), uchar(pixels[qsizetype(y) * width + x])) << x << "," << y;
}

// ---------------------------------------------------------------------------
// GIF decoding

TEST(GifDecoderTest, HandCheckedTwoByTwoPicture)
{
    // Codes (3 bits, then 4 after the table reaches 8): clear 4, 0, 1, 2, 3,
    // end 5, packed least significant bit first into 44 34 05.
    const QByteArray gif = QByteArray("GIF89a\x02\x00\x02\x00\x81\x00\x00", 13)
        + QByteArray("\x00\x00\x00\xff\x00\x00\x00\xff\x00\x00\x00\xff", 12)
        + QByteArray("\x2c\x00\x00\x00\x00\x02\x00\x02\x00\x00", 10)
        + QByteArray("\x02\x03\x44\x34\x05\x00\x3b", 7);
    const auto result = decodeGif(gif);
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.width, 2);
    EXPECT_EQ(result.height, 2);
    EXPECT_EQ(result.image.colorTable(), kFourColors);
    EXPECT_EQ(indexAt(result.image, 0, 0), 0);
    EXPECT_EQ(indexAt(result.image, 1, 0), 1);
    EXPECT_EQ(indexAt(result.image, 0, 1), 2);
    EXPECT_EQ(indexAt(result.image, 1, 1), 3);
    EXPECT_EQ(result.image.pixel(1, 1), qRgb(0, 0, 255));
}

TEST(GifDecoderTest, NonInterlacedPictureAgainstKnownPixels)
{
    GifLayout s;
    s.screenWidth = s.width = 13;
    s.screenHeight = s.height = 7;
    s.globalColors = kFourColors;
    s.pixels = pattern(13, 7, 4);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    EXPECT_EQ(result.image.colorTable(), kFourColors);
    expectPixels(result.image, s.pixels, 13, 7);
}

TEST(GifDecoderTest, InterlacedPictureIsWrittenInTheFourPasses)
{
    const QByteArray picture = pattern(5, 19, 4);
    GifLayout s;
    s.screenWidth = s.width = 5;
    s.screenHeight = s.height = 19;
    s.globalColors = kFourColors;
    s.interlaced = true;
    s.pixels = interlace(picture, 5, 19);
    ASSERT_NE(s.pixels, picture);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    expectPixels(result.image, picture, 5, 19);
}

TEST(GifDecoderTest, InterlacedPicturesOfEveryShortHeight)
{
    for (int height = 1; height <= 9; ++height) {
        const QByteArray picture = pattern(3, height, 4);
        GifLayout s;
        s.screenWidth = s.width = 3;
        s.screenHeight = s.height = height;
        s.globalColors = kFourColors;
        s.interlaced = true;
        s.pixels = interlace(picture, 3, height);
        const auto result = decodeGif(makeGif(s));
        ASSERT_TRUE(result.ok) << height;
        expectPixels(result.image, picture, 3, height);
    }
}

TEST(GifDecoderTest, LargeNoisyPictureFillsTheTableAndClears)
{
    QList<QRgb> colors;
    for (int i = 0; i < 256; ++i)
        colors.append(qRgb(i, 255 - i, (i * 37) % 256));
    QRandomGenerator random(7);
    QByteArray pixels;
    for (int i = 0; i < 300 * 200; ++i)
        pixels += char(random.bounded(i % 3 == 0 ? 256 : 16));
    GifLayout s;
    s.screenWidth = s.width = 300;
    s.screenHeight = s.height = 200;
    s.globalColors = colors;
    s.minCodeSize = 8;
    s.pixels = pixels;
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.colorCount(), 256);
    expectPixels(result.image, pixels, 300, 200);
}

TEST(GifDecoderTest, LongRunsUseCodesDefinedByTheirOwnUse)
{
    // One colour throughout: every new code is the one just being defined.
    GifLayout s;
    s.screenWidth = s.width = 400;
    s.screenHeight = s.height = 300;
    s.globalColors = kFourColors;
    s.pixels = QByteArray(400 * 300, char(2));
    const QByteArray gif = makeGif(s);
    EXPECT_LT(gif.size(), 2000);
    const auto result = decodeGif(gif);
    ASSERT_TRUE(result.ok);
    expectPixels(result.image, s.pixels, 400, 300);
}

TEST(GifDecoderTest, AgreesWithQtsOwnGifReader)
{
    if (!QImageReader::supportedImageFormats().contains("gif"))
        GTEST_SKIP() << "no GIF image format plugin";
    QList<QRgb> colors;
    for (int i = 0; i < 16; ++i)
        colors.append(qRgb(i * 16, 255 - i * 16, i * 5));
    QRandomGenerator random(99);
    QByteArray pixels;
    for (int i = 0; i < 64 * 48; ++i)
        pixels += char(i % 7 == 0 ? random.bounded(16) : (i / 64) % 16);
    GifLayout s;
    s.screenWidth = s.width = 64;
    s.screenHeight = s.height = 48;
    s.globalColors = colors;
    s.minCodeSize = 4;
    s.pixels = pixels;
    const QByteArray gif = makeGif(s);
    const QImage reference = QImage::fromData(gif, "GIF");
    ASSERT_FALSE(reference.isNull());
    const auto result = decodeGif(gif);
    ASSERT_TRUE(result.ok);
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(qRgb(qRed(result.image.pixel(x, y)), qGreen(result.image.pixel(x, y)), qBlue(result.image.pixel(x, y))),
                      qRgb(qRed(reference.pixel(x, y)), qGreen(reference.pixel(x, y)), qBlue(reference.pixel(x, y))))
                << x << "," << y;
}

TEST(GifDecoderTest, ExtensionBlocksBeforeThePictureAreSkipped)
{
    GifLayout s;
    s.screenWidth = s.width = 4;
    s.screenHeight = s.height = 3;
    s.globalColors = kFourColors;
    s.pixels = pattern(4, 3, 4);
    // Graphic control, comment (two sub-blocks), application extension.
    s.extensions = QByteArray("\x21\xf9\x04\x01\x00\x00\x02\x00", 8) + QByteArray("\x21\xfe\x03" "abc" "\x02" "de" "\x00", 10)
        + QByteArray("\x21\xff\x0b" "NETSCAPE2.0" "\x03\x01\x00\x00\x00", 19);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    expectPixels(result.image, s.pixels, 4, 3);
}

TEST(GifDecoderTest, SmallerImageIsPlacedOnTheLogicalScreen)
{
    GifLayout s;
    s.screenWidth = 100;
    s.screenHeight = 50;
    s.globalColors = kFourColors;
    s.background = 3;
    s.left = 10;
    s.top = 20;
    s.width = 3;
    s.height = 2;
    s.pixels = QByteArray("\x00\x01\x02\x02\x01\x00", 6);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.width, 100);
    EXPECT_EQ(result.height, 50);
    EXPECT_EQ(result.image.size(), QSize(100, 50));
    EXPECT_EQ(indexAt(result.image, 0, 0), 3) << "background";
    EXPECT_EQ(indexAt(result.image, 10, 20), 0);
    EXPECT_EQ(indexAt(result.image, 12, 20), 2);
    EXPECT_EQ(indexAt(result.image, 10, 21), 2);
    EXPECT_EQ(indexAt(result.image, 12, 21), 0);
    EXPECT_EQ(indexAt(result.image, 13, 21), 3);
    EXPECT_EQ(indexAt(result.image, 99, 49), 3);
}

TEST(GifDecoderTest, ImageReachingPastTheScreenIsCut)
{
    GifLayout s;
    s.screenWidth = 4;
    s.screenHeight = 3;
    s.globalColors = kFourColors;
    s.left = 2;
    s.top = 1;
    s.width = 5;
    s.height = 5;
    s.pixels = pattern(5, 5, 4);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.size(), QSize(4, 3));
    EXPECT_EQ(indexAt(result.image, 3, 2), uchar(s.pixels[1 * 5 + 1]));
}

TEST(GifDecoderTest, ImageColourTableColoursTheImage)
{
    const QList<QRgb> local = {qRgb(1, 2, 3), qRgb(4, 5, 6)};
    GifLayout s;
    s.screenWidth = s.width = 2;
    s.screenHeight = s.height = 1;
    s.globalColors = kFourColors;
    s.localColors = local;
    s.pixels = QByteArray("\x01\x00", 2);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.colorTable(), local);
    EXPECT_EQ(result.image.pixel(0, 0), qRgb(4, 5, 6));
}

TEST(GifDecoderTest, WithoutAnyColourTableTheImageIsGrey)
{
    GifLayout s;
    s.screenWidth = s.width = 2;
    s.screenHeight = s.height = 1;
    s.pixels = QByteArray("\x03\x01", 2);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.pixel(0, 0), qRgb(3, 3, 3));
}

TEST(GifDecoderTest, IndicesPastTheColourTableStillHaveAColour)
{
    GifLayout s;
    s.screenWidth = s.width = 2;
    s.screenHeight = s.height = 1;
    s.globalColors = {qRgb(9, 9, 9), qRgb(8, 8, 8)};
    s.minCodeSize = 3;
    s.pixels = QByteArray("\x00\x06", 2);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    EXPECT_GE(result.image.colorCount(), 7);
    EXPECT_EQ(result.image.pixel(1, 0), qRgb(0, 0, 0));
}

TEST(GifDecoderTest, ZeroScreenSizeTakesTheImageExtent)
{
    GifLayout s;
    s.globalColors = kFourColors;
    s.left = 1;
    s.width = 3;
    s.height = 2;
    s.pixels = pattern(3, 2, 4);
    const auto result = decodeGif(makeGif(s));
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.size(), QSize(4, 2));
    EXPECT_EQ(result.width, 4);
}

TEST(GifDecoderTest, FileWithoutAPictureGivesTheBackground)
{
    QByteArray gif = "GIF89a";
    putWord(gif, 3);
    putWord(gif, 2);
    gif += QByteArray("\x81\x02\x00", 3) + colorTable(kFourColors) + QByteArray("\x3b", 1);
    const auto result = decodeGif(gif);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.image.size(), QSize(3, 2));
    EXPECT_EQ(indexAt(result.image, 2, 1), 2);
}

struct BadGif {
    const char *name;
    QByteArray data;
    QString error;
};

class GifDecoderErrorTest : public ::testing::TestWithParam<BadGif> {};

TEST_P(GifDecoderErrorTest, FailsWithAClearMessage)
{
    const auto result = decodeGif(GetParam().data);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, GetParam().error);
    EXPECT_TRUE(result.image.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GifDecoderErrorTest,
    ::testing::Values(
        BadGif{"empty", QByteArray(), QStringLiteral("Not a .GIF file")},
        BadGif{"png", QByteArray("\x89PNG\r\n\x1a\n", 8), QStringLiteral("Not a .GIF file")},
        BadGif{"lowerCase", QByteArray("gif89a\x01\x00\x01\x00\x00\x00\x00", 13), QStringLiteral("Not a .GIF file")},
        BadGif{"twoLetters", QByteArray("GI"), QStringLiteral("Not a .GIF file")},
        BadGif{"headerCutShort", QByteArray("GIF89a\x01\x00", 8),
               QStringLiteral("The .GIF file is cut short in its header")},
        BadGif{"colourTableCutShort", QByteArray("GIF89a\x01\x00\x01\x00\x87\x00\x00\x01\x02\x03", 16),
               QStringLiteral("The .GIF file is cut short in its colour table")},
        BadGif{"noSizeAndNoPicture", QByteArray("GIF89a\x00\x00\x00\x00\x00\x00\x00\x3b", 14),
               QStringLiteral("The .GIF file holds no picture")},
        BadGif{"hugeScreen", QByteArray("GIF89a\xff\xff\xff\xff\x00\x00\x00\x3b", 14),
               QStringLiteral("The .GIF picture is too large (65535 x 65535 pixels)")},
        BadGif{"badCodeSize",
               QByteArray("GIF89a\x01\x00\x01\x00\x00\x00\x00\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00\x0c\x01\x00\x00\x3b", 28),
               QStringLiteral("The .GIF picture data are damaged")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GifDecoderTest, EveryTruncationDecodesOrFailsCleanly)
{
    GifLayout s;
    s.screenWidth = s.width = 30;
    s.screenHeight = s.height = 20;
    s.globalColors = kFourColors;
    s.interlaced = true;
    s.extensions = QByteArray("\x21\xfe\x03" "abc" "\x00", 7);
    s.pixels = interlace(pattern(30, 20, 4), 30, 20);
    const QByteArray gif = makeGif(s);
    for (qsizetype n = 0; n < gif.size(); ++n) {
        const auto result = decodeGif(gif.left(n));
        if (result.ok) {
            EXPECT_EQ(result.image.size(), QSize(30, 20)) << n;
        } else {
            EXPECT_FALSE(result.error.isEmpty()) << n;
        }
    }
    // Picture data cut in the middle: the rows that arrived are there.
    const qsizetype imageStart = gif.indexOf('\x2c');
    const auto partial = decodeGif(gif.left(imageStart + 10 + 1 + 1 + 40));
    ASSERT_TRUE(partial.ok);
    EXPECT_EQ(indexAt(partial.image, 1, 0), uchar(pattern(30, 20, 4)[1]));
}

TEST(GifDecoderTest, RandomBytesAfterTheHeaderNeverCrash)
{
    QRandomGenerator random(12);
    for (int round = 0; round < 500; ++round) {
        QByteArray gif = "GIF89a";
        putWord(gif, int(random.bounded(1, 64)));
        putWord(gif, int(random.bounded(1, 64)));
        const int length = int(random.bounded(0, 300));
        for (int i = 0; i < length; ++i)
            gif += char(random.bounded(256));
        const auto result = decodeGif(gif);
        if (result.ok)
            EXPECT_FALSE(result.image.isNull());
    }
}

TEST(GifLzwTest, StopsAtTheRequestedPixelCountAndAtImpossibleCodes)
{
    const QByteArray codes = lzwEncode(QByteArray(1000, char(1)), 2);
    EXPECT_EQ(lumaro::GifLzw::decode(codes, 2, 10), QByteArray(10, char(1)));
    EXPECT_EQ(lumaro::GifLzw::decode(codes, 2, 5000).size(), 1000);
    // After clear (4) a code past the table (7) cannot occur.
    BitWriter writer;
    writer.put(4, 3);
    writer.put(1, 3);
    writer.put(7, 3);
    writer.put(1, 3);
    EXPECT_EQ(lumaro::GifLzw::decode(writer.finish(), 2, 100), QByteArray(1, char(1)));
    EXPECT_TRUE(lumaro::GifLzw::decode(codes, 0, 100).isEmpty());
    EXPECT_TRUE(lumaro::GifLzw::decode(codes, 9, 100).isEmpty());
}

// ---------------------------------------------------------------------------
// Size readers

class ImageSizeTest : public ::testing::Test {
protected:
    void SetUp() override { m_dir = lumaro::test::TestSandbox::makeDir(QStringLiteral("imagesizes")); }
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = QDir(m_dir).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString m_dir;
};

TEST_F(ImageSizeTest, GifSizeIsTheLogicalScreenWhateverTheFirstImage)
{
    GifLayout s;
    s.screenWidth = 100;
    s.screenHeight = 50;
    s.globalColors = kFourColors;
    s.width = 10;
    s.height = 10;
    s.pixels = pattern(10, 10, 4);
    int width = 0;
    int height = 0;
    readGifSize(write(QStringLiteral("a.gif"), makeGif(s)), width, height);
    EXPECT_EQ(width, 100);
    EXPECT_EQ(height, 50);
}

TEST_F(ImageSizeTest, GifSizeNeedsGifInTheFirstSixBytes)
{
    int width = 0;
    int height = 0;
    readGifSize(write(QStringLiteral("b.gif"), QByteArray("xGIF8a\x20\x01\x10\x00", 10)), width, height);
    EXPECT_EQ(width, 0x120);
    EXPECT_EQ(height, 0x10);
}

TEST_F(ImageSizeTest, GifSizeLeavesTheSizeAloneForOtherFiles)
{
    struct Case {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {{"notGif", QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\x0d", 12)},
                          {"empty", QByteArray()},
                          {"cutInTheSize", QByteArray("GIF89a\x64\x00\x32", 9)},
                          {"gifAfterTheSignature", QByteArray("abcdefGIF\x00\x00\x00", 12)}};
    for (const Case &c : cases) {
        int width = 7;
        int height = 8;
        readGifSize(write(QString::fromLatin1(c.name), c.bytes), width, height);
        EXPECT_EQ(width, 7) << c.name;
        EXPECT_EQ(height, 8) << c.name;
    }
    int width = 7;
    int height = 8;
    readGifSize(QDir(m_dir).filePath(QStringLiteral("missing.gif")), width, height);
    EXPECT_EQ(width, 7);
    EXPECT_EQ(height, 8);
}

/// A JPEG start: SOI, an APP0 segment with the given identifier, then a
/// baseline frame header for the given size.
QByteArray jpegHead(const QByteArray &identifier, int width, int height, int padding = 0)
{
    QByteArray jpeg("\xff\xd8\xff\xe0\x00\x10", 6);
    jpeg += identifier;
    jpeg += QByteArray("\x00\x01\x01\x00\x00\x48\x00\x48\x00\x00", 10);
    jpeg += QByteArray(padding, '\x11');
    jpeg += QByteArray("\xff\xc0\x00\x11\x08", 5);
    jpeg += char(height >> 8);
    jpeg += char(height & 0xFF);
    jpeg += char(width >> 8);
    jpeg += char(width & 0xFF);
    jpeg += QByteArray("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    jpeg += QByteArray(300, '\x00');
    return jpeg;
}

TEST_F(ImageSizeTest, JpegWithJfifGivesItsFrameSize)
{
    int width = 0;
    int height = 0;
    bool jfif = false;
    readJpegSize(write(QStringLiteral("a.jpg"), jpegHead("JFIF", 640, 480)), width, height, jfif);
    EXPECT_TRUE(jfif);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);

    readJpegSize(write(QStringLiteral("b.jpg"), jpegHead("JFIF", 0x1234, 0x0102)), width, height, jfif);
    EXPECT_EQ(width, 0x1234);
    EXPECT_EQ(height, 0x0102);
}

TEST_F(ImageSizeTest, JpegWithoutJfifGivesNoSize)
{
    int width = 5;
    int height = 6;
    bool jfif = true;
    readJpegSize(write(QStringLiteral("exif.jpg"), jpegHead("Exif", 640, 480)), width, height, jfif);
    EXPECT_FALSE(jfif);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 6);
}

TEST_F(ImageSizeTest, JpegMarkMustBeTheFirstJf)
{
    int width = 5;
    int height = 6;
    bool jfif = true;
    QByteArray jpeg = jpegHead("JFXX", 640, 480);
    jpeg.replace(40, 4, "JFIF"); // a later mark does not count
    readJpegSize(write(QStringLiteral("jfxx.jpg"), jpeg), width, height, jfif);
    EXPECT_FALSE(jfif);
    EXPECT_EQ(width, 5);
}

TEST_F(ImageSizeTest, JpegFrameHeaderPastTheBytesReadGivesNoSize)
{
    // The start-of-frame byte at 250: its size bytes would lie at 254..257.
    const QByteArray jpeg = jpegHead("JFIF", 640, 480, 250 - 21);
    ASSERT_EQ(uchar(jpeg[250]), 0xC0);
    int width = 5;
    int height = 6;
    bool jfif = false;
    readJpegSize(write(QStringLiteral("late.jpg"), jpeg), width, height, jfif);
    EXPECT_TRUE(jfif);
    EXPECT_EQ(width, 5);
    EXPECT_EQ(height, 6);

    // The last position whose frame header fits in the 255 bytes read.
    const QByteArray fits = jpegHead("JFIF", 640, 480, 247 - 21);
    ASSERT_EQ(uchar(fits[247]), 0xC0);
    readJpegSize(write(QStringLiteral("fits.jpg"), fits), width, height, jfif);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
}

TEST_F(ImageSizeTest, TruncatedJpegGivesNoSize)
{
    const QByteArray full = jpegHead("JFIF", 640, 480);
    for (int n = 0; n <= 28; ++n) {
        int width = 5;
        int height = 6;
        bool jfif = false;
        readJpegSize(write(QStringLiteral("cut.jpg"), full.left(n)), width, height, jfif);
        EXPECT_EQ(width, 5) << n;
        EXPECT_EQ(height, 6) << n;
    }
    int width = 5;
    int height = 6;
    bool jfif = true;
    readJpegSize(QDir(m_dir).filePath(QStringLiteral("missing.jpg")), width, height, jfif);
    EXPECT_FALSE(jfif);
    EXPECT_EQ(width, 5);
}

} // namespace
