// The file commands: New and Open with the 15-page limit, Save writing exactly
// the page's characters, Save As with its file types, extension rule and
// overwrite question, the encodings and the conversions around saving.
#include "pagemanager_fixture.h"
#include "pagenames.h"

#include <QSignalSpy>

using namespace lumaro;
using namespace lumaro::test;

namespace {

class FileCommandsTest : public PageFixture {};

const QString kLimit = QStringLiteral("You can only have 15 files open");

// ---------------------------------------------------------------------------
// New and Open

TEST_F(FileCommandsTest, FileNewAtTheLimitSaysSoAndChangesNothing)
{
    const QString path = makeFile("page.htm", "x");
    for (int i = 0; i < 15; ++i)
        ASSERT_TRUE(m_pages->openfilproj(path));
    m_files->FileNew();
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].text, kLimit);
    EXPECT_EQ(m_ui.messages[0].title, "Lumaro");
    EXPECT_EQ(m_pages->pageCount(), 15);
    EXPECT_EQ(m_pages->untitledCounter(), 1);
    expectConsistent();
}

TEST_F(FileCommandsTest, FileOpenAtTheLimitSaysSoWithoutADialog)
{
    const QString path = makeFile("page.htm", "x");
    for (int i = 0; i < 15; ++i)
        ASSERT_TRUE(m_pages->openfilproj(path));
    m_files->FileOpen();
    EXPECT_EQ(m_ui.lastMessage(), kLimit);
    EXPECT_TRUE(m_ui.fileRequests.isEmpty());
    EXPECT_EQ(m_pages->pageCount(), 15);
}

TEST_F(FileCommandsTest, FileOpenWithThirteenPagesOpensTwoOfFourFiles)
{
    const QString filler = makeFile("filler.htm", "x");
    for (int i = 0; i < 13; ++i)
        ASSERT_TRUE(m_pages->openfilproj(filler));
    QStringList chosen;
    for (const char *name : {"one.htm", "two.htm", "three.htm", "four.htm"})
        chosen << makeFile(name, name);
    m_ui.openAnswers.enqueue(chosen);
    m_files->FileOpen();
    EXPECT_EQ(m_pages->pageCount(), 15);
    EXPECT_EQ(m_pages->pageTabName(13), "one.htm");
    EXPECT_EQ(m_pages->pageTabName(14), "two.htm");
    EXPECT_EQ(m_pages->activePage(), 14);
    EXPECT_TRUE(m_ui.messages.isEmpty());
    expectConsistent();
}

TEST_F(FileCommandsTest, FileOpenStartsInTheLastDirectoryWithTheFileTypes)
{
    tregini().writelastdir(m_dir + "/any.htm");
    const QString a = makeFile("a.htm", "A");
    const QString b = makeFile("b.txt", "B");
    m_ui.openAnswers.enqueue({a, b});
    m_files->FileOpen();

    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    const FileDialogRequest &request = m_ui.fileRequests.first();
    EXPECT_EQ(request.directory, m_dir);
    EXPECT_EQ(request.filter, "HTML files *.html *.htm (*.html *.htm);;Text files *.txt (*.txt);;"
                              "All files *.* (*)");
    EXPECT_EQ(tabTexts(), (QStringList{"a.htm", "b.txt"}));
    EXPECT_EQ(m_pages->activePage(), 1);
}

TEST_F(FileCommandsTest, FileOpenGoesOnAfterAFileThatCannotBeRead)
{
    const QString good = makeFile("good.htm", "ok");
    m_ui.openAnswers.enqueue({m_dir + "/gone.htm", good});
    m_files->FileOpen();
    EXPECT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(tabTexts(), QStringList{"good.htm"});
    expectConsistent();
}

TEST_F(FileCommandsTest, FileOpenCancelledOpensNothing)
{
    m_files->FileOpen();
    EXPECT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(m_pages->pageCount(), 0);
}

// ---------------------------------------------------------------------------
// Save

TEST_F(FileCommandsTest, SaveWritesExactlyTheCharactersWithCrLf)
{
    const QString path = makeFile("page.htm", "old");
    ASSERT_TRUE(m_pages->openfilproj(path));
    thtmlrichedit *ed = m_pages->editor(0);
    ed->selectAllText();
    ed->replaceSel("<B>bold</B>\nsecond\rthird\r\n\r\nlast \xc3\xa6");
    // Formatting in the page is not written.
    ed->setSelection(0, 3);
    CharAttributes blue;
    blue.color = Qt::blue;
    blue.bold = true;
    ed->setSelectionAttributes(blue);
    ASSERT_TRUE(ed->isModified());

    EXPECT_TRUE(m_files->FileSave());
    EXPECT_EQ(readBytes(path), "<B>bold</B>\r\nsecond\r\nthird\r\n\r\nlast \xc3\xa6");
    EXPECT_FALSE(ed->isModified());
    EXPECT_TRUE(m_ui.fileRequests.isEmpty());
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(FileCommandsTest, AWindows1252FileIsSavedBackInWindows1252)
{
    const QString path = makeFile("latin.htm", "caf\xe9 cr\xe8me\r\n\x80 5");
    ASSERT_TRUE(m_pages->openfilproj(path));
    thtmlrichedit *ed = m_pages->editor(0);
    EXPECT_EQ(ed->text(), QString::fromUtf8("café crème\r\n€ 5"));
    ed->setCaretPosition(ed->textLength());
    ed->replaceSel(QString::fromUtf8(" ñ"));
    EXPECT_TRUE(m_files->FileSave());
    EXPECT_EQ(readBytes(path), "caf\xe9 cr\xe8me\r\n\x80 5 \xf1");
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(FileCommandsTest, AWindows1252PageWithOtherCharactersIsSavedAsUtf8)
{
    const QString path = makeFile("latin.htm", "caf\xe9");
    ASSERT_TRUE(m_pages->openfilproj(path));
    thtmlrichedit *ed = m_pages->editor(0);
    ed->setCaretPosition(ed->textLength());
    ed->replaceSel(QString::fromUtf8(" Ω"));
    EXPECT_TRUE(m_files->FileSave());
    EXPECT_EQ(readBytes(path), "caf\xc3\xa9 \xce\xa9");
    EXPECT_EQ(ed->encoding(), TextEncoding::Utf8);
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(path));
}

TEST_F(FileCommandsTest, SaveOfAnUntitledPageRunsSaveAs)
{
    m_files->FileNew();
    m_ui.saveAnswers.enqueue(m_dir + "/fresh");
    EXPECT_TRUE(m_files->FileSave());
    EXPECT_EQ(m_pages->pageFileName(0), m_dir + "/fresh.htm");
    // The template's final line break is the new page's too.
    EXPECT_EQ(readBytes(m_dir + "/fresh.htm"), "<HTML>\r\n<BODY>\r\n\r\n</BODY>\r\n</HTML>\r\n");
}

TEST_F(FileCommandsTest, AFailedWriteKeepsThePageAndTheOldFile)
{
    const QString path = makeFile("page.htm", "old");
    ASSERT_TRUE(m_pages->openfilproj(path));
    m_pages->editor(0)->selectAllText();
    m_pages->editor(0)->replaceSel("new");
    // A save into a directory that does not exist.
    m_ui.saveAnswers.enqueue(m_dir + "/missing-dir/page.htm");
    EXPECT_FALSE(m_files->FileSaveAs());
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(m_dir + "/missing-dir/page.htm"));
    EXPECT_EQ(m_pages->pageFileName(0), path);
    EXPECT_EQ(m_pages->pageTabName(0), "page.htm");
    EXPECT_EQ(m_pages->caption(), "Lumaro [" + path + "]");
    EXPECT_TRUE(m_pages->editor(0)->isModified());
    EXPECT_EQ(readBytes(path), "old");
}

// ---------------------------------------------------------------------------
// Save As

struct SaveAsCase {
    const char *label;
    const char *typed;
    int filterItem;
    const char *written;
};

void PrintTo(const SaveAsCase &c, std::ostream *os) { *os << c.label; }

class SaveAsNameTest : public FileCommandsTest,
                       public ::testing::WithParamInterface<SaveAsCase> {};

TEST_P(SaveAsNameTest, WritesTheFileTheExtensionRuleNames)
{
    const SaveAsCase &c = GetParam();
    const QStringList filters = PageNames::saveFilter().split(";;");
    ASSERT_EQ(filters.size(), 3);
    m_files->FileNew();
    m_pages->editor(0)->selectAllText();
    m_pages->editor(0)->replaceSel("content");
    QSignalSpy renamed(m_pages, &PageManager::pageRenamed);
    m_ui.saveFilterAnswers.enqueue(filters[c.filterItem - 1]);
    m_ui.saveAnswers.enqueue(m_dir + "/" + c.typed);

    ASSERT_TRUE(m_files->FileSaveAs());
    const QString written = m_dir + "/" + c.written;
    EXPECT_EQ(readBytes(written), "content\r\n"); // the template's final line break
    EXPECT_EQ(QDir(m_dir).entryList(QDir::Files), QStringList{c.written});
    EXPECT_TRUE(m_pages->pageHasFile(0));
    EXPECT_EQ(m_pages->pageFileName(0), written);
    EXPECT_EQ(m_pages->pageTabName(0), c.written);
    EXPECT_EQ(m_tabs->tabText(0), c.written);
    EXPECT_EQ(m_pages->currentName(), c.written);
    EXPECT_EQ(m_pages->caption(), "Lumaro [" + written + "]");
    EXPECT_FALSE(m_pages->editor(0)->isModified());
    EXPECT_EQ(tregini().readlastdir(), m_dir);
    ASSERT_EQ(renamed.count(), 1);
    EXPECT_EQ(renamed.at(0).at(0).toString(), "Untitled 1");
    EXPECT_EQ(renamed.at(0).at(1).toString(), written);
}

INSTANTIATE_TEST_SUITE_P(
    ExtensionRule, SaveAsNameTest,
    ::testing::Values(SaveAsCase{"htmItem", "page", 1, "page.htm"},
                      SaveAsCase{"htmlItem", "page", 2, "page.html"},
                      SaveAsCase{"txtItem", "page", 3, "page.txt"},
                      SaveAsCase{"ownExtensionKept", "page.txt", 2, "page.txt"},
                      SaveAsCase{"ownCaseKept", "Page.HTM", 3, "Page.HTM"},
                      SaveAsCase{"dotInLastPartOnly", "my.site", 1, "my.site"},
                      SaveAsCase{"blanksKept", "my page", 2, "my page.html"}),
    [](const ::testing::TestParamInfo<SaveAsCase> &info) { return std::string(info.param.label); });

TEST_F(FileCommandsTest, SaveAsProposesTheTabNameInTheLastDirectory)
{
    tregini().writelastdir(m_dir + "/x.htm");
    m_files->FileNew();
    EXPECT_FALSE(m_files->FileSaveAs()); // cancelled
    ASSERT_EQ(m_ui.fileRequests.size(), 1);
    const FileDialogRequest &request = m_ui.fileRequests.first();
    EXPECT_EQ(request.fileName, "Untitled 1");
    EXPECT_EQ(request.directory, m_dir);
    EXPECT_EQ(request.filter,
              "HTML files *.htm (*.htm);;HTML files *.html (*.html);;Text files *.txt (*.txt)");
    EXPECT_EQ(request.selectedFilter, "HTML files *.htm (*.htm)");
    // Cancel changes nothing.
    EXPECT_EQ(m_pages->pageFileName(0), "Untitled 1");
    EXPECT_FALSE(m_pages->pageHasFile(0));
    EXPECT_TRUE(QDir(m_dir).entryList(QDir::Files).isEmpty());
}

TEST_F(FileCommandsTest, OverwriteAnsweredNoWritesNothing)
{
    const QString existing = makeFile("taken.htm", "precious");
    m_files->FileNew();
    m_pages->editor(0)->replaceSel("x");
    m_ui.saveAnswers.enqueue(m_dir + "/taken");
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    EXPECT_FALSE(m_files->FileSaveAs());

    ASSERT_EQ(m_ui.messages.size(), 1);
    const MessageRequest &question = m_ui.messages.first();
    EXPECT_EQ(question.title, "Lumaro");
    EXPECT_EQ(question.text, "Do you want to overwrite " + existing + " ?");
    EXPECT_EQ(question.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(question.icon, QMessageBox::Question);
    EXPECT_EQ(readBytes(existing), "precious");
    EXPECT_EQ(m_pages->pageFileName(0), "Untitled 1");
    EXPECT_EQ(m_pages->pageTabName(0), "Untitled 1");
    EXPECT_FALSE(m_pages->pageHasFile(0));
    EXPECT_TRUE(m_pages->editor(0)->isModified());
}

TEST_F(FileCommandsTest, OverwriteAnsweredYesReplacesTheFile)
{
    const QString existing = makeFile("taken.htm", "precious");
    const QString mine = makeFile("mine.htm", "mine");
    ASSERT_TRUE(m_pages->openfilproj(mine));
    m_ui.saveAnswers.enqueue(existing);
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    EXPECT_TRUE(m_files->FileSaveAs());
    EXPECT_EQ(readBytes(existing), "mine");
    EXPECT_EQ(m_pages->pageFileName(0), existing);
    EXPECT_EQ(m_tabs->tabText(0), "taken.htm");
}

TEST_F(FileCommandsTest, SavedPageKeepsItsSlotWhenRenamed)
{
    const QStringList paths = openLetters(3);
    m_pages->selectPage(1);
    m_ui.saveAnswers.enqueue(m_dir + "/renamed.html");
    ASSERT_TRUE(m_files->FileSaveAs());
    EXPECT_EQ(tabTexts(), (QStringList{"A.htm", "renamed.html", "C.htm"}));
    EXPECT_EQ(m_pages->activePage(), 1);
    EXPECT_EQ(readBytes(m_dir + "/renamed.html"), "<P>text B</P>");
    expectConsistent();
}

// ---------------------------------------------------------------------------
// Conversions around loading and saving

class ConversionTest : public FileCommandsTest {
protected:
    void SetUp() override
    {
        FileCommandsTest::SetUp();
        // A stand-in for the special-character conversion: one letter and its entity.
        m_hooks.beforeSave = [this](thtmlrichedit &ed, QString *error) {
            ++m_before;
            if (m_failBefore) {
                *error = "The special-character table is missing";
                return false;
            }
            swap(ed, QString::fromUtf8("æ"), "&aelig;");
            return true;
        };
        m_hooks.afterSave = [this](thtmlrichedit &ed) {
            ++m_after;
            swap(ed, "&aelig;", QString::fromUtf8("æ"));
        };
        m_hooks.afterLoad = [this](thtmlrichedit &ed, QString *) {
            ++m_loaded;
            swap(ed, "&aelig;", QString::fromUtf8("æ"));
            return true;
        };
        m_pages->setConversionHooks(m_hooks);
    }

    static void swap(thtmlrichedit &ed, const QString &from, const QString &to)
    {
        QString text = ed.text();
        text.replace(from, to);
        ed.selectAllText();
        ed.replaceSel(text);
    }

    PageConversionHooks m_hooks;
    int m_before = 0;
    int m_after = 0;
    int m_loaded = 0;
    bool m_failBefore = false;
};

TEST_F(ConversionTest, HooksRunOnlyWhileConvsaveIsOn)
{
    const QString path = makeFile("page.htm", "&aelig;");
    ASSERT_TRUE(m_pages->openfilproj(path));
    EXPECT_EQ(m_loaded, 0);
    EXPECT_EQ(m_pages->editor(0)->text(), "&aelig;");
    m_pages->editor(0)->replaceSel("x");
    EXPECT_TRUE(m_files->FileSave());
    EXPECT_EQ(m_before + m_after, 0);
}

TEST_F(ConversionTest, WithConvsaveTheFileHoldsEntitiesAndThePageCharacters)
{
    tregini().writeconvsave(true);
    const QString path = makeFile("page.htm", "<P>&aelig;ble</P>");
    ASSERT_TRUE(m_pages->openfilproj(path));
    EXPECT_EQ(m_loaded, 1);
    thtmlrichedit *ed = m_pages->editor(0);
    EXPECT_EQ(ed->text(), QString::fromUtf8("<P>æble</P>"));
    EXPECT_FALSE(ed->isModified());

    ed->setCaretPosition(ed->textLength());
    ed->replaceSel(QString::fromUtf8(" æ"));
    EXPECT_TRUE(m_files->FileSave());
    EXPECT_EQ(readBytes(path), "<P>&aelig;ble</P> &aelig;");
    EXPECT_EQ(ed->text(), QString::fromUtf8("<P>æble</P> æ"));
    EXPECT_FALSE(ed->isModified());
}

TEST_F(ConversionTest, AFailedConversionStopsTheSaveAndSaysWhy)
{
    tregini().writeconvsave(true);
    const QString path = makeFile("page.htm", "old");
    ASSERT_TRUE(m_pages->openfilproj(path));
    m_pages->editor(0)->replaceSel("new ");
    m_failBefore = true;
    EXPECT_FALSE(m_files->FileSave());
    EXPECT_EQ(readBytes(path), "old");
    EXPECT_EQ(m_ui.lastMessage(), "The special-character table is missing");
    EXPECT_TRUE(m_pages->editor(0)->isModified());
    EXPECT_EQ(m_after, 0);
}

TEST_F(ConversionTest, AfterAFailedWriteThePageShowsCharactersAgain)
{
    tregini().writeconvsave(true);
    m_files->FileNew();
    m_pages->editor(0)->selectAllText();
    m_pages->editor(0)->replaceSel(QString::fromUtf8("æ"));
    m_ui.saveAnswers.enqueue(m_dir + "/no/such/dir/page.htm");
    EXPECT_FALSE(m_files->FileSave());
    EXPECT_EQ(m_before, 1);
    EXPECT_EQ(m_after, 1);
    EXPECT_EQ(m_pages->editor(0)->text(), QString::fromUtf8("æ"));
    EXPECT_TRUE(m_pages->editor(0)->isModified());
    EXPECT_EQ(m_pages->pageFileName(0), "Untitled 1");
}

// ---------------------------------------------------------------------------
// Naming rules

TEST(PageNamesTest, TabNameDropsTheDirectoryAtEitherSeparator)
{
    EXPECT_EQ(PageNames::tabName("/home/u/site/index.htm"), "index.htm");
    EXPECT_EQ(PageNames::tabName("C:\\My Pages\\a.htm"), "a.htm");
    EXPECT_EQ(PageNames::tabName("C:\\web/x\\b.html"), "b.html");
    EXPECT_EQ(PageNames::tabName("plain.txt"), "plain.txt");
    EXPECT_EQ(PageNames::tabName("Untitled 3"), "Untitled 3");
    EXPECT_EQ(PageNames::tabName("dir/"), "");
}

TEST(PageNamesTest, ExtensionLooksAtTheFileNamePartOnly)
{
    EXPECT_TRUE(PageNames::hasExtension("a.htm"));
    EXPECT_TRUE(PageNames::hasExtension("/x/a.b/c.d"));
    EXPECT_TRUE(PageNames::hasExtension("page."));
    EXPECT_FALSE(PageNames::hasExtension("/x/a.b/c"));
    EXPECT_FALSE(PageNames::hasExtension("C:\\my.dir\\page"));
    EXPECT_FALSE(PageNames::hasExtension(""));
}

TEST(PageNamesTest, SelectedFilterTextGivesTheItem)
{
    const QStringList filters = PageNames::saveFilter().split(";;");
    EXPECT_EQ(PageNames::saveFilterItem(filters[0]), 1);
    EXPECT_EQ(PageNames::saveFilterItem(filters[1]), 2);
    EXPECT_EQ(PageNames::saveFilterItem(filters[2]), 3);
    EXPECT_EQ(PageNames::saveFilterItem(""), 1);
    EXPECT_EQ(PageNames::saveFilterItem("Something else (*)"), 1);
    EXPECT_EQ(PageNames::untitledName(12), "Untitled 12");
}

} // namespace
