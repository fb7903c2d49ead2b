// Check page and the page outline run from the real main window: the
// results panel filled for the active page, a row taking the user to the
// problem, the outline following the page and its typing.
#include "checkcontroller.h"
#include "checkresultspanel.h"
#include "mainwindow.h"
#include "pageoutlinepanel.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QLabel>
#include <QTableView>
#include "checkresultsmodel.h"
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

const QString kPage = QStringLiteral("<!DOCTYPE html>\r\n<html><head><title>t</title></head><body>\r\n"
                                     "<h1>Top</h1>\r\n<p bogus=\"1\">AT&T</p>\r\n"
                                     "<table><tr><td>x</td></tr></table>\r\n</body></html>\r\n");

class MainWindowCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        setInteraction(&m_ui);
        m_window = std::make_unique<TMainwindow>();
        m_window->FormShow();
        ASSERT_EQ(m_window->pageCount(), 1);
        m_controller = m_window->findChild<CheckController *>();
        ASSERT_NE(m_controller, nullptr);
    }
    void TearDown() override
    {
        m_window.reset();
        setInteraction(nullptr);
    }

    thtmlrichedit *active() { return m_window->editor(m_window->activePage()); }
    void run(const char *name)
    {
        QAction *action = m_window->command(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }

    ScriptedInteraction m_ui;
    std::unique_ptr<TMainwindow> m_window;
    CheckController *m_controller = nullptr;
};

TEST_F(MainWindowCheckTest, CheckPageListsProblemsAndJumpsToThem)
{
    thtmlrichedit *ed = active();
    ed->loadPlainText(kPage);
    ed->setModified(false);
    EXPECT_EQ(m_window->findChild<CheckResultsPanel *>(), nullptr); // made on first use
    run("Checkpage1");
    CheckResultsPanel *panel = m_controller->resultsPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisibleTo(m_window.get()));
    EXPECT_EQ(panel->summaryLabel()->text(), QStringLiteral("0 errors, 2 warnings"));
    QTableView *table = panel->table();
    CheckResultsModel *model = panel->model();
    auto cell = [model](int row, int column) { return model->index(row, column).data().toString(); };
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(cell(0, 0), QStringLiteral("4"));
    EXPECT_EQ(cell(0, 2), QStringLiteral("warning"));

    // Double-click the ampersand's row: its place is selected, the page has the focus.
    const int amp = cell(0, 3).contains(QLatin1Char('&')) ? 0 : 1;
    emit table->doubleClicked(model->index(amp, 0));
    EXPECT_EQ(ed->selText(), QStringLiteral("&"));
    // Enter on the attribute's row selects its whole tag.
    table->setFocus();
    table->setCurrentIndex(model->index(1 - amp, 0));
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(ed->selText(), QStringLiteral("<p bogus=\"1\">"));
    EXPECT_FALSE(ed->isModified());

    // A second page has not been checked; the first one's results come back with it.
    run("FileNew");
    ASSERT_EQ(m_window->pageCount(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->model()->rowCount(), 0);
    EXPECT_EQ(panel->summaryLabel()->text(), QStringLiteral("The page has not been checked."));
    m_window->selectPage(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->model()->rowCount(), 2);
}

TEST_F(MainWindowCheckTest, OutlineFollowsThePageAndSelectsStartTags)
{
    thtmlrichedit *ed = active();
    ed->loadPlainText(kPage);
    run("Outline1");
    EXPECT_TRUE(m_window->command(QStringLiteral("SpeedButtonOutline"))->isChecked());
    PageOutlinePanel *panel = m_controller->outlinePanel();
    ASSERT_NE(panel, nullptr);
    m_controller->waitForOutline();
    QTreeWidget *tree = panel->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("H1 Top"));
    EXPECT_EQ(tree->topLevelItem(1)->text(0), QStringLiteral("TABLE"));
    EXPECT_EQ(tree->topLevelItem(1)->text(1), QStringLiteral("5"));
    emit tree->itemClicked(tree->topLevelItem(1), 0);
    EXPECT_EQ(ed->selText(), QStringLiteral("<table>"));

    // Typing refreshes it a moment later.
    ed->setSelection(0, 0);
    ed->replaceSelection(QStringLiteral("<div id=\"menu\"></div>"));
    m_controller->waitForOutline();
    ASSERT_EQ(tree->topLevelItemCount(), 3);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), QStringLiteral("DIV #menu"));

    // Hiding it through the command unchecks both toggles.
    run("SpeedButtonOutline");
    EXPECT_FALSE(panel->isVisibleTo(m_window.get()));
    EXPECT_FALSE(m_window->command(QStringLiteral("Outline1"))->isChecked());
}

} // namespace

TEST_F(MainWindowCheckTest, ResultsFollowTheirPageWhenAnEarlierPageCloses)
{
    // A has an unknown attribute, B nothing checked, C a bare ampersand.
    active()->loadPlainText(QStringLiteral("<p bogus=\"1\">a</p>"));
    active()->setModified(false);
    ASSERT_TRUE(m_window->newPageWithText(QStringLiteral("<p>b</p>")));
    ASSERT_TRUE(m_window->newPageWithText(QStringLiteral("<p>AT&T</p>")));
    const QString nameOfC = m_window->pageFileName(2);
    for (int slot : {0, 2}) {
        m_window->selectPage(slot);
        QCoreApplication::processEvents();
        run("Checkpage1");
    }
    CheckResultsPanel *panel = m_controller->resultsPanel();
    ASSERT_NE(panel, nullptr);
    auto messages = [panel] {
        QStringList out;
        for (int r = 0; r < panel->model()->rowCount(); ++r)
            out << panel->model()->index(r, 3).data().toString();
        return out.join(u'|');
    };
    const QString rowsOfC = messages();
    ASSERT_TRUE(rowsOfC.contains(u'&')) << rowsOfC.toStdString();

    m_window->selectPage(0);
    QCoreApplication::processEvents();
    run("Luksiden1");
    QCoreApplication::processEvents();
    ASSERT_EQ(m_window->pageCount(), 2);
    // B moved into A's slot: it has no results of its own.
    m_window->selectPage(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->summaryLabel()->text(), QStringLiteral("The page has not been checked."));
    EXPECT_EQ(panel->model()->rowCount(), 0);
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Check page"));
    // C, one slot down, keeps its own.
    m_window->selectPage(1);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages(), rowsOfC);
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Check page: ") + nameOfC);

    // A page opened into the freed slot starts unchecked.
    ASSERT_TRUE(m_window->newPageWithText(QStringLiteral("<p bogus=\"2\">new</p>")));
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->summaryLabel()->text(), QStringLiteral("The page has not been checked."));
}

TEST_F(MainWindowCheckTest, AJumpAfterEditsSelectsTheProblemItIsAbout)
{
    thtmlrichedit *ed = active();
    ed->loadPlainText(kPage);
    ed->setModified(false);
    run("Checkpage1");
    CheckResultsPanel *panel = m_controller->resultsPanel();
    ASSERT_NE(panel, nullptr);
    CheckResultsModel *model = panel->model();
    const int amp = model->index(0, 3).data().toString().contains(QLatin1Char('&')) ? 0 : 1;
    const QString summary = panel->summaryLabel()->text();

    // A line typed above both problems.
    ed->setCaretPosition(16);
    QTest::keyClicks(ed, QStringLiteral("<!-- a note -->"));
    QTest::keyClick(ed, Qt::Key_Return);
    EXPECT_EQ(panel->summaryLabel()->text(),
              summary + QStringLiteral(" (changed since the check: a double-click checks again)"));
    emit panel->table()->doubleClicked(model->index(amp, 0));
    EXPECT_EQ(ed->selText(), QStringLiteral("&"));
    EXPECT_EQ(panel->summaryLabel()->text(), summary); // checked again
    EXPECT_EQ(model->index(amp, 0).data().toString(), QStringLiteral("5"));

    // The attribute mended: its row no longer leads anywhere.
    const int attribute = 1 - amp;
    const int at = ed->text().indexOf(QStringLiteral(" bogus=\"1\""));
    ed->setSelection(at - 4, 10); // CR LF counts one position in the page; four lines above
    ASSERT_EQ(ed->selText(), QStringLiteral(" bogus=\"1\""));
    ed->replaceSel(QString());
    ed->setCaretPosition(0);
    emit panel->table()->doubleClicked(model->index(attribute, 0));
    EXPECT_EQ(ed->selText(), QString());
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(ed->caretPosition(), 0);
}
