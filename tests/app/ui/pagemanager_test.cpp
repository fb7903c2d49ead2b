// The page table: opening, switching and closing pages, the shift of later
// pages, captions, the save questions and closing all pages.
#include "pagemanager_fixture.h"

#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>

using namespace lumaro;
using namespace lumaro::test;

namespace {

class PageManagerTest : public PageFixture {};

TEST_F(PageManagerTest, StartsWithoutPages)
{
    EXPECT_EQ(m_pages->pageCount(), 0);
    EXPECT_EQ(m_pages->caption(), "Lumaro [No file]");
    EXPECT_EQ(m_pages->activeEditor(), nullptr);
    expectConsistent();
}

TEST_F(PageManagerTest, UntitledNumbersGrowAndAreNeverReused)
{
    m_files->FileNew();
    m_files->FileNew();
    m_files->FileNew();
    EXPECT_EQ(tabTexts(), (QStringList{"Untitled 1", "Untitled 2", "Untitled 3"}));
    EXPECT_EQ(m_pages->caption(), "Lumaro [Untitled 3]");

    m_pages->selectPage(1);
    m_pages->Luksiden1Click();
    m_files->FileNew();
    EXPECT_EQ(tabTexts(), (QStringList{"Untitled 1", "Untitled 3", "Untitled 4"}));
    EXPECT_EQ(m_pages->pageFileName(2), "Untitled 4");
    EXPECT_EQ(m_pages->pageTabName(2), "Untitled 4");
    EXPECT_FALSE(m_pages->pageHasFile(2));
    EXPECT_EQ(m_pages->caption(), "Lumaro [Untitled 4]");
    expectConsistent();
}

TEST_F(PageManagerTest, NewPageComesFromTheTemplateWithTheCaretAtTheMarker)
{
    QSignalSpy opened(m_pages, &PageManager::pageOpened);
    QSignalSpy enabled(m_pages, &PageManager::pageCommandsEnabled);
    m_files->FileNew();

    thtmlrichedit *ed = m_pages->editor(0);
    EXPECT_EQ(ed->text(), "<HTML>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>");
    // "<HTML>" break "<BODY>" break: the caret stands at the start of line 3.
    EXPECT_EQ(ed->caretPosition(), 14);
    EXPECT_FALSE(ed->isModified());
    EXPECT_FALSE(ed->document()->isUndoAvailable());
    EXPECT_EQ(ed->encoding(), TextEncoding::Utf8);
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).toString(), "Untitled 1");
    ASSERT_GE(enabled.count(), 1);
    EXPECT_TRUE(enabled.last().at(0).toBool());
    EXPECT_TRUE(m_ui.messages.isEmpty());
    expectConsistent();
}

TEST_F(PageManagerTest, MissingTemplateOpensNoPageAndUsesNoNumber)
{
    const QString templateFile = tregini().readinstalldir() + "/OnNewFile.html";
    QFile::remove(templateFile);
    m_files->FileNew();
    EXPECT_EQ(m_pages->pageCount(), 0);
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(templateFile)) << m_ui.lastMessage().toStdString();
    EXPECT_EQ(m_ui.messages.last().title, "Lumaro");
    expectConsistent();

    writeBytes(templateFile, "<CursorHere>");
    m_files->FileNew();
    EXPECT_EQ(tabTexts(), QStringList{"Untitled 1"});
}

TEST_F(PageManagerTest, OpeningAFileAddsATabNamedAfterIt)
{
    QSignalSpy opened(m_pages, &PageManager::fileOpened);
    QSignalSpy created(m_pages, &PageManager::pageOpened);
    const QString path = makeFile("index.htm", "<P>Hello</P>\r\nworld\r\n");
    ASSERT_TRUE(m_pages->openfilproj(path));

    EXPECT_EQ(m_pages->pageCount(), 1);
    EXPECT_EQ(m_pages->activePage(), 0);
    EXPECT_EQ(m_pages->previousPage(), PageManager::kNoPage);
    EXPECT_EQ(m_pages->pageFileName(0), path);
    EXPECT_EQ(m_pages->pageTabName(0), "index.htm");
    EXPECT_EQ(m_pages->currentName(), "index.htm");
    EXPECT_TRUE(m_pages->pageHasFile(0));
    EXPECT_EQ(m_pages->editor(0)->text(), "<P>Hello</P>\r\nworld");
    EXPECT_FALSE(m_pages->editor(0)->isModified());
    EXPECT_EQ(tabTexts(), QStringList{"index.htm"});
    EXPECT_EQ(tregini().readlastdir(), m_dir);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(created.count(), 0); // only new pages get a project record
    expectConsistent();

    // A document dropped on a page opens as a page of its own.
    emit m_pages->editor(0)->openFileRequested(path);
    EXPECT_EQ(m_pages->pageCount(), 2);
    m_pages->Luksiden1Click();

    // The same file may be opened twice; the previous page is remembered.
    ASSERT_TRUE(m_pages->openfilproj(path));
    EXPECT_EQ(m_pages->previousPage(), 0);
    EXPECT_EQ(m_pages->activePage(), 1);
    expectConsistent();
}

TEST_F(PageManagerTest, AnAmpersandInAFileNameIsShownNotTakenAsAMnemonic)
{
    const QString path = makeFile("a&b.htm", "x");
    ASSERT_TRUE(m_pages->openfilproj(path));
    EXPECT_EQ(m_pages->pageTabName(0), "a&b.htm");
    EXPECT_EQ(m_tabs->tabText(0), "a&&b.htm");
}

TEST_F(PageManagerTest, UnreadableFileLeavesThePageTableAsItWas)
{
    const QStringList paths = openLetters(2);
    m_pages->selectPage(0);
    tregini().writelastdir("/somewhere/else.htm");
    QSignalSpy caption(m_pages, &PageManager::captionChanged);

    for (const QString &bad : {m_dir + "/missing.htm", m_dir}) {
        SCOPED_TRACE(bad.toStdString());
        m_ui.messages.clear();
        EXPECT_FALSE(m_pages->openfilproj(bad));
        ASSERT_EQ(m_ui.messages.size(), 1);
        EXPECT_TRUE(m_ui.lastMessage().contains(bad)) << m_ui.lastMessage().toStdString();
        EXPECT_EQ(m_ui.messages.last().icon, QMessageBox::Warning);
        EXPECT_EQ(m_pages->pageCount(), 2);
        EXPECT_EQ(m_pages->activePage(), 0);
        EXPECT_EQ(tabTexts(), (QStringList{"A.htm", "B.htm"}));
        EXPECT_EQ(m_pages->caption(), "Lumaro [" + paths[0] + "]");
        expectConsistent();
    }
    EXPECT_EQ(caption.count(), 0);
    EXPECT_EQ(tregini().readlastdir(), "/somewhere");
}

TEST_F(PageManagerTest, FifteenPagesAreTheLimitAndOpenfilprojStaysSilent)
{
    const QString path = makeFile("page.htm", "x");
    for (int i = 0; i < 15; ++i)
        ASSERT_TRUE(m_pages->openfilproj(path));
    EXPECT_EQ(m_pages->activePage(), 14);
    QSignalSpy caption(m_pages, &PageManager::captionChanged);
    EXPECT_FALSE(m_pages->openfilproj(path));
    EXPECT_FALSE(m_pages->editny());
    EXPECT_FALSE(m_pages->newPage("x"));
    EXPECT_TRUE(m_ui.messages.isEmpty());
    EXPECT_EQ(m_pages->pageCount(), 15);
    EXPECT_EQ(m_pages->activePage(), 14);
    EXPECT_EQ(caption.count(), 0);
    expectConsistent();
}

TEST_F(PageManagerTest, SwitchingTabsShowsTheChosenPage)
{
    const QStringList paths = openLetters(3);
    QSignalSpy cursor(m_pages, &PageManager::cursorPositionChanged);
    QSignalSpy paste(m_pages, &PageManager::pasteAvailable);

    m_pages->editor(0)->setCaretPosition(3);
    m_tabs->setCurrentIndex(0); // as a click on the first tab
    EXPECT_EQ(m_pages->activePage(), 0);
    EXPECT_EQ(m_pages->previousPage(), 2);
    EXPECT_EQ(m_pages->currentName(), "A.htm");
    ASSERT_GE(cursor.count(), 1);
    EXPECT_EQ(cursor.last().at(0).toString(), "   1: 4");
    EXPECT_EQ(paste.count(), 1);
    expectConsistent();

    m_pages->selectPage(1);
    EXPECT_EQ(m_pages->activePage(), 1);
    EXPECT_EQ(m_pages->previousPage(), 0);
    EXPECT_EQ(m_pages->caption(), "Lumaro [" + paths[1] + "]");
    expectConsistent();

    m_pages->selectPage(7); // no such page: nothing happens
    EXPECT_EQ(m_pages->activePage(), 1);
}

TEST_F(PageManagerTest, ClosingTheMiddleOfFivePagesShiftsTheLaterOnes)
{
    const QStringList paths = openLetters(5);
    // D carries a colour and a change of its own; E is unchanged.
    thtmlrichedit *d = m_pages->editor(3);
    d->setSelection(3, 4);
    CharAttributes red;
    red.color = Qt::red;
    d->setSelectionAttributes(red);
    d->setCaretPosition(d->textLength());
    d->replaceSel("!");
    ASSERT_TRUE(d->isModified());
    ASSERT_FALSE(m_pages->editor(4)->isModified());

    m_pages->selectPage(2);
    m_pages->editor(2)->replaceSel("changed ");
    QSignalSpy closed(m_pages, &PageManager::pageClosed);
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    m_pages->Luksiden1Click();

    ASSERT_EQ(m_ui.messages.size(), 1);
    const MessageRequest &question = m_ui.messages.first();
    EXPECT_EQ(question.title, "Lumaro");
    EXPECT_EQ(question.text, "Do you want to save changes to C.htm ?");
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(question.icon, QMessageBox::Question);

    EXPECT_EQ(tabTexts(), (QStringList{"A.htm", "B.htm", "D.htm", "E.htm"}));
    EXPECT_EQ(m_pages->pageCount(), 4);
    EXPECT_EQ(m_pages->activePage(), 2);
    EXPECT_EQ(m_pages->editor(2)->text(), "<P>text D</P>!");
    EXPECT_EQ(m_pages->editor(3)->text(), "<P>text E</P>");
    EXPECT_TRUE(m_pages->editor(2)->isModified());
    EXPECT_FALSE(m_pages->editor(3)->isModified());
    EXPECT_EQ(m_pages->pageFileName(2), paths[3]);
    EXPECT_EQ(m_pages->pageFileName(3), paths[4]);
    EXPECT_EQ(m_pages->pageTabName(2), "D.htm");
    EXPECT_TRUE(m_pages->pageHasFile(2));
    EXPECT_TRUE(m_pages->pageHasFile(3));
    EXPECT_EQ(m_pages->caption(), "Lumaro [" + paths[3] + "]");

    // D's colouring moved with its text: "text" red, the rest not.
    const QTextBlock block = m_pages->editor(2)->document()->firstBlock();
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        const bool redRun = f.text() == "text";
        EXPECT_EQ(f.charFormat().foreground().color() == QColor(Qt::red), redRun)
            << f.text().toStdString();
    }
    // Its undo history does not reach into the page that was closed.
    EXPECT_FALSE(m_pages->editor(2)->document()->isUndoAvailable());

    expectSlotEmpty(4);
    ASSERT_EQ(closed.count(), 1);
    EXPECT_EQ(closed.at(0).at(0).toString(), paths[2]);
    expectConsistent();
}

TEST_F(PageManagerTest, TheEncodingOfAShiftedPageMovesWithIt)
{
    openLetters(1);
    const QString latin = makeFile("latin.htm", "caf\xe9");
    ASSERT_TRUE(m_pages->openfilproj(latin));
    ASSERT_EQ(m_pages->editor(1)->encoding(), TextEncoding::Windows1252);
    m_pages->selectPage(0);
    m_pages->Luksiden1Click();
    EXPECT_EQ(m_pages->editor(0)->text(), QString::fromUtf8("café"));
    EXPECT_EQ(m_pages->editor(0)->encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(m_pages->editor(1)->encoding(), TextEncoding::Utf8);
}

TEST_F(PageManagerTest, ClosingTheLastOfThreePagesActivatesTheSecond)
{
    const QStringList paths = openLetters(3);
    m_pages->Luksiden1Click();
    EXPECT_EQ(tabTexts(), (QStringList{"A.htm", "B.htm"}));
    EXPECT_EQ(m_pages->activePage(), 1);
    EXPECT_EQ(m_pages->caption(), "Lumaro [" + paths[1] + "]");
    EXPECT_EQ(m_pages->currentName(), "B.htm");
    EXPECT_TRUE(m_ui.messages.isEmpty()); // not modified: no question
    expectConsistent();
}

TEST_F(PageManagerTest, ClosingTheOnlyPageDisablesThePageCommands)
{
    openLetters(1);
    QSignalSpy enabled(m_pages, &PageManager::pageCommandsEnabled);
    m_pages->Luksiden1Click();
    EXPECT_EQ(m_pages->pageCount(), 0);
    EXPECT_EQ(m_pages->caption(), "Lumaro [No file]");
    ASSERT_EQ(enabled.count(), 1);
    EXPECT_FALSE(enabled.at(0).at(0).toBool());
    EXPECT_EQ(m_pages->activeEditor(), nullptr);
    expectConsistent();

    m_pages->Luksiden1Click(); // nothing left to close
    EXPECT_EQ(enabled.count(), 1);
}

TEST_F(PageManagerTest, LukfilprojClosesAnyPageWithoutTellingTheProject)
{
    const QStringList paths = openLetters(3);
    QSignalSpy closed(m_pages, &PageManager::pageClosed);
    m_pages->lukfilproj(0);
    EXPECT_EQ(tabTexts(), (QStringList{"B.htm", "C.htm"}));
    EXPECT_EQ(m_pages->activePage(), 0);
    EXPECT_EQ(closed.count(), 0);
    expectConsistent();
    m_pages->lukfilproj(5); // no such page
    EXPECT_EQ(m_pages->pageCount(), 2);
}

TEST_F(PageManagerTest, CancelledSaveQuestionKeepsThePage)
{
    openLetters(2);
    m_pages->editor(1)->replaceSel("x");
    m_ui.messageAnswers.enqueue(QMessageBox::Cancel);
    m_pages->Luksiden1Click();
    EXPECT_FALSE(m_pages->closeGoOn());
    EXPECT_EQ(m_pages->pageCount(), 2);
    EXPECT_TRUE(m_pages->editor(1)->isModified());
    expectConsistent();
}

TEST_F(PageManagerTest, SaveQuestionAnsweredYesSavesBeforeClosing)
{
    const QStringList paths = openLetters(2);
    m_pages->editor(1)->setCaretPosition(0);
    m_pages->editor(1)->replaceSel("new ");
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    m_pages->Luksiden1Click();
    EXPECT_TRUE(m_pages->closeGoOn());
    EXPECT_EQ(m_pages->pageCount(), 1);
    EXPECT_EQ(readBytes(paths[1]), "new <P>text B</P>");
}

TEST_F(PageManagerTest, YesWithTheSaveAsDialogCancelledKeepsTheUnsavedPage)
{
    m_files->FileNew();
    m_pages->editor(0)->replaceSel("typed");
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    // No file chosen in the Save As dialog.
    m_pages->Luksiden1Click();
    EXPECT_FALSE(m_pages->closeGoOn());
    EXPECT_EQ(m_pages->pageCount(), 1);
    EXPECT_TRUE(m_pages->editor(0)->text().contains("typed"));
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(m_ui.fileRequests.first().fileName, "Untitled 1");
}

TEST_F(PageManagerTest, YesWithAFailedWriteKeepsTheUnsavedPage)
{
    const QStringList paths = openLetters(1);
    m_pages->editor(0)->replaceSel("typed");
    QFile::remove(paths[0]);
    QDir().mkdir(paths[0]); // a directory where the file was: it cannot be written
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    m_pages->Luksiden1Click();
    EXPECT_FALSE(m_pages->closeGoOn());
    EXPECT_EQ(m_pages->pageCount(), 1);
    EXPECT_TRUE(m_pages->editor(0)->isModified());
    EXPECT_TRUE(m_ui.lastMessage().contains(paths[0])) << m_ui.lastMessage().toStdString();
}

TEST_F(PageManagerTest, TestvedlukAsksOnlyAboutAModifiedActivePage)
{
    openLetters(2);
    m_pages->testvedluk();
    EXPECT_TRUE(m_pages->closeGoOn());
    EXPECT_TRUE(m_ui.messages.isEmpty());

    m_pages->editor(1)->replaceSel("x");
    m_ui.messageAnswers.enqueue(QMessageBox::Cancel);
    m_pages->testvedluk();
    EXPECT_FALSE(m_pages->closeGoOn());
    EXPECT_EQ(m_ui.lastMessage(), "Do you want to save changes to B.htm ?");
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    m_pages->testvedluk();
    EXPECT_TRUE(m_pages->closeGoOn());
    EXPECT_EQ(m_pages->pageCount(), 2); // asking closes nothing
}

TEST_F(PageManagerTest, CloseallWithThreeModifiedPagesAnsweredYesNoCancel)
{
    const QStringList paths = openLetters(3);
    for (int slot = 0; slot < 3; ++slot) {
        m_pages->editor(slot)->setCaretPosition(0);
        m_pages->editor(slot)->replaceSel("edited ");
    }
    m_ui.messageAnswers << QMessageBox::Yes << QMessageBox::No << QMessageBox::Cancel;
    EXPECT_FALSE(m_pages->closeall());

    ASSERT_EQ(m_ui.messages.size(), 3);
    EXPECT_EQ(m_ui.messages[0].text, "Do you want to save changes to C.htm ?");
    EXPECT_EQ(m_ui.messages[1].text, "Do you want to save changes to B.htm ?");
    EXPECT_EQ(m_ui.messages[2].text, "Do you want to save changes to A.htm ?");
    EXPECT_EQ(readBytes(paths[2]), "edited <P>text C</P>");
    EXPECT_EQ(readBytes(paths[1]), "<P>text B</P>");
    EXPECT_EQ(readBytes(paths[0]), "<P>text A</P>");

    // The pages closed so far stay closed; the one left is shown and named.
    EXPECT_EQ(tabTexts(), QStringList{"A.htm"});
    EXPECT_EQ(m_pages->activePage(), 0);
    EXPECT_TRUE(m_pages->editor(0)->isModified());
    EXPECT_EQ(m_pages->caption(), "Lumaro [" + paths[0] + "]");
    expectConsistent();
}

TEST_F(PageManagerTest, CloseallClosesEveryPage)
{
    openLetters(3);
    m_pages->editor(1)->replaceSel("x");
    m_pages->selectPage(1);
    QSignalSpy enabled(m_pages, &PageManager::pageCommandsEnabled);
    QSignalSpy closed(m_pages, &PageManager::pageClosed);
    m_ui.messageAnswers << QMessageBox::No;
    EXPECT_TRUE(m_pages->closeall());
    EXPECT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_pages->pageCount(), 0);
    EXPECT_EQ(m_pages->caption(), "Lumaro ");
    ASSERT_EQ(enabled.count(), 1);
    EXPECT_FALSE(enabled.at(0).at(0).toBool());
    EXPECT_EQ(closed.count(), 0);
    expectConsistent();

    // The next page starts the table again.
    openLetters(1);
    EXPECT_EQ(m_pages->activePage(), 0);
    expectConsistent();
}

TEST_F(PageManagerTest, CloseallCancelledOnTheLastPageClosesNothing)
{
    const QStringList paths = openLetters(2);
    m_pages->selectPage(0);
    m_pages->editor(1)->replaceSel("x");
    m_ui.messageAnswers << QMessageBox::Cancel;
    EXPECT_FALSE(m_pages->closeall());
    EXPECT_EQ(m_pages->pageCount(), 2);
    EXPECT_EQ(m_pages->activePage(), 0);
    EXPECT_EQ(m_pages->caption(), "Lumaro [" + paths[0] + "]");
    expectConsistent();
}

TEST_F(PageManagerTest, NewPageWithTextIsAnUntitledUnmodifiedPage)
{
    ASSERT_TRUE(m_pages->newPage("<B>imported</B>\r\nline"));
    EXPECT_EQ(m_pages->pageFileName(0), "Untitled 1");
    EXPECT_EQ(m_pages->editor(0)->text(), "<B>imported</B>\r\nline");
    EXPECT_FALSE(m_pages->editor(0)->isModified());
    EXPECT_EQ(m_pages->editor(0)->caretPosition(), 0);
    expectConsistent();
}

} // namespace
