// The main window's start-up, command line, geometry, autosave and close
// question, driven through the real window offscreen.
#include "filecommands.h"
#include "mainwindow.h"
#include "pagemanager.h"
#include "projectstate.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "tregini.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QScreen>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QMimeData>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <cctype>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QByteArray readBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        m_dir = test::TestSandbox::makeDir(QStringLiteral("mainwindow"));
    }

    QString file(const QString &name, const QByteArray &bytes = "<HTML>\r\n</HTML>\r\n")
    {
        const QString path = m_dir + QLatin1Char('/') + name;
        writeBytes(path, bytes);
        return path;
    }

    /// A window started with the arguments, shown the way the program shows it.
    std::unique_ptr<TMainwindow> start(const QStringList &arguments = {})
    {
        auto window = std::make_unique<TMainwindow>(arguments);
        window->FormShow();
        return window;
    }

    ScriptedInteraction m_ui;
    QString m_dir;
};

// --- Start-up and the command line ----------------------------------------------

TEST_F(MainWindowTest, StartWithoutArgumentsOpensUntitledOne)
{
    auto w = start();
    ASSERT_EQ(w->pageCount(), 1);
    EXPECT_EQ(w->pageFileName(0), "Untitled 1");
    EXPECT_EQ(w->edittab()->count(), 1);
    EXPECT_EQ(w->edittab()->tabText(0), "Untitled 1");
    EXPECT_EQ(w->windowTitle(), "Lumaro [Untitled 1]");
    EXPECT_FALSE(w->pageHasFile(0));
    // The template's cursor marker is gone and the page is not modified.
    EXPECT_FALSE(w->editor(0)->text().contains("<CursorHere>"));
    EXPECT_TRUE(w->editor(0)->text().contains("<BODY>"));
    EXPECT_FALSE(w->editor(0)->isModified());
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(MainWindowTest, StartWithATextFileOpensNothing)
{
    auto w = start({file("notes.txt")});
    EXPECT_EQ(w->pageCount(), 0);
    EXPECT_EQ(w->edittab()->count(), 0);
    EXPECT_EQ(w->windowTitle(), "Lumaro [No file]");
    EXPECT_FALSE(w->command("SaveBtn")->isEnabled());
    EXPECT_FALSE(w->command("FileSave")->isEnabled());
    EXPECT_FALSE(w->command("Luksiden1")->isEnabled());
    EXPECT_FALSE(w->speedbartab()->isVisibleTo(w.get()));
}

TEST_F(MainWindowTest, PiecesOfAPathWithABlankOpenTheOneFile)
{
    const QString path = file("My Pages/a.htm", "<P>glued</P>\r\n");
    auto w = start({m_dir + "/My", "Pages/a.htm"});
    ASSERT_EQ(w->pageCount(), 1);
    EXPECT_EQ(w->pageFileName(0), path);
    EXPECT_TRUE(w->pageHasFile(0));
    EXPECT_EQ(w->editor(0)->text(), "<P>glued</P>");
    EXPECT_EQ(w->windowTitle(), "Lumaro [" + path + "]");
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(MainWindowTest, TwoSeparateDocumentsOpenOnlyTheFirst)
{
    const QString a = file("a.htm");
    const QString b = file("b.htm");
    auto w = start({a, b});
    ASSERT_EQ(w->pageCount(), 1);
    EXPECT_EQ(w->pageFileName(0), a);
}

TEST_F(MainWindowTest, RelativeDocumentNamesOpenAsFullPaths)
{
    file("rel.html");
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_dir);
    auto w = start({"rel.html"});
    QDir::setCurrent(before);
    ASSERT_EQ(w->pageCount(), 1);
    EXPECT_EQ(w->pageFileName(0), QDir(m_dir).absoluteFilePath("rel.html"));
}

TEST_F(MainWindowTest, AProjectArgumentGoesToTheProjectOpenerAndMakesNoNewPage)
{
    const QString project = file("web.lmp", QByteArray(256, '\0'));
    TMainwindow w({project});
    QStringList opened;
    w.setProjectOpener([&opened](const QString &name) { opened.append(name); });
    w.FormShow();
    EXPECT_EQ(opened, QStringList{project});
    EXPECT_EQ(w.pageCount(), 0);
}

TEST_F(MainWindowTest, FormShowRunsOnceWhenTheWindowIsShown)
{
    TMainwindow w;
    w.show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(w.pageCount(), 1);
    w.hide();
    w.show();
    QCoreApplication::processEvents();
    w.FormShow();
    EXPECT_EQ(w.pageCount(), 1);
}

TEST_F(MainWindowTest, AnUnreadableArgumentIsReportedAndOpensNoPage)
{
    const QString missing = m_dir + "/missing.htm";
    auto w = start({missing});
    EXPECT_EQ(w->pageCount(), 0);
    ASSERT_FALSE(m_ui.messages.isEmpty());
    EXPECT_TRUE(m_ui.lastMessage().contains(missing));
    EXPECT_EQ(w->windowTitle(), "Lumaro [No file]");
}

// --- Geometry and the tools speed bar -----------------------------------------------

TEST_F(MainWindowTest, FreshUserGetsTheDefaultSizeAndNoToolsSpeedBar)
{
    TMainwindow w;
    EXPECT_EQ(w.width(), 640);
    EXPECT_EQ(w.height(), 480);
    EXPECT_FALSE(w.toolsSpeedBar()->isVisibleTo(&w));
    EXPECT_FALSE(w.command("SpeedButton101")->isChecked());
}

TEST_F(MainWindowTest, GeometryAndToolsSpeedBarSurviveARestart)
{
    {
        TMainwindow first;
        first.FormShow();
        first.move(30, 40);
        first.resize(700, 520);
        first.command("SpeedButton101")->trigger();
        EXPECT_TRUE(first.toolsSpeedBar()->isVisibleTo(&first));
        first.editor(0)->setModified(false);
        ASSERT_TRUE(first.FormCloseQuery());
    }
    tregini settings;
    EXPECT_EQ(settings.readmainsizew(), 700);
    EXPECT_EQ(settings.readmainsizeh(), 520);
    EXPECT_TRUE(settings.readutilspeedbar());

    TMainwindow second;
    EXPECT_EQ(second.pos(), QPoint(30, 40));
    EXPECT_EQ(second.size(), QSize(700, 520));
    EXPECT_TRUE(second.toolsSpeedBar()->isVisibleTo(&second));
    EXPECT_TRUE(second.command("SpeedButton101")->isChecked());

    // Released again, the bar stays hidden after the next restart.
    second.command("SpeedButton101")->trigger();
    ASSERT_TRUE(second.FormCloseQuery());
    TMainwindow third;
    EXPECT_FALSE(third.toolsSpeedBar()->isVisibleTo(&third));
}

TEST_F(MainWindowTest, AWindowStoredOffEveryScreenComesBackIntoView)
{
    tregini().writemainsize(50000, 50000, 640, 480);
    TMainwindow w;
    bool onScreen = false;
    for (const QScreen *screen : QGuiApplication::screens())
        onScreen = onScreen || screen->availableGeometry().intersects(w.frameGeometry());
    EXPECT_TRUE(onScreen);
}

struct PlacementCase {
    const char *title;
    QRect stored;
    QRect expected;
};

class WindowPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPlacement, KeepsTheWindowReachable)
{
    const QList<QRect> screens{QRect(0, 0, 1024, 768), QRect(1024, 0, 800, 600)};
    EXPECT_EQ(TMainwindow::placeOnScreens(GetParam().stored, screens, QSize(200, 150)), GetParam().expected)
        << GetParam().title;
}

INSTANTIATE_TEST_SUITE_P(
    Rects, WindowPlacement,
    ::testing::Values(PlacementCase{"default", QRect(0, 0, 640, 480), QRect(0, 0, 640, 480)},
                      PlacementCase{"on the second screen", QRect(1100, 10, 500, 400), QRect(1100, 10, 500, 400)},
                      PlacementCase{"partly off screen", QRect(-100, -20, 640, 480), QRect(-100, -20, 640, 480)},
                      PlacementCase{"far away", QRect(9000, 9000, 640, 480), QRect(0, 0, 640, 480)},
                      PlacementCase{"negative far away", QRect(-9000, 10, 640, 480), QRect(0, 0, 640, 480)},
                      PlacementCase{"no size", QRect(10, 10, 0, 0), QRect(10, 10, 200, 150)}),
    [](const auto &info) {
        std::string name;
        for (const char *c = info.param.title; *c; ++c)
            name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
        return name;
    });

// --- Autosave ------------------------------------------------------------------------

TEST_F(MainWindowTest, AutosaveTimerFollowsTheSettings)
{
    {
        TMainwindow w;
        EXPECT_TRUE(w.autosaveTimer()->isActive());
        EXPECT_EQ(w.autosaveTimer()->interval(), 5 * 60000);
    }
    tregini settings;
    settings.writeautosavetime("0x0C");
    {
        TMainwindow w;
        EXPECT_EQ(w.autosaveTimer()->interval(), 12 * 60000);
    }
    settings.writeautosaveok(false);
    {
        TMainwindow w;
        EXPECT_FALSE(w.autosaveTimer()->isActive());
    }
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(MainWindowTest, AnIntervalOfZeroOrBelowMeansNoAutosaveAndNoMessage)
{
    for (const char *none : {"0", "-3", " 0 "}) {
        m_ui.messages.clear();
        tregini().writeautosavetime(QString::fromLatin1(none));
        TMainwindow w;
        EXPECT_FALSE(w.autosaveTimer()->isActive()) << none;
        EXPECT_TRUE(m_ui.messages.isEmpty()) << none;
    }
}

TEST_F(MainWindowTest, ABadAutosaveIntervalIsReportedAndAutosaveStaysOff)
{
    for (const char *bad : {"abc", "", "5 minutes"}) {
        m_ui.messages.clear();
        tregini().writeautosavetime(QString::fromLatin1(bad));
        TMainwindow w;
        EXPECT_FALSE(w.autosaveTimer()->isActive()) << bad;
        ASSERT_EQ(m_ui.messages.size(), 1) << bad;
        EXPECT_EQ(m_ui.lastMessage(), QStringLiteral("'%1' is not a valid integer value").arg(bad));
    }
}

TEST_F(MainWindowTest, AutosaveSavesOnlyTheActivePageWithAFile)
{
    const QString a = file("a.htm", "A\r\n");
    const QString b = file("b.htm", "B\r\n");
    auto w = start({file("none.txt")});
    ASSERT_TRUE(w->openfilproj(a));
    ASSERT_TRUE(w->openfilproj(b));
    w->files().FileNew();
    ASSERT_EQ(w->pageCount(), 3);
    for (int slot = 0; slot < 3; ++slot) {
        w->editor(slot)->setCaretPosition(0);
        w->editor(slot)->replaceSelection("changed ");
        ASSERT_TRUE(w->editor(slot)->isModified());
    }

    // The untitled page is active: nothing is saved.
    w->Timer1Timer();
    EXPECT_EQ(readBytes(a), "A\r\n");
    EXPECT_EQ(readBytes(b), "B\r\n");
    EXPECT_TRUE(m_ui.fileRequests.isEmpty()) << "autosave must never ask for a file name";

    // The second page is active: only it is saved.
    w->selectPage(1);
    w->Timer1Timer();
    EXPECT_EQ(readBytes(b), "changed B\r\n"); // the file's final line break is written back
    EXPECT_FALSE(w->editor(1)->isModified());
    EXPECT_EQ(readBytes(a), "A\r\n");
    EXPECT_TRUE(w->editor(0)->isModified());
    EXPECT_TRUE(w->editor(2)->isModified());

    // An unmodified active page is not written again.
    writeBytes(b, "edited elsewhere\r\n");
    w->Timer1Timer();
    EXPECT_EQ(readBytes(b), "edited elsewhere\r\n");
}

TEST_F(MainWindowTest, AutosaveWithoutPagesDoesNothing)
{
    auto w = start({file("none.txt")});
    w->Timer1Timer();
    EXPECT_EQ(w->pageCount(), 0);
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

// --- Closing -------------------------------------------------------------------------------

TEST_F(MainWindowTest, CloseWithThreeModifiedPagesAnsweredYesNoCancel)
{
    const QString a = file("a.htm", "A\r\n");
    const QString b = file("b.htm", "B\r\n");
    const QString c = file("c.htm", "C\r\n");
    auto w = start({file("none.txt")});
    for (const QString &name : {a, b, c})
        ASSERT_TRUE(w->openfilproj(name));
    for (int slot = 0; slot < 3; ++slot) {
        w->editor(slot)->setCaretPosition(0);
        w->editor(slot)->replaceSelection("new ");
    }
    w->selectPage(1);
    w->show();

    m_ui.messageAnswers.clear();
    m_ui.messageAnswers << QMessageBox::Yes << QMessageBox::No << QMessageBox::Cancel;
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(w->isVisible()) << "the program keeps running";

    ASSERT_EQ(m_ui.messages.size(), 3);
    const char *tabs[] = {"a.htm", "b.htm", "c.htm"};
    for (int i = 0; i < 3; ++i) {
        const MessageRequest &q = m_ui.messages.at(i);
        EXPECT_EQ(q.title, "Lumaro");
        EXPECT_EQ(q.text, QStringLiteral("Do you want to save changes to %1 ?").arg(tabs[i]));
        EXPECT_EQ(q.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        EXPECT_EQ(q.icon, QMessageBox::Question);
    }
    EXPECT_EQ(readBytes(a), "new A\r\n");
    EXPECT_FALSE(w->editor(0)->isModified());
    EXPECT_EQ(readBytes(b), "B\r\n");
    EXPECT_TRUE(w->editor(1)->isModified());
    EXPECT_EQ(readBytes(c), "C\r\n");
    EXPECT_EQ(w->activePage(), 1) << "the page active before the question is active again";
    EXPECT_EQ(w->edittab()->currentIndex(), 1);
    EXPECT_EQ(w->pageCount(), 3);
    // Nothing was stored: the close did not happen.
    EXPECT_EQ(tregini().readmainsizew(), 640);
    w->hide();
}

TEST_F(MainWindowTest, CloseAskingNothingWhenNoPageIsModified)
{
    auto w = start();
    w->show();
    EXPECT_TRUE(w->close());
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(MainWindowTest, YesWithACancelledSaveAsKeepsTheProgramRunning)
{
    auto w = start();
    w->editor(0)->replaceSelection("precious text");
    w->show();
    m_ui.messageAnswers.clear();
    m_ui.messageAnswers << QMessageBox::Yes;
    // No file name is queued: the Save As dialog is cancelled.
    EXPECT_FALSE(w->close());
    EXPECT_EQ(m_ui.fileRequests.size(), 1);
    EXPECT_EQ(w->pageCount(), 1);
    EXPECT_TRUE(w->editor(0)->text().contains("precious text"));
    EXPECT_TRUE(w->editor(0)->isModified());
    w->hide();
}

TEST_F(MainWindowTest, YesWithSaveAsSavesTheUntitledPageAndCloses)
{
    auto w = start();
    w->editor(0)->selectAllText();
    w->editor(0)->replaceSelection("<P>kept</P>");
    const QString target = m_dir + "/kept.htm";
    m_ui.messageAnswers.clear();
    m_ui.messageAnswers << QMessageBox::Yes;
    m_ui.saveAnswers.clear();
    m_ui.saveAnswers << target;
    EXPECT_TRUE(w->FormCloseQuery());
    EXPECT_EQ(readBytes(target), "<P>kept</P>\r\n"); // the template ends with a line break
}

TEST_F(MainWindowTest, TheProjectMayRefuseTheClose)
{
    auto w = start();
    w->editor(0)->setModified(false);
    int asked = 0;
    w->setProjectCloseCheck([&asked] {
        ++asked;
        return false;
    });
    EXPECT_FALSE(w->FormCloseQuery());
    EXPECT_EQ(asked, 1);
    w->setProjectCloseCheck([] { return true; });
    EXPECT_TRUE(w->FormCloseQuery());
}

TEST_F(MainWindowTest, ExitClosesThroughTheCloseQuestion)
{
    auto w = start();
    w->editor(0)->replaceSelection("x");
    w->show();
    m_ui.messageAnswers.clear();
    m_ui.messageAnswers << QMessageBox::Cancel;
    w->command("FileExit")->trigger();
    EXPECT_TRUE(w->isVisible());
    m_ui.messageAnswers.clear();
    m_ui.messageAnswers << QMessageBox::No;
    w->command("FileExit")->trigger();
    EXPECT_FALSE(w->isVisible());
}

// --- Dropped files ------------------------------------------------------------------------------

TEST_F(MainWindowTest, ADroppedDocumentOpensUnderItsOwnName)
{
    const QString page = file("Mixed Case.HTM", "<P>dropped</P>\r\n");
    auto w = start({file("none.txt")});
    EXPECT_TRUE(w->acceptDrops());
    EXPECT_FALSE(w->openDroppedFiles({QUrl("https://example.com/a.htm")}));
    EXPECT_TRUE(w->openDroppedFiles({QUrl("https://example.com/a.htm"), QUrl::fromLocalFile(page),
                                     QUrl::fromLocalFile(file("second.htm"))}));
    ASSERT_EQ(w->pageCount(), 1) << "only the first dropped file opens";
    EXPECT_EQ(w->pageFileName(0), page);
}

TEST_F(MainWindowTest, OnlyTheExactExtensionLmpOpensADroppedProject)
{
    // "X.LMP" is a document like any other file.
    const QString upper = file("Site.LMP", "<P>not a project</P>\r\n");
    auto w = start({file("none.txt")});
    EXPECT_TRUE(w->openDroppedFiles({QUrl::fromLocalFile(upper)}));
    ASSERT_EQ(w->pageCount(), 1);
    EXPECT_EQ(w->pageFileName(0), upper);
    EXPECT_FALSE(w->projectState()->isOpen());

    const QString project = file("site.lmp", QByteArray(256, '\0'));
    EXPECT_TRUE(w->openDroppedFiles({QUrl::fromLocalFile(project)}));
    QApplication::processEvents();
    EXPECT_TRUE(w->projectState()->isOpen());
    EXPECT_EQ(w->projectState()->path(), project);
    EXPECT_EQ(w->pageCount(), 0);
}

} // namespace
