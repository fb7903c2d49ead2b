// Opening and saving a file without a change writes the bytes it was read
// from: the real main window offscreen, real files in a temporary directory,
// every way a page is saved (Ctrl+S, autosave, Yes to the save question).
#include "filecommands.h"
#include "mainwindow.h"
#include "pagemanager.h"
#include "scriptedinteraction.h"
#include "softbreaks.h"
#include "testsandbox.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeAll(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

/// A generated page: tags, braces, backslashes, accented letters and a
/// character outside Windows-1252, with the i-th kind of line ends and
/// final breaks.
QByteArray generatedPage(int i)
{
    const char *breaks[] = {"\r\n", "\n", "\r", "\r\n"};
    QByteArray page;
    for (int line = 0; line < 40 + 7 * i; ++line) {
        page += "<TD ALIGN=CENTER>caf\xC3\xA9 {x}\\y \xE2\x82\xAC</TD> <A HREF=\"p" + QByteArray::number(line)
              + ".html\">link</A>" + breaks[i];
        if (line % 9 == 0)
            page += breaks[i];
    }
    for (int extra = 0; extra < i; ++extra)
        page += breaks[i];
    if (i == 3)
        page += "last line without a break";
    return page;
}

/// A page that is one line of 12,000 characters, longer than the editor
/// holds in one piece with word wrap on or off.
QByteArray oneLongLine()
{
    QByteArray line = "\xEF\xBB\xBF";
    for (int i = 0; line.size() < 12000; ++i)
        line += "<A HREF=\"p" + QByteArray::number(i) + ".html\">caf\xC3\xA9 " + QByteArray::number(i) + "</A> ";
    return line + "\r\n";
}

/// A file as read, and the bytes an unchanged save writes: the same, except
/// that LF and CR line ends become CR LF.
struct ExactCase {
    const char *name;
    QByteArray file;
    QByteArray saved;
};

const ExactCase kCases[] = {
    {"CrLfEndingWithOneBreak", "line1\r\n<B>bold</B>\r\nlast\r\n", "line1\r\n<B>bold</B>\r\nlast\r\n"},
    {"SeveralFinalBreaks", "a\r\n\r\n\r\n", "a\r\n\r\n\r\n"},
    {"NoFinalBreak", "a\r\n<P>b", "a\r\n<P>b"},
    {"OnlyALineBreak", "\r\n", "\r\n"},
    {"Empty", "", ""},
    {"LfEnds", "a\nb\n\n", "a\r\nb\r\n\r\n"},
    {"CrEnds", "a\rb\r", "a\r\nb\r\n"},
    {"Windows1252", "caf\xe9 \x80\r\n\r\n", "caf\xe9 \x80\r\n\r\n"},
    {"Windows1252NoBreak", "na\xefve", "na\xefve"},
    {"Utf8WithMark", "\xEF\xBB\xBF<P>caf\xC3\xA9</P>\r\n", "\xEF\xBB\xBF<P>caf\xC3\xA9</P>\r\n"},
    {"OnlyTheMark", "\xEF\xBB\xBF", "\xEF\xBB\xBF"},
    {"TwoMarks", "\xEF\xBB\xBF\xEF\xBB\xBFx\r\n", "\xEF\xBB\xBF\xEF\xBB\xBFx\r\n"},
    {"MarkBeforeWindows1252", "\xEF\xBB\xBF\xe9\r\n", "\xEF\xBB\xBF\xe9\r\n"},
    {"OneLongLine", oneLongLine(), oneLongLine()},
};

class FileExactTest : public ::testing::TestWithParam<ExactCase> {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        m_dir = test::TestSandbox::makeDir(QStringLiteral("fileexact"));
        // Colouring on, so the page really goes through the colouring document.
        tregini().writeusecolor(true);
    }

    std::unique_ptr<TMainwindow> start(const QStringList &arguments)
    {
        auto window = std::make_unique<TMainwindow>(arguments);
        window->FormShow();
        return window;
    }

    ScriptedInteraction m_ui;
    QString m_dir;
};

TEST_P(FileExactTest, CtrlSSavesTheSameBytesCycleAfterCycle)
{
    const QString path = m_dir + QStringLiteral("/page.htm");
    writeAll(path, GetParam().file);
    for (int cycle = 0; cycle < 3; ++cycle) {
        auto w = start({path});
        ASSERT_EQ(w->pageCount(), 1);
        w->command(QStringLiteral("FileSave"))->trigger();
        EXPECT_EQ(readAll(path), GetParam().saved) << "cycle " << cycle;
        EXPECT_TRUE(m_ui.messages.isEmpty());
    }
}

TEST_P(FileExactTest, AutosaveSavesTheSameBytes)
{
    const QString path = m_dir + QStringLiteral("/page.htm");
    writeAll(path, GetParam().file);
    auto w = start({path});
    ASSERT_EQ(w->pageCount(), 1);
    w->editor(0)->setModified(true);
    w->Timer1Timer();
    EXPECT_FALSE(w->editor(0)->isModified());
    EXPECT_EQ(readAll(path), GetParam().saved);
}

TEST_P(FileExactTest, YesToTheSaveQuestionSavesTheSameBytes)
{
    const QString path = m_dir + QStringLiteral("/page.htm");
    writeAll(path, GetParam().file);
    auto w = start({path});
    ASSERT_EQ(w->pageCount(), 1);
    w->editor(0)->setModified(true);
    m_ui.messageAnswers.clear();
    m_ui.messageAnswers << QMessageBox::Yes;
    w->command(QStringLiteral("Luksiden1"))->trigger();
    EXPECT_EQ(w->pageCount(), 0);
    EXPECT_EQ(readAll(path), GetParam().saved);
}

TEST_P(FileExactTest, APageMovedDownASlotKeepsItsFormat)
{
    const QString first = m_dir + QStringLiteral("/first.htm");
    const QString second = m_dir + QStringLiteral("/second.htm");
    writeAll(first, "first\r\n");
    writeAll(second, GetParam().file);
    auto w = start({first});
    ASSERT_TRUE(w->openfilproj(second));
    w->selectPage(0);
    w->command(QStringLiteral("Luksiden1"))->trigger();
    ASSERT_EQ(w->pageFileName(0), second);
    w->command(QStringLiteral("FileSave"))->trigger();
    EXPECT_EQ(readAll(second), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(Files, FileExactTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

class FileExactWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        m_dir = test::TestSandbox::makeDir(QStringLiteral("fileexactwindow"));
    }
    ScriptedInteraction m_ui;
    QString m_dir;
};

TEST_F(FileExactWindowTest, ANewPageKeepsTheTemplatesFinalLineBreak)
{
    const QString install = test::TestSandbox::makeDir(QStringLiteral("fileexactinstall"));
    tregini::writeString(QStringLiteral("dir"), QStringLiteral("installdir"), install);
    writeAll(install + QStringLiteral("/OnNewFile.html"),
             "\xEF\xBB\xBF<HTML>\r\n<BODY><CursorHere>\r\n</BODY>\r\n</HTML>\r\n");
    TMainwindow w;
    w.FormShow();
    ASSERT_EQ(w.pageCount(), 1);
    const QString target = m_dir + QStringLiteral("/new.html");
    m_ui.saveAnswers.clear();
    m_ui.saveAnswers << target;
    w.command(QStringLiteral("FileSave"))->trigger();
    EXPECT_EQ(readAll(target), "\xEF\xBB\xBF<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(FileExactWindowTest, KeysOnALongLineAreSavedAsTyped)
{
    const QString path = m_dir + QStringLiteral("/long.htm");
    const QByteArray page = oneLongLine();
    writeAll(path, page);
    TMainwindow w({path});
    w.FormShow();
    ASSERT_EQ(w.pageCount(), 1);
    thtmlrichedit *editor = w.editor(0);
    ASSERT_GT(editor->document()->blockCount(), editor->lineCount()) << "the line is not split";
    // Every display-only break, typed at on both of its sides.
    QByteArray expected = page;
    const QString text = editor->pageText();
    for (int at = int(text.size()) - 1; at > 0; --at) {
        const QTextBlock block = editor->document()->findBlock(at + 1);
        if (block.position() != at + 1 || !SoftBreaks::isSoft(block))
            continue;
        for (const int side : {1, 0}) {
            editor->setCaretPosition(at + side);
            QTest::keyClick(editor, Qt::Key_Z);
            // Bytes: the mark, then each character before the position once.
            expected.insert(3 + text.left(at + side).toUtf8().size(), 'z');
        }
    }
    w.command(QStringLiteral("FileSave"))->trigger();
    EXPECT_EQ(readAll(path), expected);
}

// Every text file of the tests and of the shipped data, and a few generated
// pages: opened and saved unchanged, each gives its bytes with CR LF line
// ends, and a file that already has CR LF ends gives exactly its own bytes.
TEST_F(FileExactWindowTest, RoundTripOfEveryTestFileAndGeneratedPages)
{
    // The source tree: beside the shipped data the tests run with, or where
    // this file was compiled from (relative to the build directory).
    QDir source(qEnvironmentVariable("LUMARO_SOURCE_DATA_DIR") + QStringLiteral("/.."));
    if (qEnvironmentVariableIsEmpty("LUMARO_SOURCE_DATA_DIR") || !source.exists(QStringLiteral("tests"))) {
        const QString here = QDir(QCoreApplication::applicationDirPath() + QStringLiteral("/.."))
                                 .absoluteFilePath(QStringLiteral(__FILE__));
        source.setPath(QFileInfo(here).absolutePath() + QStringLiteral("/../../.."));
    }
    ASSERT_TRUE(source.exists(QStringLiteral("tests/app/ui"))) << source.absolutePath().toStdString();
    QList<QPair<QString, QByteArray>> inputs;
    for (const char *folder : {"tests", "data"}) {
        QDirIterator it(source.filePath(QLatin1String(folder)), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString name = it.next();
            const QByteArray bytes = readAll(name);
            if (!bytes.contains('\0')) // binary files are not pages
                inputs.append({source.relativeFilePath(name), bytes});
        }
    }
    ASSERT_GT(inputs.size(), 20);
    for (int i = 0; i < 4; ++i)
        inputs.append({QStringLiteral("generated %1").arg(i), generatedPage(i)});

    TMainwindow w;
    w.FormShow();
    const QString path = m_dir + QStringLiteral("/copy.html");
    for (const auto &[name, bytes] : inputs) {
        FileFormat format;
        const QString text = TextFile::decode(bytes, &format);
        const QByteArray crlf = TextFile::encode(text, format);
        for (const QByteArray &file : {bytes, crlf}) {
            writeAll(path, file);
            ASSERT_TRUE(w.openfilproj(path)) << name.toStdString();
            w.command(QStringLiteral("FileSave"))->trigger();
            w.pages().Luksiden1Click();
            EXPECT_EQ(readAll(path), crlf) << name.toStdString();
        }
    }
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

} // namespace

TEST_F(FileExactWindowTest, LineAndParagraphSeparatorsSurviveEditCopyAndSave)
{
    const QString path = m_dir + QStringLiteral("/separators.html");
    // U+2028 and U+2029 as UTF-8, and in entity form.
    writeAll(path, "<P>a\xE2\x80\xA8" "b</P>\r\n<SCRIPT>s=\"\xE2\x80\xA9\";</SCRIPT>\r\n<P>&#x2028;&#8233;</P>\r\n");
    TMainwindow w({path});
    w.FormShow();
    ASSERT_EQ(w.pageCount(), 1);
    thtmlrichedit *editor = w.editor(0);
    EXPECT_EQ(editor->lineCount(), 3);
    // Typed right after the first, and the first copied and pasted at the end.
    editor->setCaretPosition(5);
    QTest::keyClick(editor, Qt::Key_X);
    editor->setSelection(4, 1);
    w.command(QStringLiteral("Kopier1"))->trigger();
    editor->setCaretPosition(editor->textLength());
    w.command(QStringLiteral("Stind1"))->trigger();
    w.command(QStringLiteral("FileSave"))->trigger();
    EXPECT_EQ(readAll(path), "<P>a\xE2\x80\xA8xb</P>\r\n<SCRIPT>s=\"\xE2\x80\xA9\";</SCRIPT>\r\n"
                             "<P>&#x2028;&#8233;</P>\xE2\x80\xA8\r\n");
}

TEST_F(FileExactWindowTest, TheStatusBarShowsALongLinesWholeColumn)
{
    const QString path = m_dir + QStringLiteral("/oneline.html");
    writeAll(path, QByteArray(1'000'000, 'a'));
    TMainwindow w({path});
    w.resize(1100, 700);
    w.FormShow();
    w.show();
    ASSERT_EQ(w.pageCount(), 1);
    w.editor(0)->setCaretPosition(987'362);
    QCoreApplication::processEvents();
    auto *field = w.findChild<QLabel *>(QStringLiteral("StatusPanel0"));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text().trimmed(), QStringLiteral("1: 987363"));
    const int room = field->contentsRect().width() - 2 * field->indent();
    EXPECT_LE(field->fontMetrics().horizontalAdvance(field->text()), room);
    w.hide();
}
