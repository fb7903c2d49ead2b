#include "textfile.h"
#include "testsandbox.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {
QByteArray readAll(const QString &name)
{
    QFile f(name);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}
void writeBytes(const QString &name, const QByteArray &bytes)
{
    QFile f(name);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}
} // namespace

TEST(TextFile, ValidUtf8IsReadAsUtf8)
{
    const QString dir = test::TestSandbox::makeDir("utf8");
    writeBytes(dir + "/a.html", "caf\xc3\xa9\r\n");
    const TextFileResult r = TextFile::read(dir + "/a.html");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.format.encoding, TextEncoding::Utf8);
    EXPECT_EQ(r.text, QString::fromUtf8("caf\xc3\xa9\r\n"));
}

TEST(TextFile, InvalidUtf8IsReadAsWindows1252)
{
    const QString dir = test::TestSandbox::makeDir("cp1252");
    writeBytes(dir + "/a.html", "caf\xe9 \x80 \x93x\x94");
    const TextFileResult r = TextFile::read(dir + "/a.html");
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.format.encoding, TextEncoding::Windows1252);
    EXPECT_EQ(r.text, QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9cx\xe2\x80\x9d"));
}

TEST(TextFile, SavesInTheReadEncodingWithCrLf)
{
    const QString dir = test::TestSandbox::makeDir("save");
    QString error;
    ASSERT_TRUE(TextFile::write(dir + "/u.html", QString::fromUtf8("a\nb\r\nc\rd\xc3\xa9"),
                                TextEncoding::Utf8, &error));
    EXPECT_EQ(readAll(dir + "/u.html"), QByteArray("a\r\nb\r\nc\r\nd\xc3\xa9"));
    ASSERT_TRUE(TextFile::write(dir + "/w.html", QString::fromUtf8("\xe2\x82\xac\xc3\xa9\n"),
                                TextEncoding::Windows1252, &error));
    EXPECT_EQ(readAll(dir + "/w.html"), QByteArray("\x80\xe9\r\n"));
}

TEST(TextFile, FailedWriteLeavesTheOldFileAndSaysWhy)
{
    const QString dir = test::TestSandbox::makeDir("fail");
    QString error;
    EXPECT_FALSE(TextFile::write(dir + "/missing-dir/x.html", "x", TextEncoding::Utf8, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(dir + "/missing-dir/x.html"));
}

TEST(TextFile, MissingFileGivesAReason)
{
    const TextFileResult r = TextFile::read(test::TestSandbox::root() + "/no-such-file.html");
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
}

TEST(TextFile, Windows1252RoundTripOfEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    bool lossless = false;
    EXPECT_EQ(TextFile::toWindows1252(TextFile::fromWindows1252(all), &lossless), all);
    EXPECT_TRUE(lossless);
    TextFile::toWindows1252(QString::fromUtf8("\xe2\x98\x83"), &lossless);
    EXPECT_FALSE(lossless);
}

namespace {

struct FormatCase {
    const char *bytes;
    bool mark;
    bool finalBreak;
    TextEncoding encoding;
    const char *textUtf8;
};

// What a file holds besides its characters.
const FormatCase kFormats[] = {
    {"a\r\n", false, true, TextEncoding::Utf8, "a\r\n"},
    {"a\n", false, true, TextEncoding::Utf8, "a\n"},
    {"a\r", false, true, TextEncoding::Utf8, "a\r"},
    {"a", false, false, TextEncoding::Utf8, "a"},
    {"", false, false, TextEncoding::Utf8, ""},
    {"\xEF\xBB\xBF" "a\r\n", true, true, TextEncoding::Utf8, "a\r\n"},
    {"\xEF\xBB\xBF", true, false, TextEncoding::Utf8, ""},
    // Only the first mark is the file's; a second one is text.
    {"\xEF\xBB\xBF\xEF\xBB\xBFx", true, false, TextEncoding::Utf8, "\xEF\xBB\xBFx"},
    {"\xEF\xBB\xBF\xe9", false, false, TextEncoding::Windows1252, "\xC3\xAF\xC2\xBB\xC2\xBF\xC3\xA9"},
    {"caf\xe9\r\n\r\n", false, true, TextEncoding::Windows1252, "caf\xC3\xA9\r\n\r\n"},
};

} // namespace

TEST(TextFile, DecodeTellsTheFormatAndEncodeWritesItBack)
{
    for (const FormatCase &c : kFormats) {
        const QByteArray bytes(c.bytes);
        FileFormat format;
        const QString text = TextFile::decode(bytes, &format);
        // Decoded keeping a leading mark: the expected text may begin with one.
        QStringDecoder expected(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        EXPECT_EQ(text, QString(expected.decode(QByteArray(c.textUtf8)))) << c.bytes;
        EXPECT_EQ(format.byteOrderMark, c.mark) << c.bytes;
        EXPECT_EQ(format.finalLineBreak, c.finalBreak) << c.bytes;
        EXPECT_EQ(format.encoding, c.encoding) << c.bytes;
        EXPECT_EQ(TextFile::encode(text, format), TextFile::encode(TextFile::toCrLf(text), format)) << c.bytes;
        if (!bytes.contains('\n') && !bytes.contains('\r'))
            EXPECT_EQ(TextFile::encode(text, format), bytes) << c.bytes;
    }
}

TEST(TextFile, APageTextGetsItsFinalLineBreakBack)
{
    FileFormat format;
    EXPECT_EQ(format.fileText(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
    format.finalLineBreak = true;
    EXPECT_EQ(format.fileText(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb\r\n"));
    EXPECT_EQ(format.fileText(QString()), QStringLiteral("\r\n"));
}
