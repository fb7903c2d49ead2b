// Check links and the question before publishing, run from the real main
// window on a project written for them.
#include "../../check/linktestsite.h"
#include "checkresultsmodel.h"
#include "httptestserver.h"
#include "checkresultspanel.h"
#include "installdir.h"
#include "linkcheckcontroller.h"
#include "mainwindow.h"
#include "projectfile.h"
#include "projectpaths.h"
#include "scriptedinteraction.h"
#include "thtmlrichedit.h"
#include "tinifil.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QSignalSpy>
#include <QTableView>
#include <gtest/gtest.h>

using namespace lumaro;
using namespace lumaro::test;

namespace {

class MainWindowLinksTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestSandbox::clearSettings();
        setInteraction(&m_ui);
        m_root = makeLinkSite(QStringLiteral("window-") + QString::fromLatin1(
            ::testing::UnitTest::GetInstance()->current_test_info()->name()));
        m_index = m_root + QStringLiteral("/index.html");
        writeBytes(m_index, "<html><body>\r\n<h1>Home</h1>\r\n<p><img src=\"gone.gif\"> <a href=\"sub/page.html#top\">p</a>\r\n"
                            "</body></html>\r\n");
        m_project = m_root + QStringLiteral("/site.lmp");
        QString error;
        ASSERT_TRUE(ProjectFile::write(m_project, ProjectFile::image(m_project, {{m_index, false},
                                                                               {m_root + QStringLiteral("/sub/page.html"), false}}),
                                       &error));
        tinifil options(ProjectPaths::changeExtension(m_project, QStringLiteral(".lmo")));
        options.writeuseroot(true);
        options.writeroot(m_root);
        options.writeconvchar(false);
        m_window = std::make_unique<TMainwindow>(QStringList{m_project});
        m_window->FormShow();
        m_links = m_window->findChild<LinkCheckController *>();
        ASSERT_NE(m_links, nullptr);
    }
    void TearDown() override
    {
        m_window.reset();
        setInteraction(nullptr);
    }

    void run(const char *name)
    {
        QAction *action = m_window->command(QString::fromLatin1(name));
        ASSERT_NE(action, nullptr) << name;
        ASSERT_TRUE(action->isEnabled()) << name;
        action->trigger();
    }
    QString published() const
    {
        return InstallDir::file(QStringLiteral("published files")) + u'/' + QFileInfo(m_root).fileName();
    }

    ScriptedInteraction m_ui;
    std::unique_ptr<TMainwindow> m_window;
    LinkCheckController *m_links = nullptr;
    QString m_root;
    QString m_index;
    QString m_project;
};

TEST_F(MainWindowLinksTest, CheckLinksThenDoubleClickOpensThePageAtTheReference)
{
    const int pagesBefore = m_window->pageCount();
    run("Checklinks1");
    CheckResultsPanel *panel = m_window->findChild<CheckResultsPanel *>();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->isVisibleTo(m_window.get()));
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Check links: site.lmp"));
    EXPECT_EQ(panel->summaryLabel()->text(), QStringLiteral("1 error, 0 warnings, 8 notes in 2 pages"));
    CheckResultsModel *model = panel->model();
    ASSERT_GE(model->rowCount(), 1); // notes are hidden by default
    auto cell = [model](int row, int column) { return model->index(row, column).data().toString(); };
    EXPECT_FALSE(panel->table()->isColumnHidden(CheckResultsModel::kPageColumn));
    EXPECT_EQ(cell(0, CheckResultsModel::kPageColumn), QStringLiteral("index.html"));
    EXPECT_EQ(cell(0, 0), QStringLiteral("3"));
    EXPECT_EQ(cell(0, 1), QStringLiteral("14"));
    EXPECT_EQ(cell(0, 3), QStringLiteral("missing file \"gone.gif\""));

    emit panel->table()->doubleClicked(model->index(0, 3));
    ASSERT_EQ(m_window->pageCount(), pagesBefore + 1);
    EXPECT_EQ(m_window->pageFileName(m_window->activePage()), m_index);
    thtmlrichedit *editor = m_window->editor(m_window->activePage());
    EXPECT_EQ(editor->selText(), QStringLiteral("gone.gif"));
    // The site's result stays while its pages are visited.
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel->showsSiteResult());
    EXPECT_EQ(model->rowCount(), 1);

    // Mended in the editor, not saved: the check reads the page as it stands there.
    editor->replaceSel(QStringLiteral("logo.gif"));
    run("Checklinks1");
    EXPECT_EQ(panel->summaryLabel()->text(), QStringLiteral("0 errors, 0 warnings, 7 notes in 2 pages"));
}

TEST_F(MainWindowLinksTest, PublishWithABrokenLinkAsksFirst)
{
    const qsizetype before = m_ui.messages.size();
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    run("SpeedButton108");
    ASSERT_EQ(m_ui.messages.size(), before + 1);
    EXPECT_EQ(m_ui.lastMessage(), QStringLiteral("1 link of the project is broken (see the check panel). Publish anyway?"));
    EXPECT_FALSE(QFileInfo::exists(published()));
    EXPECT_TRUE(m_window->findChild<CheckResultsPanel *>()->showsSiteResult());

    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    run("SpeedButton108");
    EXPECT_TRUE(QFileInfo::exists(published() + QStringLiteral("/index.html")));

    // Nothing broken: published without a question.
    writeBytes(m_index, "<p><img src=\"logo.gif\"></p>");
    const qsizetype asked = m_ui.messages.size();
    run("SpeedButton108");
    EXPECT_EQ(m_ui.messages.size(), asked) << qPrintable(m_ui.lastMessage());
    EXPECT_EQ(readBytes(published() + QStringLiteral("/index.html")), QByteArray("<p><img src=\"logo.gif\"></p>"));
}

TEST_F(MainWindowLinksTest, ExternalLinksAskedWhenTheProjectSaysSo)
{
    HttpTestServer server;
    writeBytes(m_index, "<p><a href=\"" + server.url("/missing").toUtf8() + "\">m</a> <a href=\""
                            + server.url("/found").toUtf8() + "\">f</a></p>");
    tinifil(ProjectPaths::changeExtension(m_project, QStringLiteral(".lmo"))).writecheckexternal(true);
    QSignalSpy done(m_links, &LinkCheckController::checked);
    run("Checklinks1");
    auto *panel = m_window->findChild<CheckResultsPanel *>();
    EXPECT_TRUE(panel->summaryLabel()->text().endsWith(QStringLiteral("; asking 2 external links...")))
        << qPrintable(panel->summaryLabel()->text());
    ASSERT_TRUE(done.count() > 0 || done.wait(10000));
    EXPECT_EQ(panel->summaryLabel()->text(), QStringLiteral("1 error, 0 warnings, 8 notes in 2 pages"));
    EXPECT_EQ(panel->model()->index(0, 3).data().toString(),
              QStringLiteral("external link \"%1\" answers 404 Not Found").arg(server.url("/missing")));
}

} // namespace

namespace {

// The panel after Check links, with notes shown, for a visual check; runs
// only when LUMARO_SCREENSHOT_DIR names a directory (e.g. under Xvfb).
TEST(LinksScreenshots, CheckLinksPanel)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the panel";
    TestSandbox::clearSettings();
    const QString root = makeLinkSite(QStringLiteral("window-shot"));
    const QString index = root + QStringLiteral("/index.html");
    writeBytes(index, "<html><body>\r\n<h1>Home</h1>\r\n<p><img src=\"Logo.GIF\"> <a href=\"sub/page.html#bottom\">p</a>\r\n"
                      "<a href=\"empty/\">e</a> <img src=\"file:///C:/My%20Documents/me.gif\">\r\n"
                      "<a href=\"http://www.example.com/\">x</a></body></html>\r\n");
    const QString sub = root + QStringLiteral("/sub/page.html");
    writeBytes(sub, "<html><body>\r\n<a name=\"top\"></a><img src=\"../Pics/photo.jpg\" usemap=\"#nav\">\r\n"
                    "<a href=\"../contact.html\">c</a></body></html>\r\n");
    const QString project = root + QStringLiteral("/site.lmp");
    QString error;
    ASSERT_TRUE(ProjectFile::write(project, ProjectFile::image(project, {{index, true}, {sub, false}}), &error));
    TMainwindow w({project});
    w.resize(1100, 800);
    w.show();
    w.FormShow();
    w.command(QStringLiteral("Checklinks1"))->trigger();
    CheckResultsPanel *panel = w.findChild<CheckResultsPanel *>();
    ASSERT_NE(panel, nullptr);
    for (QCheckBox *box : panel->findChildren<QCheckBox *>())
        box->setChecked(true);
    for (int i = 0; i < 20; ++i)
        QApplication::processEvents();
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(QStringLiteral("check-links.png"))));
}

} // namespace
