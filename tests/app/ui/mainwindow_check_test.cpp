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
