// The converter commands and the special characters palette run from the
// real main window: an RTF file imported into the page, the page exported
// as plain text, and a letter of the palette written as its entity.
#include "installdir.h"
#include "mainwindow.h"
#include "scriptedinteraction.h"
#include "specialchars.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "tregini.h"
#include "specialcharpalette.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPointer>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

class MainWindowConvertTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        m_dir = test::TestSandbox::makeDir(QStringLiteral("convert"));
        m_window = std::make_unique<TMainwindow>();
        m_window->FormShow();
        ASSERT_EQ(m_window->pageCount(), 1);

        // Then an installation of its own with the standard special-character
        // table, for the palette's conversions.
        const QString install = test::TestSandbox::makeDir(QStringLiteral("convert-install"));
        tregini::setOverride(QStringLiteral("dir"), QStringLiteral("installdir"), install);
        InstallDir::reset();
        writeBytes(QDir(install).filePath(QStringLiteral("spectags.dat")),
                   SpecialChars::toBytes(SpecialChars::standardPairs()));
    }
    void TearDown() override
    {
        m_window.reset();
        test::TestSandbox::clearSettings();
        InstallDir::reset();
    }

    QString path(const QString &name) const { return QDir(m_dir).filePath(name); }

    static void writeBytes(const QString &fileName, const QByteArray &bytes)
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QByteArray readBytes(const QString &fileName)
    {
        QFile file(fileName);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    thtmlrichedit *page(const QString &text, int start, int length = 0)
    {
        thtmlrichedit *ed = m_window->editor(m_window->activePage());
        ed->loadPlainText(text);
        ed->setModified(false);
        ed->setSelection(start, length);
        return ed;
    }

    void run(const char *name)
    {
        QAction *action = m_window->command(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }

    ScriptedInteraction m_ui;
    std::unique_ptr<TMainwindow> m_window;
    QString m_dir;
};

// "Hello" with "ell" in bold, black 10-point Arial.
const QByteArray kHelloRtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
                             "\\pard\\plain\\f0\\fs20\\cf1 H{\\b ell}o}";

// --- RTF import -----------------------------------------------------------------------------

TEST_F(MainWindowConvertTest, RtfImportReplacesTheSelectionWithItsMarkup)
{
    writeBytes(path(QStringLiteral("hello.rtf")), kHelloRtf);
    thtmlrichedit *ed = page(QStringLiteral("<BODY>\r\n[old]\r\n</BODY>"), 7, 5);
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    run("SpeedButton102");
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_TRUE(m_ui.fileRequests[0].filter.contains(QStringLiteral("*.rtf")));
    EXPECT_EQ(ed->text(), QStringLiteral("<BODY>\r\n<FONT SIZE=3 COLOR=#000000 FACE=\"Arial\">H<B>ell</B>o</FONT>\r\n</BODY>"));
    EXPECT_TRUE(ed->isModified());
    EXPECT_TRUE(m_ui.messages.isEmpty()) << m_ui.lastMessage().toStdString();
}

TEST_F(MainWindowConvertTest, RtfImportCancelledOrUnreadableChangesNothing)
{
    const QString text = QStringLiteral("<P>keep</P>");
    thtmlrichedit *ed = page(text, 3, 4);
    run("SpeedButton102");  // the open dialog is cancelled
    EXPECT_EQ(ed->text(), text);
    EXPECT_TRUE(m_ui.messages.isEmpty());

    m_ui.openAnswers.enqueue({path(QStringLiteral("missing.rtf"))});
    run("SpeedButton102");
    EXPECT_EQ(ed->text(), text);
    EXPECT_FALSE(ed->isModified());
    ASSERT_EQ(m_ui.messages.size(), 1);
}

// --- Plain text export ----------------------------------------------------------------------

TEST_F(MainWindowConvertTest, TextExportWritesThePageWithoutItsTags)
{
    const QString text = QStringLiteral("<B>Hi</B><BR>there\r\n<P ALIGN=CENTER>a<br >b<P>c &amp; d");
    thtmlrichedit *ed = page(text, 0);
    m_ui.saveAnswers.enqueue(path(QStringLiteral("notes")));
    run("SpeedButton103");
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_TRUE(m_ui.fileRequests[0].filter.contains(QStringLiteral("*.txt")));
    EXPECT_EQ(readBytes(path(QStringLiteral("notes.txt"))), QByteArray("Hi\r\ntherea\r\nb\r\n\r\nc &amp; d"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("notes"))));
    // The page is not changed by the export.
    EXPECT_EQ(ed->text(), text);
    EXPECT_FALSE(ed->isModified());
    EXPECT_TRUE(m_ui.messages.isEmpty()) << m_ui.lastMessage().toStdString();
}

TEST_F(MainWindowConvertTest, TextExportOfASelectionWritesTheSelectionOnly)
{
    thtmlrichedit *ed = page(QStringLiteral("<P>one</P><I>two</I><P>three"), 10, 10);
    ASSERT_EQ(ed->selText(), QStringLiteral("<I>two</I>"));
    m_ui.saveAnswers.enqueue(path(QStringLiteral("part.txt")));
    run("SpeedButton103");
    EXPECT_EQ(readBytes(path(QStringLiteral("part.txt"))), QByteArray("two"));
}

TEST_F(MainWindowConvertTest, TextExportAsksBeforeOverwriting)
{
    writeBytes(path(QStringLiteral("old.txt")), "previous");
    page(QStringLiteral("<B>new</B>"), 0);

    m_ui.saveAnswers.enqueue(path(QStringLiteral("old.txt")));
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    run("SpeedButton103");
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].text, QStringLiteral("Do you want to overwrite ")
                                         + QDir::toNativeSeparators(path(QStringLiteral("old.txt")))
                                         + QStringLiteral(" ?"));
    EXPECT_EQ(readBytes(path(QStringLiteral("old.txt"))), QByteArray("previous"));

    m_ui.saveAnswers.enqueue(path(QStringLiteral("old.txt")));
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    run("SpeedButton103");
    EXPECT_EQ(readBytes(path(QStringLiteral("old.txt"))), QByteArray("new"));
}

// --- Special characters palette -------------------------------------------------------------

TEST_F(MainWindowConvertTest, PaletteLetterWritesItsEntityAndTheConversionsRoundTrip)
{
    thtmlrichedit *ed = page(QStringLiteral("caf? cr?me"), 3, 1);
    run("SpeedButton9");
    EXPECT_TRUE(m_window->findChild<QFrame *>(QStringLiteral("Panel2"))->isVisibleTo(m_window.get()));
    auto *palette = m_window->sidePanel(2)->findChild<Tspeccharform *>();
    ASSERT_NE(palette, nullptr);
    ASSERT_EQ(palette->letterButtons().size(), 55);

    // Left column: row 10 is é, row 9 is è; right column row 1 is Æ.
    palette->letterButtons()[9]->click();
    EXPECT_EQ(ed->text(), QStringLiteral("caf&eacute; cr?me"));
    ed->setSelection(14, 1);
    palette->letterButtons()[8]->click();
    EXPECT_EQ(ed->text(), QStringLiteral("caf&eacute; cr&egrave;me"));
    // Nothing selected: the entity goes in at the caret.
    ed->setSelection(0, 0);
    palette->letterButtons()[28]->click();
    EXPECT_EQ(ed->text(), QStringLiteral("&AElig;caf&eacute; cr&egrave;me"));
    EXPECT_TRUE(ed->isModified());

    palette->tagsToCharButton()->click();
    EXPECT_EQ(ed->text(), QStringLiteral("\u00c6caf\u00e9 cr\u00e8me"));
    palette->charToTagsButton()->click();
    EXPECT_EQ(ed->text(), QStringLiteral("&AElig;caf&eacute; cr&egrave;me"));

    // Released, the palette is freed and its panel hidden.
    QPointer<Tspeccharform> gone(palette);
    run("SpeedButton9");
    EXPECT_FALSE(gone);
    EXPECT_FALSE(m_window->findChild<QFrame *>(QStringLiteral("Panel2"))->isVisibleTo(m_window.get()));
}

} // namespace
