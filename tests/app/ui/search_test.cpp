// The search commands: the dialog, Search Again, the find options and the
// start positions, driven through the real dialog on a stand-in main window.
#include "fakepagehost.h"
#include "scriptedinteraction.h"
#include "search_modal.h"
#include "searchcontroller.h"
#include "searchdialog.h"
#include "searchstate.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "helpservice.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::FakePageHost;
using lumaro::test::ModalDriver;

namespace {

struct DialogAnswer {
    QString text;
    bool wholeWord = false;
    bool matchCase = false;
    bool fromCursor = false;
};

class SearchTest : public ::testing::Test {
protected:
    void SetUp() override { lumaro::test::TestSandbox::clearSettings(); }

    /// Runs Search with the dialog answered as given; returns the text the
    /// dialog's box held when it opened.
    QString searchWith(const DialogAnswer &answer)
    {
        QString offered;
        ModalDriver<Tsoegdialog> driver([&](Tsoegdialog *d) {
            offered = d->Edit1->text();
            d->Edit1->setText(answer.text);
            d->CheckBox1->setChecked(answer.wholeWord);
            d->CheckBox2->setChecked(answer.matchCase);
            (answer.fromCursor ? d->RadioButton1 : d->RadioButton2)->setChecked(true);
            d->searchButton->click();
        });
        search.soegbtnClick();
        EXPECT_TRUE(driver.seen());
        return offered;
    }

    thtmlrichedit *page() { return host.activeEditor(); }

    ScriptedInteraction ui;
    FakePageHost host;
    SearchController search{host};
};

TEST(SearchStateTest, NotFoundMessageQuotesTheTextWithBlankAndExclamationMark)
{
    EXPECT_EQ(SearchState::notFoundMessage(QStringLiteral("<TABLE>")),
              QStringLiteral("Could not find \"<TABLE>\" !"));
    EXPECT_EQ(SearchState::notFoundMessage(QString()), QStringLiteral("Could not find \"\" !"));
}

TEST(SearchStateTest, OptionByteAndStartPositions)
{
    EXPECT_EQ(SearchState::optionsFrom(false, false), 0);
    EXPECT_EQ(SearchState::optionsFrom(true, false), 1);
    EXPECT_EQ(SearchState::optionsFrom(false, true), 2);
    EXPECT_EQ(SearchState::optionsFrom(true, true), 3);
    EXPECT_EQ(SearchState::startPosition(true, 17, QStringLiteral("abc")), 0);
    EXPECT_EQ(SearchState::startPosition(false, 17, QStringLiteral("abc")), 20);
    EXPECT_EQ(SearchState::startPosition(false, 0, QString()), 0);
}

TEST_F(SearchTest, EntireScopeFindsAMatchAtTheFirstCharacter)
{
    host.addPage(QStringLiteral("<HTML>\r\n<BODY>x</BODY>\r\n</HTML>"));
    page()->setSelection(20, 0); // caret far past the first match
    searchWith({QStringLiteral("<HTML>")});
    EXPECT_EQ(page()->selStart(), 0);
    EXPECT_EQ(page()->selLength(), 6);
    EXPECT_EQ(search.state().lastMatch, 0);
    EXPECT_TRUE(ui.messages.isEmpty());
}

struct WholeWordCase {
    const char *name;
    const char *text;
    const char *find;
    bool wholeWord;
    bool matchCase;
    int expected;
};

class WholeWordSearch : public SearchTest, public ::testing::WithParamInterface<WholeWordCase> {};

TEST_P(WholeWordSearch, FindsTagNamesBoundedByAngleBrackets)
{
    const WholeWordCase c = GetParam();
    host.addPage(QString::fromUtf8(c.text));
    searchWith({QString::fromUtf8(c.find), c.wholeWord, c.matchCase});
    EXPECT_EQ(search.state().lastMatch, c.expected);
    if (c.expected >= 0) {
        EXPECT_EQ(page()->selStart(), c.expected);
        EXPECT_EQ(page()->selLength(), int(QString::fromUtf8(c.find).size()));
        EXPECT_TRUE(ui.messages.isEmpty());
    } else {
        ASSERT_EQ(ui.messages.size(), 1);
        EXPECT_EQ(ui.lastMessage(),
                  QStringLiteral("Could not find \"") + QString::fromUtf8(c.find) + QStringLiteral("\" !"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WholeWordSearch,
    ::testing::Values(
        WholeWordCase{"TagNameInsideTag", "TABLEAU <TABLE BORDER=1>", "TABLE", true, false, 9},
        WholeWordCase{"EndTagName", "TDX</TD>", "TD", true, false, 5},
        WholeWordCase{"PrefixIsNoWord", "<TABLEAU>", "TABLE", true, false, -1},
        WholeWordCase{"UnderscoreJoinsWords", "<a_b> <b>", "b", true, false, 7},
        WholeWordCase{"WithoutWholeWordPrefixMatches", "<TABLEAU>", "TABLE", false, false, 1},
        WholeWordCase{"CaseIgnoredByDefault", "<table>", "TABLE", true, false, 1},
        WholeWordCase{"CaseSensitiveMisses", "<table>", "TABLE", true, true, -1},
        WholeWordCase{"CaseSensitiveFindsExact", "<table><TABLE>", "TABLE", false, true, 8}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SearchTest, CaseOptionDoesNotStickToTheNextSearch)
{
    host.addPage(QStringLiteral("<BODY>body</BODY>"));
    searchWith({QStringLiteral("body"), false, true});
    EXPECT_EQ(page()->selStart(), 6);
    EXPECT_EQ(search.state().options, 2);

    searchWith({QStringLiteral("body"), false, false});
    EXPECT_EQ(search.state().options, 0);
    EXPECT_EQ(page()->selStart(), 1) << "the second search must ignore case";
}

TEST_F(SearchTest, SearchAgainSelectsTheNextMatchThenReportsTheEnd)
{
    host.addPage(QStringLiteral("<b>x</b> <b>y</b>"));
    searchWith({QStringLiteral("<b>")});
    EXPECT_EQ(page()->selStart(), 0);

    search.Sgigen1Click();
    EXPECT_EQ(page()->selStart(), 9);
    EXPECT_EQ(page()->selLength(), 3);
    EXPECT_TRUE(ui.messages.isEmpty());

    search.Sgigen1Click();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.messages[0].text, QStringLiteral("Could not find \"<b>\" !"));
    EXPECT_EQ(ui.messages[0].title, QStringLiteral("Lumaro"));
    EXPECT_EQ(ui.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_EQ(search.state().lastMatch, -1);
    // The selection stays on the last match.
    EXPECT_EQ(page()->selStart(), 9);
    EXPECT_EQ(page()->selLength(), 3);
}

TEST_F(SearchTest, SearchAgainWorksOnTheActivePageWithTheStoredOptions)
{
    host.addPage(QStringLiteral("Word word"));
    host.addPage(QStringLiteral("word WORD Word"));
    host.selectPage(0);
    searchWith({QStringLiteral("Word"), false, true});
    EXPECT_EQ(page()->selStart(), 0);

    host.selectPage(1);
    page()->setSelection(0, 0);
    search.Sgigen1Click(); // starts at 0 + 4, case sensitive
    EXPECT_EQ(page()->selStart(), 10);
}

TEST_F(SearchTest, SearchAgainBeforeAnySearchLooksForTheEmptyText)
{
    host.addPage(QStringLiteral("abc"));
    search.Sgigen1Click();
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_EQ(ui.lastMessage(), QStringLiteral("Could not find \"\" !"));
}

TEST_F(SearchTest, FromCursorStartsPastTheSelectedMatch)
{
    host.addPage(QStringLiteral("ab ab ab"));
    page()->setSelection(3, 2); // the second "ab" is selected
    const QString offered = searchWith({QStringLiteral("ab"), false, false, true});
    EXPECT_EQ(offered, QStringLiteral("ab")) << "the selection fills the text box";
    EXPECT_EQ(page()->selStart(), 6);
}

TEST_F(SearchTest, FromCursorDoesNotWrapAround)
{
    host.addPage(QStringLiteral("ab ab"));
    page()->setSelection(3, 2);
    searchWith({QStringLiteral("ab"), false, false, true});
    EXPECT_EQ(ui.lastMessage(), QStringLiteral("Could not find \"ab\" !"));
    EXPECT_EQ(page()->selStart(), 3);
    EXPECT_EQ(page()->selLength(), 2);
}

TEST_F(SearchTest, DialogIsKeptAndRefilledFromTheSelectionEachTime)
{
    host.addPage(QStringLiteral("one two"));
    Tsoegdialog *first = search.dialog();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->RadioButton2->isChecked()) << "Entire scope is the default";

    searchWith({QStringLiteral("two"), true, true, true});
    // A match is selected now: the next opening offers it.
    QString offered;
    bool wholeWord = false, matchCase = false, fromCursor = false;
    {
        ModalDriver<Tsoegdialog> driver([&](Tsoegdialog *d) {
            offered = d->Edit1->text();
            wholeWord = d->CheckBox1->isChecked();
            matchCase = d->CheckBox2->isChecked();
            fromCursor = d->RadioButton1->isChecked();
            d->cancelButton->click();
        });
        search.soegbtnClick();
    }
    EXPECT_EQ(search.dialog(), first);
    EXPECT_EQ(offered, QStringLiteral("two"));
    EXPECT_TRUE(wholeWord);
    EXPECT_TRUE(matchCase);
    EXPECT_TRUE(fromCursor);

    // With nothing selected the text box opens empty.
    page()->setSelection(0, 0);
    {
        ModalDriver<Tsoegdialog> driver([&](Tsoegdialog *d) {
            offered = d->Edit1->text();
            d->cancelButton->click();
        });
        search.soegbtnClick();
    }
    EXPECT_TRUE(offered.isEmpty());
}

TEST_F(SearchTest, CancelChangesNothing)
{
    host.addPage(QStringLiteral("abc abc"));
    searchWith({QStringLiteral("abc")});
    page()->setSelection(2, 0);
    {
        ModalDriver<Tsoegdialog> driver([&](Tsoegdialog *d) {
            d->Edit1->setText(QStringLiteral("zzz"));
            d->cancelButton->click();
        });
        search.soegbtnClick();
    }
    EXPECT_EQ(search.state().text, QStringLiteral("abc"));
    EXPECT_EQ(page()->selStart(), 2);
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(SearchTest, MultiLineSelectionIsFoundWithItsLineBreak)
{
    host.addPage(QStringLiteral("a\r\nb a\r\nb"));
    page()->setSelection(0, 3);
    EXPECT_EQ(page()->selText(), QStringLiteral("a\r\nb"));
    searchWith({QStringLiteral("a\r\nb"), false, false, true});
    EXPECT_EQ(page()->selStart(), 4);
    EXPECT_EQ(page()->selLength(), 3);
    search.Sgigen1Click();
    EXPECT_EQ(ui.lastMessage(), QStringLiteral("Could not find \"a\r\nb\" !"));
}

TEST_F(SearchTest, WithoutAPageNothingHappens)
{
    {
        ModalDriver<Tsoegdialog> driver([](Tsoegdialog *) {});
        search.soegbtnClick();
        EXPECT_FALSE(driver.seen());
    }
    search.Sgigen1Click();
    EXPECT_TRUE(ui.messages.isEmpty());
}

TEST_F(SearchTest, CommandsAreConnected)
{
    host.addPage(QStringLiteral("x y x"));
    QAction *again = host.command(QStringLiteral("Sgigen1"));
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->isEnabled());
    searchWith({QStringLiteral("x")});
    again->trigger();
    EXPECT_EQ(page()->selStart(), 4);

    // The page commands are enabled by the main window once a page is open.
    host.command(QStringLiteral("soegbtn"))->setEnabled(true);
    ModalDriver<Tsoegdialog> driver([](Tsoegdialog *d) { d->cancelButton->click(); });
    host.command(QStringLiteral("soegbtn"))->trigger();
    EXPECT_TRUE(driver.seen());
}

TEST_F(SearchTest, SearchButtonStaysDisabledWithoutPages)
{
    FakePageHost empty;
    SearchController controller(empty);
    EXPECT_FALSE(empty.command(QStringLiteral("soegbtn"))->isEnabled());
    EXPECT_TRUE(empty.command(QStringLiteral("Sgigen1"))->isEnabled());
}

TEST_F(SearchTest, DialogTextsAndHelpContext)
{
    Tsoegdialog *d = search.dialog();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Search"));
    EXPECT_EQ(d->CheckBox1->text(), QStringLiteral("Whole words only"));
    EXPECT_EQ(d->CheckBox2->text(), QStringLiteral("Case sensitive"));
    EXPECT_EQ(d->RadioButton1->text(), QStringLiteral("From cursor"));
    EXPECT_EQ(d->RadioButton2->text(), QStringLiteral("Entire scope"));
    EXPECT_EQ(d->searchButton->text(), QStringLiteral("Search"));
    EXPECT_TRUE(d->searchButton->isDefault());
    RecordingHelp helpLog;
    d->helpButton->click();
    EXPECT_EQ(helpLog.topics, QList<int>{1470});
}

} // namespace
