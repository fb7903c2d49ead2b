#include "editortesthelpers.h"

#include "scriptedinteraction.h"
#include "textfile.h"

#include <QApplication>
#include <QFile>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

using namespace lumaro;
using namespace lumaro::test;

class ReplaceSelectionTest : public EditorFixture {
protected:
    thtmlrichedit editor;
};

TEST_F(ReplaceSelectionTest, BothTagsAreColouredAndTheCaretEndsAfterThem)
{
    colouring(true);
    load(editor, QStringLiteral("ab"));
    editor.setCaretPosition(1);
    editor.replaceSelection(QStringLiteral("<B></B>"));
    EXPECT_EQ(editor.text(), QStringLiteral("a<B></B>b"));
    EXPECT_TRUE(allColored(editor, 1, 8, kBlue));
    EXPECT_TRUE(allPlain(editor, 0, 1));
    EXPECT_TRUE(allPlain(editor, 8, 9));
    EXPECT_EQ(editor.caretPosition(), 8);
    EXPECT_TRUE(editor.isModified());
    EXPECT_TRUE(thtmlrichedit::typingMarks().attrResetPending);
}

TEST_F(ReplaceSelectionTest, ReplacesTheSelectionWithUncolouredText)
{
    colouring(true);
    load(editor, QStringLiteral("x<OLD>y"));
    editor.setSelection(1, 5);
    editor.replaceSelection(QStringLiteral("new"));
    EXPECT_EQ(editor.text(), QStringLiteral("xnewy"));
    EXPECT_TRUE(allPlain(editor, 0, 5));
    EXPECT_EQ(editor.caretPosition(), 4);
}

// Colours are shown, not stored: a tag shows the colour settings in force
// when the page is next changed through a command.
TEST_F(ReplaceSelectionTest, PlainTextLeavesTheTagAfterItWithTheSettingsInForce)
{
    colouring(true);
    tregini().writecolorindex(QStringLiteral("all"), 9);
    load(editor, QStringLiteral("<B>"));
    EXPECT_TRUE(allColored(editor, 0, 3, kRed));
    tregini().writecolorindex(QStringLiteral("all"), 2);
    editor.setCaretPosition(0);
    editor.replaceSelection(QStringLiteral("text "));
    EXPECT_TRUE(allPlain(editor, 0, 5));
    EXPECT_TRUE(allColored(editor, 5, 8, kGreen));
}

TEST_F(ReplaceSelectionTest, TagClosedAfterTheInsertedTextIsColouredToItsEnd)
{
    colouring(true);
    load(editor, QStringLiteral(" HREF=x>link"));
    editor.replaceSelection(QStringLiteral("<A"));
    EXPECT_TRUE(allColored(editor, 0, 10, kBlue));
    EXPECT_TRUE(allPlain(editor, 10, 14));
    EXPECT_EQ(editor.caretPosition(), 2);
}

TEST_F(ReplaceSelectionTest, StrayClosingBracketDoesNotColourTheTextBeforeATag)
{
    colouring(true);
    editor.replaceSelection(QStringLiteral("x > y <B>"));
    EXPECT_TRUE(allPlain(editor, 0, 6));
    EXPECT_TRUE(allColored(editor, 6, 9, kBlue));
}

TEST_F(ReplaceSelectionTest, LineBreaksOfAnyKindAndNoColouringWhenOff)
{
    editor.replaceSelection(QStringLiteral("<P>\r\na\nb\rc"));
    EXPECT_EQ(editor.text(), QStringLiteral("<P>\r\na\r\nb\r\nc"));
    EXPECT_TRUE(allPlain(editor, 0, 3));
    EXPECT_EQ(editor.caretPosition(), 9);
}

TEST_F(ReplaceSelectionTest, AddressEndTagShowsAsOnLoad)
{
    colouring(true);
    tregini store;
    store.writecolorindex(QStringLiteral("anchor"), 9);
    store.writecolorindex(QStringLiteral("all"), 2);
    editor.replaceSelection(QStringLiteral("</ADDRESS></A><B>"));
    EXPECT_TRUE(allColored(editor, 0, 14, kRed));
    EXPECT_TRUE(allColored(editor, 14, 17, kGreen));
}

TEST_F(ReplaceSelectionTest, AttributesFollowTheClassWhenSwitchedOn)
{
    colouring(true, true);
    tregini().writefontattrindex(QStringLiteral("image"), 4);
    editor.replaceSelection(QStringLiteral("<IMG SRC=x><P>"));
    const CharLook img = lookOf(formatAt(editor, 0));
    EXPECT_TRUE(img.bold);
    EXPECT_TRUE(img.italic);
    EXPECT_FALSE(img.underline);
    EXPECT_FALSE(boldAt(editor, 11));
}

class ColorTest : public EditorFixture {
protected:
    thtmlrichedit editor;
};

TEST_F(ColorTest, RecoloursEveryTagAndKeepsTheModifiedFlagAndCaret)
{
    load(editor, QStringLiteral("<B>x</B>\r\n<A HREF=y>z</A>"));
    colouring(true);
    tregini().writecolorindex(QStringLiteral("anchor"), 9);
    editor.setCaretPosition(5);
    editor.color();
    EXPECT_TRUE(allColored(editor, 0, 3, kBlue));
    EXPECT_TRUE(allPlain(editor, 3, 4));
    EXPECT_TRUE(allColored(editor, 4, 8, kBlue));
    EXPECT_TRUE(allColored(editor, 9, 19, kRed));
    EXPECT_TRUE(allColored(editor, 20, 24, kRed));
    EXPECT_FALSE(editor.isModified());
    EXPECT_EQ(editor.caretPosition(), 5);
}

// A ">" after a closed tag is text, as in the colouring file.
TEST_F(ColorTest, ClosingBracketAfterATagIsText)
{
    load(editor, QStringLiteral("<B>a>b"));
    colouring(true);
    editor.color();
    EXPECT_TRUE(allColored(editor, 0, 3, kBlue));
    EXPECT_TRUE(allPlain(editor, 3, 6));
}

TEST_F(ColorTest, ClosingBracketBeforeAnyTagIsSkipped)
{
    load(editor, QStringLiteral("x > y <B>"));
    colouring(true);
    editor.color();
    EXPECT_TRUE(allPlain(editor, 0, 6));
    EXPECT_TRUE(allColored(editor, 6, 9, kBlue));
}

TEST_F(ColorTest, DoesNothingWithColouringOffAndShowsTheSettingsWhenOn)
{
    load(editor, QStringLiteral("</ADDRESS>"));
    editor.color();
    EXPECT_TRUE(allPlain(editor, 0, 10));
    colouring(true);
    tregini store;
    store.writecolorindex(QStringLiteral("anchor"), 9);
    store.writecolorindex(QStringLiteral("all"), 2);
    editor.color();
    EXPECT_TRUE(allColored(editor, 0, 10, kRed));
}

TEST_F(ColorTest, AddressEndTagTakesTheAnchorColourAndStyle)
{
    load(editor, QStringLiteral("</ADDRESS> <B>"));
    colouring(true, true);
    tregini store;
    store.writecolorindex(QStringLiteral("anchor"), 9);
    store.writefontattrindex(QStringLiteral("anchor"), 1);
    store.writecolorindex(QStringLiteral("all"), 2);
    store.writefontattrindex(QStringLiteral("all"), 0);
    editor.color();
    EXPECT_TRUE(allColored(editor, 0, 10, kRed));
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(boldAt(editor, i)) << i;
    EXPECT_TRUE(allColored(editor, 11, 14, kGreen));
    EXPECT_FALSE(boldAt(editor, 12));
}

TEST_F(ColorTest, ResetFormatsThenColourGivesACleanRecolour)
{
    colouring(true, true);
    tregini().writefontattrindex(QStringLiteral("all"), 1);
    load(editor, QStringLiteral("<B>x"));
    ASSERT_TRUE(boldAt(editor, 0));
    tregini().writeusefontattr(false);
    tregini().writecolorindex(QStringLiteral("all"), 9);
    editor.resetFormats();
    EXPECT_FALSE(boldAt(editor, 0));
    editor.color();
    EXPECT_TRUE(allColored(editor, 0, 3, kRed));
    EXPECT_FALSE(boldAt(editor, 0));
    EXPECT_FALSE(editor.isModified());
}

class CursorHereTest : public EditorFixture {};

TEST_F(CursorHereTest, MarkerIsRemovedAndTheCaretLeftThere)
{
    thtmlrichedit editor;
    load(editor, QStringLiteral("<BODY>\r\n<CursorHere>\r\n</BODY>"));
    editor.cursorhere();
    EXPECT_EQ(editor.text(), QStringLiteral("<BODY>\r\n\r\n</BODY>"));
    EXPECT_EQ(editor.caretPosition(), 7);
}

TEST_F(CursorHereTest, MarkerRightAfterAWordIsFoundFromTheCaret)
{
    thtmlrichedit editor;
    load(editor, QStringLiteral("<CursorHere>Hello<CursorHere>"));
    editor.setCaretPosition(1);
    editor.cursorhere();
    EXPECT_EQ(editor.text(), QStringLiteral("<CursorHere>Hello"));
    EXPECT_EQ(editor.caretPosition(), 17);
}

TEST_F(CursorHereTest, TextWithoutTheMarkerIsKept)
{
    thtmlrichedit editor;
    load(editor, QStringLiteral("<BODY><cursorhere></BODY>"));
    editor.cursorhere();
    EXPECT_EQ(editor.text(), QStringLiteral("<BODY><cursorhere></BODY>"));
    EXPECT_FALSE(editor.isModified());
}

class ReplaceTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        setInteraction(&scripted);
    }
    void TearDown() override { setInteraction(nullptr); }

    static QString writeFile(const QString &dir, const QString &name, const QByteArray &bytes)
    {
        const QString path = dir + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    static QByteArray readFile(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    /// A project list image: 256-byte header, then one 257-byte record per path.
    static QByteArray projectList(const QStringList &paths)
    {
        QByteArray image(256, '\0');
        image[0] = 7;
        image.replace(1, 7, "web.lmp");
        for (const QString &path : paths) {
            const QByteArray name = TextFile::toWindows1252(path);
            QByteArray rec(257, '\0');
            rec[0] = char(name.size());
            rec.replace(1, name.size(), name);
            rec[256] = 1;
            image += rec;
        }
        return image;
    }

    ScriptedInteraction scripted;
    thtmlrichedit editor;
};

TEST_F(ReplaceTest, ReplacementContainingTheFindTextDoesNotLoop)
{
    load(editor, QStringLiteral("a a\r\na"));
    editor.setCaretPosition(2);
    const int n = editor.replace(false, true, false, false, false, true, QStringLiteral("a"), QStringLiteral("aa"));
    EXPECT_EQ(n, 3);
    EXPECT_EQ(editor.text(), QStringLiteral("aa aa\r\naa"));
    EXPECT_EQ(editor.caretPosition(), 8);  // the line break counts one
    EXPECT_TRUE(editor.isModified());
}

TEST_F(ReplaceTest, FromTheCaretWithoutEntireScopeAndWithCaseAndWord)
{
    load(editor, QStringLiteral("<TD>td <td> TD"));
    editor.setCaretPosition(1);
    EXPECT_EQ(editor.replace(true, false, false, false, true, false, QStringLiteral("td"), QStringLiteral("TH")), 4);
    EXPECT_EQ(editor.text(), QStringLiteral("<TH>TH <TH> TH"));
    load(editor, QStringLiteral("TD td"));
    EXPECT_EQ(editor.replace(false, true, false, false, false, true, QStringLiteral("td"), QStringLiteral("x")), 1);
    EXPECT_EQ(editor.text(), QStringLiteral("TD x"));
    // Without entire scope the text before the caret stays.
    load(editor, QStringLiteral("ab ab ab"));
    editor.setCaretPosition(3);
    EXPECT_EQ(editor.replace(false, true, false, false, true, false, QStringLiteral("ab"), QStringLiteral("X")), 2);
    EXPECT_EQ(editor.text(), QStringLiteral("ab X X"));
    EXPECT_EQ(editor.caretPosition(), 6);
}

TEST_F(ReplaceTest, NothingFoundWithEntireScopeLeavesTheCaretAtTheStart)
{
    load(editor, QStringLiteral("abc"));
    editor.setCaretPosition(2);
    EXPECT_EQ(editor.replace(false, true, false, false, false, true, QStringLiteral("x"), QStringLiteral("y")), 0);
    EXPECT_EQ(editor.caretPosition(), 0);
    EXPECT_FALSE(editor.isModified());
}

TEST_F(ReplaceTest, EmptyFindTextReplacesNothing)
{
    load(editor, QStringLiteral("abc"));
    EXPECT_EQ(editor.replace(false, false, false, false, false, true, QString(), QStringLiteral("x")), 0);
    EXPECT_EQ(editor.text(), QStringLiteral("abc"));
    EXPECT_FALSE(editor.isModified());
}

TEST_F(ReplaceTest, ReplacementsComeInUncolouredAndLineBreaksWork)
{
    colouring(true);
    load(editor, QStringLiteral("<B>x</B>"));
    EXPECT_EQ(editor.replace(false, true, false, false, false, true, QStringLiteral("x"), QStringLiteral("1\r\n2")), 1);
    EXPECT_EQ(editor.text(), QStringLiteral("<B>1\r\n2</B>"));
    EXPECT_TRUE(allColored(editor, 0, 3, kBlue));
    EXPECT_TRUE(allPlain(editor, 3, 6));
    EXPECT_TRUE(allColored(editor, 6, 10, kBlue));
}

TEST_F(ReplaceTest, WholeProjectChangesTheFilesOnDiskAndSkipsUntitledPages)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("project"));
    const QString a = writeFile(dir, QStringLiteral("a.html"), "<P>old</P>\nold\n");
    const QString b = writeFile(dir, QStringLiteral("b.htm"), "caf\xE9 old");  // Windows-1252
    const QString c = writeFile(dir, QStringLiteral("c.html"), "nothing here\n");
    load(editor, QStringLiteral("old page"));
    const int n = editor.replace(false, true, false, true, false, true, QStringLiteral("old"), QStringLiteral("new"),
                                 projectList({a, QStringLiteral("Untitled 2"), b, c}));
    EXPECT_EQ(n, 3);
    EXPECT_FALSE(editor.replaceFailed());
    EXPECT_EQ(readFile(a), QByteArray("<P>new</P>\r\nnew\r\n"));
    EXPECT_EQ(readFile(b), QByteArray("caf\xE9 new"));
    EXPECT_EQ(readFile(c), QByteArray("nothing here\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("old page"));
    EXPECT_TRUE(scripted.messages.isEmpty());
}

TEST_F(ReplaceTest, WholeProjectStopsAtAFileItCannotRead)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("project"));
    const QString a = writeFile(dir, QStringLiteral("a.html"), "x");
    const QString missing = dir + QStringLiteral("/gone.html");
    const QString b = writeFile(dir, QStringLiteral("b.html"), "x");
    EXPECT_EQ(editor.replace(false, true, false, true, false, true, QStringLiteral("x"), QStringLiteral("y"),
                             projectList({a, missing, b})),
              1);
    EXPECT_TRUE(editor.replaceFailed());
    EXPECT_EQ(readFile(a), QByteArray("y"));
    EXPECT_EQ(readFile(b), QByteArray("x"));
    ASSERT_EQ(scripted.messages.size(), 1);
    EXPECT_TRUE(scripted.lastMessage().contains(QStringLiteral("gone.html")));
}

TEST_F(ReplaceTest, WholeProjectStopsAtAFileItCannotWrite)
{
    // A file that can be read but never written, even by the superuser.
    const QString unwritable = QStringLiteral("/proc/version");
    if (!QFile(unwritable).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no " << unwritable.toStdString();
    const QString dir = TestSandbox::makeDir(QStringLiteral("project"));
    const QString a = writeFile(dir, QStringLiteral("a.html"), "Linux");
    const QString b = writeFile(dir, QStringLiteral("b.html"), "Linux");
    editor.replace(false, true, false, true, false, true, QStringLiteral("Linux"), QStringLiteral("X"),
                   projectList({a, unwritable, b}));
    EXPECT_TRUE(editor.replaceFailed());
    EXPECT_EQ(readFile(a), QByteArray("X"));
    EXPECT_EQ(readFile(b), QByteArray("Linux"));
    ASSERT_EQ(scripted.messages.size(), 1);
    EXPECT_TRUE(scripted.lastMessage().contains(unwritable));
}

class DropTest : public ReplaceTest {
protected:
    void SetUp() override
    {
        ReplaceTest::SetUp();
        dir = TestSandbox::makeDir(QStringLiteral("drop"));
    }
    QString dir;
};

namespace {

QByteArray gif100x50()
{
    // Logical screen 100 x 50; the first image is smaller.
    QByteArray gif("GIF89a");
    gif += QByteArray::fromHex("64003200" "00" "00" "00");
    gif += QByteArray::fromHex("2c" "00000000" "0a000a00" "00" "02" "00" "3b");
    return gif;
}

QByteArray jpeg(bool withJfif)
{
    QByteArray j = QByteArray::fromHex("ffd8ffe00010");
    j += withJfif ? QByteArray("JFIF") : QByteArray("Exif");
    j += QByteArray::fromHex("0001010000010001" "0000");
    // Start of frame: length 17, precision 8, height 48, width 64.
    j += QByteArray::fromHex("ffc0" "0011" "08" "0030" "0040" "03");
    j += QByteArray(40, '\0');
    return j;
}

} // namespace

TEST_F(DropTest, GifPictureBecomesAnImageTagWithItsSize)
{
    load(editor, QString());
    editor.dropFile(writeFile(dir, QStringLiteral("PIC.GIF"), gif100x50()));
    EXPECT_EQ(editor.text(), QStringLiteral("<IMG SRC=\"PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0>"));
}

TEST_F(DropTest, JpegPictureWithAndWithoutJfif)
{
    load(editor, QString());
    editor.dropFile(writeFile(dir, QStringLiteral("photo.jpg"), jpeg(true)));
    EXPECT_EQ(editor.text(), QStringLiteral("<IMG SRC=\"photo.jpg\" WIDTH=64 HEIGHT=48 BORDER=0>"));
    load(editor, QString());
    editor.dropFile(writeFile(dir, QStringLiteral("exif.JPG"), jpeg(false)));
    EXPECT_EQ(editor.text(), QStringLiteral("<IMG SRC=\"exif.JPG\" BORDER=0>"));
}

TEST_F(DropTest, PictureInAnOpenProjectUsesThePathToUrlConversion)
{
    QString converted;
    editor.setProjectPathProvider([] { return QStringLiteral("/web/site.lmp"); });
    editor.setPathToUrl([&converted](const QString &path) {
        converted = path;
        return QStringLiteral("images/PIC.GIF");
    });
    const QString pic = writeFile(dir, QStringLiteral("PIC.GIF"), gif100x50());
    editor.dropFile(pic);
    EXPECT_EQ(converted, pic);
    EXPECT_EQ(editor.text(), QStringLiteral("<IMG SRC=\"images/PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0>"));
    // Without an open project the file name is used.
    load(editor, QString());
    editor.setProjectPathProvider([] { return QString(); });
    editor.dropFile(pic);
    EXPECT_EQ(editor.text(), QStringLiteral("<IMG SRC=\"PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0>"));
}

TEST_F(DropTest, InternetShortcutBecomesALinkWithTheTitleSelected)
{
    colouring(true);
    load(editor, QStringLiteral("ab"));
    editor.setCaretPosition(1);
    editor.dropFile(writeFile(dir, QStringLiteral("Home.url"), "[InternetShortcut]\r\nURL=page2.html\r\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("a<A HREF=\"page2.html\">Home</A>b"));
    EXPECT_EQ(editor.selText(), QStringLiteral("Home"));
    EXPECT_TRUE(allColored(editor, 1, 22, kBlue));
    EXPECT_TRUE(allPlain(editor, 22, 26));
    EXPECT_TRUE(allColored(editor, 26, 30, kBlue));
}

TEST_F(DropTest, ShortcutWithoutAUrlInsertsNothingAndSaysSo)
{
    load(editor, QStringLiteral("ab"));
    editor.dropFile(writeFile(dir, QStringLiteral("Bad.url"), "[InternetShortcut]\r\n"));
    EXPECT_EQ(editor.text(), QStringLiteral("ab"));
    ASSERT_EQ(scripted.messages.size(), 1);
    EXPECT_TRUE(scripted.lastMessage().contains(QStringLiteral("Bad.url")));
}

TEST_F(DropTest, OtherFilesOpenAsPagesAndProjectsGoToTheProjectDrop)
{
    QSignalSpy open(&editor, &thtmlrichedit::openFileRequested);
    QSignalSpy project(&editor, &thtmlrichedit::projectFileDropped);
    load(editor, QStringLiteral("ab"));
    const QString text = writeFile(dir, QStringLiteral("Notes.TXT"), "hello");
    editor.dropFile(text);
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.first().first().toString(), text);
    const QString lmp = writeFile(dir, QStringLiteral("Site.LMP"), QByteArray(256, '\0'));
    editor.dropFile(lmp);
    ASSERT_EQ(project.size(), 1);
    EXPECT_EQ(project.first().first().toString(), lmp);
    EXPECT_EQ(editor.text(), QStringLiteral("ab"));
}

TEST_F(DropTest, DropEventUsesTheFirstFileOnly)
{
    editor.resize(300, 200);
    editor.show();
    load(editor, QString());
    QSignalSpy open(&editor, &thtmlrichedit::openFileRequested);
    const QString pic = writeFile(dir, QStringLiteral("PIC.GIF"), gif100x50());
    const QString other = writeFile(dir, QStringLiteral("b.html"), "x");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(pic), QUrl::fromLocalFile(other)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.viewport(), &drop);
    EXPECT_EQ(editor.text(), QStringLiteral("<IMG SRC=\"PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0>"));
    EXPECT_TRUE(open.isEmpty());
}

class ApplySettingsTest : public EditorFixture {};

TEST_F(ApplySettingsTest, WordWrapAndFontComeFromTheSettingsAndTheFlagIsKept)
{
    colouring(true);
    thtmlrichedit editor;
    load(editor, QStringLiteral("<B>x"));
    editor.setModified(true);
    editor.setSelection(0, 2);
    tregini store;
    store.writewordwrap(true);
    store.writefontname(QStringLiteral("DejaVu Sans Mono"));
    store.writefontsize(16);
    editor.applySettings();
    EXPECT_EQ(editor.lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(editor.defaultAttributes().face, QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(editor.defaultAttributes().pointSize, 16);
    EXPECT_EQ(editor.font().pointSize(), 16);
    const CharLook tag = lookOf(formatAt(editor, 0));
    EXPECT_EQ(tag.family, QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(tag.size, 16.0);
    EXPECT_EQ(tag.color, kBlue);  // colours stay
    EXPECT_TRUE(editor.isModified());
    EXPECT_EQ(editor.selText(), QStringLiteral("<B"));
    store.writewordwrap(false);
    editor.setModified(false);
    editor.applySettings();
    EXPECT_EQ(editor.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_FALSE(editor.isModified());
}
