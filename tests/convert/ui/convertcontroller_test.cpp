#include "convertcontroller.h"
#include "convertfixture.h"
#include "fakepagehost.h"
#include "thtmlrichedit.h"
#include "timportexportpreffdialog.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

using namespace lumaro;
using lumaro::test::ConvertFixture;
using lumaro::test::FakePageHost;

namespace {

// "Hello" with "ell" in bold, black 10-point Arial, and a second centred
// paragraph.
const QByteArray kHelloRtf =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
    "\\pard\\plain\\f0\\fs20\\cf1 H{\\b ell}o\\par\\pard\\qc\\f0\\fs20\\cf1 mid\\par}";
const QString kHelloHtml = QStringLiteral("<FONT SIZE=3 COLOR=#000000 FACE=\"Arial\">H<B>ell</B>o\r\n<P>"
                                          "<CENTER>mid</CENTER></FONT>");

class ConvertCommands : public ConvertFixture {
protected:
    void SetUp() override
    {
        ConvertFixture::SetUp();
        m_dir = lumaro::test::TestSandbox::makeDir(QStringLiteral("files"));
        m_controller = std::make_unique<ConvertController>(m_host);
    }
    QString path(const QString &name) const { return QDir(m_dir).filePath(name); }

    FakePageHost m_host;
    std::unique_ptr<ConvertController> m_controller;
    QString m_dir;
};

TEST_F(ConvertCommands, ConnectsAndEnablesItsCommands)
{
    for (const char *name : {"SpeedButton102", "SpeedButton103", "ImportExport1"}) {
        QAction *action = m_host.command(QString::fromLatin1(name));
        EXPECT_TRUE(action->isEnabled()) << name;
    }
    m_host.addPage(QStringLiteral("x"));
    m_host.command(QStringLiteral("SpeedButton102"))->trigger();
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_TRUE(m_ui.fileRequests[0].filter.contains(QStringLiteral("*.rtf")));
    m_host.command(QStringLiteral("SpeedButton103"))->trigger();
    ASSERT_EQ(m_ui.fileRequests.size(), 2);
    EXPECT_TRUE(m_ui.fileRequests[1].filter.contains(QStringLiteral("*.txt")));
}

TEST_F(ConvertCommands, RtfImportInsertsAtTheCaret)
{
    writeBytes(path(QStringLiteral("hello.rtf")), kHelloRtf);
    tregini().writelastdir(path(QStringLiteral("x.html")));
    const int slot = m_host.addPage(QStringLiteral("<BODY></BODY>"));
    thtmlrichedit *editor = m_host.editor(slot);
    editor->setCaretPosition(6);
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    m_controller->SpeedButton102Click();
    EXPECT_EQ(m_ui.fileRequests.constLast().directory, m_dir);
    EXPECT_EQ(editor->text(), QStringLiteral("<BODY>") + kHelloHtml + QStringLiteral("</BODY>"));
    EXPECT_TRUE(editor->isModified());
    EXPECT_EQ(editor->caretPosition(), 6 + int(kHelloHtml.size()) - 1); // CR LF is one position
    EXPECT_TRUE(m_ui.messages.isEmpty());
    // The chosen directory is not stored.
    EXPECT_EQ(tregini().readlastdir(), m_dir);
}

TEST_F(ConvertCommands, RtfImportReplacesTheSelection)
{
    writeBytes(path(QStringLiteral("hello.rtf")), kHelloRtf);
    const int slot = m_host.addPage(QStringLiteral("a[old]b"));
    m_host.editor(slot)->setSelection(1, 5);
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    m_controller->SpeedButton102Click();
    EXPECT_EQ(m_host.editor(slot)->text(), QStringLiteral("a") + kHelloHtml + QStringLiteral("b"));
}

TEST_F(ConvertCommands, RtfImportUsesTheStoredTags)
{
    tregini store;
    store.writebtags(QStringLiteral("STRONG"));
    store.writecrtags(QStringLiteral("BR"));
    store.writeusefonttype(false);
    writeBytes(path(QStringLiteral("hello.rtf")), kHelloRtf);
    const int slot = m_host.addPage(QString());
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    m_controller->SpeedButton102Click();
    EXPECT_EQ(m_host.editor(slot)->text(),
              QStringLiteral("<FONT SIZE=3 COLOR=#000000>H<STRONG>ell</STRONG>o\r\n<BR><CENTER>mid</CENTER></FONT>"));
}

TEST_F(ConvertCommands, RtfImportCancelledChangesNothing)
{
    const int slot = m_host.addPage(QStringLiteral("page"));
    m_controller->SpeedButton102Click();
    EXPECT_EQ(m_host.editor(slot)->text(), QStringLiteral("page"));
    EXPECT_FALSE(m_host.editor(slot)->isModified());
}

TEST_F(ConvertCommands, RtfImportOfAnUnreadableFileInsertsNothing)
{
    const int slot = m_host.addPage(QStringLiteral("page"));
    m_ui.openAnswers.enqueue({path(QStringLiteral("missing.rtf"))});
    m_controller->SpeedButton102Click();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("missing.rtf"))) << m_ui.lastMessage().toStdString();
    EXPECT_EQ(m_ui.messages[0].title, QStringLiteral("Lumaro"));

    writeBytes(path(QStringLiteral("text.rtf")), "just some text");
    m_ui.openAnswers.enqueue({path(QStringLiteral("text.rtf"))});
    m_controller->SpeedButton102Click();
    ASSERT_EQ(m_ui.messages.size(), 2);
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("text.rtf")));
    EXPECT_EQ(m_host.editor(slot)->text(), QStringLiteral("page"));
}

TEST_F(ConvertCommands, RtfImportWithABadThresholdInsertsNothing)
{
    tregini().writeief(3, QStringLiteral("12pt"));
    writeBytes(path(QStringLiteral("hello.rtf")), kHelloRtf);
    const int slot = m_host.addPage(QStringLiteral("page"));
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    m_controller->SpeedButton102Click();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("'12pt'")));
    EXPECT_EQ(m_host.editor(slot)->text(), QStringLiteral("page"));
    EXPECT_FALSE(m_host.editor(slot)->isModified());
}

TEST_F(ConvertCommands, RtfImportWithoutAPageOpensOne)
{
    writeBytes(path(QStringLiteral("hello.rtf")), kHelloRtf);
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    m_controller->SpeedButton102Click();
    ASSERT_EQ(m_host.pageCount(), 1);
    EXPECT_EQ(m_host.editor(0)->text(), kHelloHtml);
}

TEST_F(ConvertCommands, LongDocumentShowsTheWorkingWindow)
{
    writeBytes(path(QStringLiteral("hello.rtf")), kHelloRtf);
    m_host.addPage(QString());
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    m_controller->SpeedButton102Click();
    EXPECT_EQ(m_controller->progressWindowsShown(), 0);

    m_controller->setProgressThreshold(3);
    m_ui.openAnswers.enqueue({path(QStringLiteral("hello.rtf"))});
    m_controller->SpeedButton102Click();
    EXPECT_EQ(m_controller->progressWindowsShown(), 1);
    // The window is gone once the import is done.
    for (QWidget *w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && w->windowTitle() == QStringLiteral("Working"));
}

class TextExportCommand : public ConvertCommands {};

TEST_F(TextExportCommand, WholePageWithoutExtensionWritesTxt)
{
    const int slot = m_host.addPage(QStringLiteral("<B>Hi</B><BR>there\r\n<P ALIGN=CENTER>x < y"));
    m_ui.saveAnswers.enqueue(path(QStringLiteral("notes")));
    m_controller->SpeedButton103Click();
    EXPECT_EQ(readBytes(path(QStringLiteral("notes.txt"))), QByteArray("Hi\r\ntherex < y"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("notes"))));
    EXPECT_TRUE(m_ui.messages.isEmpty());
    EXPECT_FALSE(m_host.editor(slot)->isModified());
}

TEST_F(TextExportCommand, SelectionOnly)
{
    const int slot = m_host.addPage(QStringLiteral("before<BR>inside<P>sel</P>after"));
    m_host.editor(slot)->setSelection(10, 12); // "inside<P>sel"
    m_ui.saveAnswers.enqueue(path(QStringLiteral("part.txt")));
    m_controller->SpeedButton103Click();
    EXPECT_EQ(readBytes(path(QStringLiteral("part.txt"))), QByteArray("inside\r\n\r\nsel"));
    EXPECT_EQ(m_host.editor(slot)->text(), QStringLiteral("before<BR>inside<P>sel</P>after"));
    EXPECT_FALSE(m_host.editor(slot)->isModified());
}

TEST_F(TextExportCommand, OverwriteQuestion)
{
    m_host.addPage(QStringLiteral("new text"));
    const QString target = path(QStringLiteral("old.txt"));
    writeBytes(target, "old text");

    m_ui.saveAnswers.enqueue(target);
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    m_controller->SpeedButton103Click();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].title, QStringLiteral("Lumaro"));
    EXPECT_EQ(m_ui.messages[0].text, QStringLiteral("Do you want to overwrite ") + target + QStringLiteral(" ?"));
    EXPECT_EQ(m_ui.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(readBytes(target), QByteArray("old text"));

    m_ui.saveAnswers.enqueue(target);
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    m_controller->SpeedButton103Click();
    EXPECT_EQ(readBytes(target), QByteArray("new text"));
}

TEST_F(TextExportCommand, QuestionNamesTheFileThatWillBeWritten)
{
    // "notes" is chosen while "notes.txt" exists: that file is the one asked about.
    m_host.addPage(QStringLiteral("new"));
    writeBytes(path(QStringLiteral("notes.txt")), "keep me");
    m_ui.saveAnswers.enqueue(path(QStringLiteral("notes")));
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    m_controller->SpeedButton103Click();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.messages[0].text.contains(QStringLiteral("notes.txt")));
    EXPECT_EQ(readBytes(path(QStringLiteral("notes.txt"))), QByteArray("keep me"));
}

TEST_F(TextExportCommand, CancelWritesNothing)
{
    m_host.addPage(QStringLiteral("text"));
    m_controller->SpeedButton103Click();
    EXPECT_TRUE(QDir(m_dir).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(TextExportCommand, BadThresholdWritesNothing)
{
    tregini().writeief(1, QStringLiteral("five"));
    m_host.addPage(QStringLiteral("text"));
    m_ui.saveAnswers.enqueue(path(QStringLiteral("out.txt")));
    m_controller->SpeedButton103Click();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("'five'")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("out.txt"))));
}

TEST_F(TextExportCommand, UnwritableTargetIsReported)
{
    m_host.addPage(QStringLiteral("text"));
    m_ui.saveAnswers.enqueue(path(QStringLiteral("no such dir/out.txt")));
    m_controller->SpeedButton103Click();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("out.txt"))) << m_ui.lastMessage().toStdString();
}

TEST_F(TextExportCommand, NationalCharactersKeepThePageEncoding)
{
    const int slot = m_host.addPage(QStringLiteral("caf\u00e9"));
    m_host.editor(slot)->setEncoding(TextEncoding::Windows1252);
    m_ui.saveAnswers.enqueue(path(QStringLiteral("ansi.txt")));
    m_controller->SpeedButton103Click();
    EXPECT_EQ(readBytes(path(QStringLiteral("ansi.txt"))), QByteArray("caf\xe9"));
}

TEST_F(ConvertCommands, PreferencesMenuShowsTheDialog)
{
    QString title;
    QTimer::singleShot(0, [&title] {
        if (auto *dialog = qobject_cast<Timportexportpreffdialog *>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->reject();
        }
    });
    m_controller->ImportExport1Click();
    EXPECT_EQ(title, QStringLiteral("RTF Import / Export"));
}

} // namespace
