#include "dialogrunner.h"
#include "fakepagehost.h"
#include "installdir.h"
#include "projectcontroller.h"
#include "projectfile.h"
#include "projectstate.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "tinifil.h"
#include "tprojectoptions.h"
#include "tprojmanager.h"
#include "tregini.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

void writeFile(const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(name).absolutePath());
    QFile f(name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
    f.write(bytes);
}

QByteArray readFile(const QString &name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

/// The stand-in host, with the Save As of an untitled page: the save dialog
/// names the file, the page's text is written to it.
class SavingPageHost : public test::FakePageHost {
public:
    bool savePage(int slot) override
    {
        if (pageHasFile(slot))
            return FakePageHost::savePage(slot);
        FileDialogRequest request;
        request.fileName = pageFileName(slot);
        const QString name = interaction().saveFile(hostWindow(), request);
        if (name.isEmpty())
            return false;
        if (!TextFile::write(name, editor(slot)->text(), TextEncoding::Utf8))
            return false;
        editor(slot)->setModified(false);
        savedAs.append(name);
        return true;
    }
    QStringList savedAs;
};

const QStringList kProjectCommands{"SpeedButton107", "SpeedButton108", "projectindstillinger1",
                                   "visprojectmanager1", "gemproject1", "gemprojectsom1"};

} // namespace

class ProjectControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        setInteraction(&m_ui);
        m_dir = test::TestSandbox::makeDir(QStringLiteral("projectcontroller"));
        m_host.setProjectState(&m_state);
        for (const QString &name : kProjectCommands + QStringList{"nytproject1", "SpeedButton106", "Openproject1"})
            m_host.command(name);
        m_controller = std::make_unique<ProjectController>(m_host);
    }
    void TearDown() override
    {
        DialogRunner::set({});
        setInteraction(nullptr);
    }
    QString path(const QString &name) const { return m_dir + u'/' + name; }
    /// A page file on disk holding text.
    QString page(const QString &name, const QByteArray &text = "<P>page</P>\r\n")
    {
        const QString file = path(name);
        writeFile(file, text);
        return file;
    }
    /// A new untitled page as the file commands create it in a project.
    int newPage(const QString &text = QStringLiteral("<B>new</B>"))
    {
        const int slot = m_host.addPage(text);
        m_controller->onPageOpened(m_host.pageFileName(slot));
        return slot;
    }
    QStringList pageNames() const
    {
        QStringList names;
        for (int i = 0; i < m_host.pageCount(); ++i)
            names.append(m_host.pageFileName(i));
        return names;
    }
    /// A saved project on disk with the given records.
    QString savedProject(const QString &name, const QList<ProjectRecord> &records)
    {
        const QString file = path(name);
        writeFile(file, ProjectFile::image(file, records));
        return file;
    }

    ScriptedInteraction m_ui;
    SavingPageHost m_host;
    ProjectState m_state;
    QString m_dir;
    std::unique_ptr<ProjectController> m_controller;
};

TEST_F(ProjectControllerTest, CommandsAreEnabledOnceAProjectIsOpen)
{
    EXPECT_TRUE(m_host.command(QStringLiteral("nytproject1"))->isEnabled());
    EXPECT_TRUE(m_host.command(QStringLiteral("SpeedButton106"))->isEnabled());
    EXPECT_TRUE(m_host.command(QStringLiteral("Openproject1"))->isEnabled());
    for (const QString &name : kProjectCommands)
        EXPECT_FALSE(m_host.command(name)->isEnabled()) << name.toStdString();
    m_host.command(QStringLiteral("nytproject1"))->trigger();
    EXPECT_TRUE(m_state.isOpen());
    for (const QString &name : kProjectCommands)
        EXPECT_TRUE(m_host.command(name)->isEnabled()) << name.toStdString();
}

TEST_F(ProjectControllerTest, NewProjectClosesThePages)
{
    m_host.addPage(QStringLiteral("a"));
    m_host.addPage(QStringLiteral("b"));
    m_controller->nytproject1Click();
    EXPECT_EQ(m_host.pageCount(), 0);
    EXPECT_EQ(m_host.projectStatus, QStringLiteral("Project: Project 1"));
    EXPECT_EQ(m_state.path(), QStringLiteral("Project 1"));
    EXPECT_FALSE(m_state.isSaved());
    EXPECT_FALSE(m_state.isModified());
    EXPECT_EQ(m_state.list().size(), 256);
}

TEST_F(ProjectControllerTest, NewProjectSavedAsWebIsWrittenToWebLmp)
{
    m_controller->nytproject1Click();
    m_ui.saveAnswers.enqueue(path(QStringLiteral("web")));
    ASSERT_TRUE(m_controller->gemprojectsom1Click());

    const QString file = path(QStringLiteral("web.lmp"));
    const QByteArray fullPath = file.toUtf8();
    QByteArray expected(256, '\0');
    expected[0] = static_cast<char>(fullPath.size());
    expected.replace(1, fullPath.size(), fullPath);
    EXPECT_EQ(readFile(file), expected);

    EXPECT_EQ(m_state.path(), file);
    EXPECT_TRUE(m_state.isSaved());
    EXPECT_EQ(m_host.projectStatus, QStringLiteral("Project: web.lmp"));
    ASSERT_FALSE(m_ui.fileRequests.isEmpty());
    EXPECT_EQ(m_ui.fileRequests.last().filter, QStringLiteral("Lumaro project *.lmp (*.lmp)"));
    EXPECT_EQ(m_ui.fileRequests.last().fileName, QStringLiteral("Project 1"));
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(ProjectControllerTest, RecordsOfNewRenamedAndClosedPagesAreSaved)
{
    m_controller->nytproject1Click();
    const int first = newPage();
    newPage();
    EXPECT_TRUE(m_state.isModified());
    m_controller->onPageRenamed(m_host.pageFileName(first), path(QStringLiteral("one.html")));
    m_controller->onPageClosed(QStringLiteral("Untitled 2"));
    m_ui.saveAnswers.enqueue(path(QStringLiteral("p.lmp")));
    ASSERT_TRUE(m_controller->gemproject1Click()); // not saved yet: goes through Save project as
    const QByteArray expected = ProjectFile::image(
        path(QStringLiteral("p.lmp")), {{path(QStringLiteral("one.html")), true}, {"Untitled 2", false}});
    EXPECT_EQ(readFile(path(QStringLiteral("p.lmp"))), expected);
    EXPECT_FALSE(m_state.isModified());
}

TEST_F(ProjectControllerTest, OpenedFilesGetNoRecord)
{
    m_controller->nytproject1Click();
    const QString file = page(QStringLiteral("a.html"));
    ASSERT_TRUE(m_host.openfilproj(file));
    m_controller->onPageOpened(file);
    EXPECT_TRUE(m_state.records().isEmpty());
    EXPECT_FALSE(m_state.isModified());
    // Without a project nothing is recorded.
    ProjectState none;
    test::FakePageHost other;
    other.setProjectState(&none);
    ProjectController idle(other);
    idle.onPageOpened(QStringLiteral("Untitled 1"));
    EXPECT_TRUE(none.list().isEmpty());
}

// Closing a page and Save As change the project whenever one is open, also
// for a file the project has no record of.
TEST_F(ProjectControllerTest, CloseAndSaveAsMarkTheProjectModifiedWithoutARecord)
{
    struct Case {
        const char *name;
        std::function<void()> act;
    };
    const QString file = page(QStringLiteral("loose.html"));
    const Case cases[] = {
        {"close", [&] { m_controller->onPageClosed(file); }},
        {"save as", [&] { m_controller->onPageRenamed(file, path(QStringLiteral("renamed.html"))); }},
    };
    m_ui.messageAnswers.enqueue(QMessageBox::No); // leaving the first project unsaved
    for (const Case &c : cases) {
        m_controller->nytproject1Click();
        ASSERT_FALSE(m_state.isModified()) << c.name;
        c.act();
        EXPECT_TRUE(m_state.isModified()) << c.name;
        EXPECT_TRUE(m_state.records().isEmpty()) << c.name;
    }
}

TEST_F(ProjectControllerTest, ProjectFileOfHeaderOnlyOpensWithNoPages)
{
    const QString file = path(QStringLiteral("empty.lmp"));
    writeFile(file, QByteArray(256, '\0'));
    m_host.addPage(QStringLiteral("old page"));
    m_ui.openAnswers.enqueue({file});
    m_controller->SpeedButton106Click();
    EXPECT_TRUE(m_state.isOpen());
    EXPECT_TRUE(m_state.isSaved());
    EXPECT_FALSE(m_state.isModified());
    EXPECT_EQ(m_host.pageCount(), 0);
    EXPECT_EQ(m_host.projectStatus, QStringLiteral("Project: empty.lmp"));
    EXPECT_EQ(m_ui.fileRequests.last().filter, QStringLiteral("Lumaro project *.lmp (*.lmp)"));
    EXPECT_EQ(tregini().readlastdir(), m_dir);
    for (const QString &name : kProjectCommands)
        EXPECT_TRUE(m_host.command(name)->isEnabled());
}

TEST_F(ProjectControllerTest, OpenProjectOpensItsOpenFilesInOrder)
{
    const QString a = page(QStringLiteral("a.html")), b = page(QStringLiteral("b.html")), c = page(QStringLiteral("c.html"));
    const QString file = savedProject(QStringLiteral("s.lmp"), {{c, true}, {a, false}, {b, true}});
    m_ui.openAnswers.enqueue({file});
    m_controller->SpeedButton106Click();
    EXPECT_EQ(pageNames(), QStringList({c, b}));
}

TEST_F(ProjectControllerTest, MoreThanFifteenOpenRecordsOpenTheFirstFifteen)
{
    QList<ProjectRecord> records;
    for (int i = 0; i < 18; ++i)
        records.append({page(QStringLiteral("p%1.html").arg(i, 2, 10, QLatin1Char('0'))), true});
    const QString file = savedProject(QStringLiteral("big.lmp"), records);
    ASSERT_TRUE(m_controller->dropproject(file));
    ASSERT_EQ(m_host.pageCount(), 15);
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(m_host.pageFileName(i), records[i].path);
    // A dropped project does not change the last directory.
    EXPECT_NE(tregini().readlastdir(), m_dir);
}

TEST_F(ProjectControllerTest, UnreadableProjectChangesNothing)
{
    m_host.addPage(QStringLiteral("keep me"));
    EXPECT_FALSE(m_controller->dropproject(path(QStringLiteral("missing.lmp"))));
    EXPECT_EQ(m_host.pageCount(), 1);
    EXPECT_FALSE(m_state.isOpen());
    EXPECT_TRUE(m_ui.lastMessage().contains(QStringLiteral("missing.lmp")));
}

TEST_F(ProjectControllerTest, DroppedUpperCaseLmpOpensAsADocument)
{
    const QString upper = page(QStringLiteral("X.LMP"), "not a project\r\n");
    m_controller->dropFiles({upper, page(QStringLiteral("second.html"))});
    EXPECT_FALSE(m_state.isOpen());
    EXPECT_EQ(pageNames(), QStringList{upper});

    const QString lower = savedProject(QStringLiteral("y.lmp"), {});
    m_controller->dropFiles({lower});
    EXPECT_TRUE(m_state.isOpen());
    EXPECT_EQ(m_state.path(), lower);
}

TEST_F(ProjectControllerTest, SaveProjectAsOntoTheCurrentNameAsksFirst)
{
    const QString file = savedProject(QStringLiteral("web.lmp"), {{"/x.html", true}});
    ASSERT_TRUE(m_controller->dropproject(file));
    const QByteArray before = readFile(file);
    m_state.addRecord(QStringLiteral("/y.html"), true);

    m_ui.saveAnswers.enqueue(file);
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    EXPECT_FALSE(m_controller->gemprojectsom1Click());
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].text, QStringLiteral("Do you want to overwrite ") + file + QStringLiteral(" ?"));
    EXPECT_EQ(m_ui.messages[0].title, QStringLiteral("Lumaro"));
    EXPECT_EQ(m_ui.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(readFile(file), before);
    EXPECT_TRUE(m_state.isModified());

    m_ui.saveAnswers.enqueue(file);
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    EXPECT_TRUE(m_controller->gemprojectsom1Click());
    EXPECT_EQ(ProjectFile::records(readFile(file)).size(), 2);
}

TEST_F(ProjectControllerTest, NameWithoutExtensionAsksAboutTheFileWritten)
{
    m_controller->nytproject1Click();
    const QString existing = savedProject(QStringLiteral("site.lmp"), {{"/keep.html", true}});
    m_ui.saveAnswers.enqueue(path(QStringLiteral("site")));
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    EXPECT_FALSE(m_controller->gemprojectsom1Click());
    EXPECT_EQ(m_ui.lastMessage(), QStringLiteral("Do you want to overwrite ") + existing + QStringLiteral(" ?"));
    EXPECT_EQ(ProjectFile::records(readFile(existing)).size(), 1);
}

TEST_F(ProjectControllerTest, SaveProjectAsCopiesTheSideFiles)
{
    const QString oldFile = savedProject(QStringLiteral("old.lmp"), {});
    writeFile(path(QStringLiteral("old.lmo")), "[root]\r\nuse=1\r\n");
    writeFile(path(QStringLiteral("old.lmu")), QByteArray(512, 'u'));
    writeFile(path(QStringLiteral("new.lmo")), "stale");
    ASSERT_TRUE(m_controller->dropproject(oldFile));
    m_ui.saveAnswers.enqueue(path(QStringLiteral("new.lmp")));
    ASSERT_TRUE(m_controller->gemprojectsom1Click());
    EXPECT_EQ(readFile(path(QStringLiteral("new.lmo"))), QByteArray("[root]\r\nuse=1\r\n"));
    EXPECT_EQ(readFile(path(QStringLiteral("new.lmu"))), QByteArray(512, 'u'));
    EXPECT_EQ(readFile(path(QStringLiteral("old.lmo"))), QByteArray("[root]\r\nuse=1\r\n"));
    EXPECT_EQ(ProjectFile::headerPath(readFile(path(QStringLiteral("new.lmp")))), path(QStringLiteral("new.lmp")));
}

TEST_F(ProjectControllerTest, UnsavedProjectHasNoSideFilesToCopy)
{
    // Side files of "Project 1" in the working directory are not someone's project.
    m_controller->nytproject1Click();
    m_ui.saveAnswers.enqueue(path(QStringLiteral("fresh")));
    ASSERT_TRUE(m_controller->gemprojectsom1Click());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("fresh.lmo"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("fresh.lmu"))));
}

TEST_F(ProjectControllerTest, SaveProjectWritesTheListToItsFile)
{
    const QString file = savedProject(QStringLiteral("s.lmp"), {});
    ASSERT_TRUE(m_controller->dropproject(file));
    newPage();
    ASSERT_TRUE(m_controller->gemproject1Click());
    EXPECT_TRUE(m_ui.fileRequests.isEmpty());
    EXPECT_EQ(readFile(file), m_state.list());
    EXPECT_EQ(ProjectFile::records(readFile(file)), (QList<ProjectRecord>{{"Untitled 1", true}}));
}

TEST_F(ProjectControllerTest, PreferencesBeforeTheFirstSaveSaySo)
{
    bool shown = false;
    DialogRunner::set([&](QDialog &) { shown = true; return int(QDialog::Rejected); });
    m_controller->nytproject1Click();
    m_controller->projectindstillinger1Click();
    EXPECT_FALSE(shown);
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_EQ(m_ui.messages[0].text, QStringLiteral("du skal gemme projectet f\u00f8rst"));
    EXPECT_EQ(m_ui.messages[0].buttons, QMessageBox::Ok);
}

TEST_F(ProjectControllerTest, PreferencesOfASavedProjectEditItsOptionsFile)
{
    ASSERT_TRUE(m_controller->dropproject(savedProject(QStringLiteral("opt.lmp"), {})));
    DialogRunner::set([](QDialog &dialog) {
        auto *options = qobject_cast<Tprojectoptions *>(&dialog);
        EXPECT_NE(options, nullptr);
        if (!options)
            return int(QDialog::Rejected);
        EXPECT_EQ(options->pages()->tabText(0), QStringLiteral("Preferences"));
        ProjectOptions v = options->value();
        v.useRoot = true;
        v.root = QStringLiteral("/srv/site");
        options->setValue(v);
        options->okClick();
        return options->result();
    });
    m_controller->projectindstillinger1Click();
    const tinifil written(path(QStringLiteral("opt.lmo")));
    EXPECT_TRUE(written.readuseroot());
    EXPECT_EQ(written.readroot(), QStringLiteral("/srv/site"));
}

struct LeaveCase {
    const char *name;
    QMessageBox::StandardButton answer;
    bool goOn;
    bool saved;
};

class LeaveQuestion : public ProjectControllerTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveQuestion, ThreeWayQuestionBeforeLeaving)
{
    const LeaveCase c = GetParam();
    const QString file = savedProject(QStringLiteral("leave.lmp"), {});
    ASSERT_TRUE(m_controller->dropproject(file));
    m_state.addRecord(QStringLiteral("/new.html"), true);
    m_ui.messageAnswers.enqueue(c.answer);
    EXPECT_EQ(m_controller->testprojgemt(), c.goOn);
    ASSERT_EQ(m_ui.messages.size(), 1);
    const MessageRequest &asked = m_ui.messages[0];
    EXPECT_EQ(asked.text, QStringLiteral("Do you want to save changes to ") + file + QStringLiteral(" ?"));
    EXPECT_EQ(asked.title, QStringLiteral("Lumaro"));
    EXPECT_EQ(asked.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(asked.icon, QMessageBox::Question);
    EXPECT_EQ(ProjectFile::records(readFile(file)).size(), c.saved ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, LeaveQuestion,
                         ::testing::Values(LeaveCase{"yes", QMessageBox::Yes, true, true},
                                           LeaveCase{"no", QMessageBox::No, true, false},
                                           LeaveCase{"cancel", QMessageBox::Cancel, false, false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProjectControllerTest, UnmodifiedProjectIsLeftWithoutAQuestion)
{
    EXPECT_TRUE(m_controller->testprojgemt());
    m_controller->nytproject1Click();
    EXPECT_TRUE(m_controller->testprojgemt());
    EXPECT_TRUE(m_ui.messages.isEmpty());
}

TEST_F(ProjectControllerTest, YesWithACancelledSaveKeepsTheProject)
{
    m_controller->nytproject1Click();
    newPage();
    m_ui.messageAnswers.enqueue(QMessageBox::Yes);
    // No save answer queued: the Save project as dialog is cancelled.
    EXPECT_FALSE(m_controller->testprojgemt());
    EXPECT_TRUE(m_state.isModified());
}

TEST_F(ProjectControllerTest, CancelledQuestionStopsNewProject)
{
    m_controller->nytproject1Click();
    newPage();
    m_ui.messageAnswers.enqueue(QMessageBox::Cancel);
    m_controller->nytproject1Click();
    EXPECT_EQ(m_host.pageCount(), 1);
    EXPECT_EQ(m_state.records().size(), 1);
}

TEST_F(ProjectControllerTest, SaveAllSavesEveryPage)
{
    ASSERT_TRUE(m_controller->dropproject(savedProject(QStringLiteral("all.lmp"), {})));
    const QString a = page(QStringLiteral("a.html"), "old a");
    const QString b = page(QStringLiteral("b.html"), "old b");
    ASSERT_TRUE(m_host.openfilproj(a));
    newPage(QStringLiteral("untitled text"));
    ASSERT_TRUE(m_host.openfilproj(b));
    m_host.editor(0)->replaceSelection(QStringLiteral("new "));
    m_host.selectPage(1);
    m_ui.saveAnswers.enqueue(path(QStringLiteral("u.html")));

    m_controller->SpeedButton107Click();

    // Last page first; the unmodified page is written too.
    EXPECT_EQ(m_host.savedSlots, QStringList({b, a}));
    EXPECT_EQ(m_host.savedAs, QStringList{path(QStringLiteral("u.html"))});
    EXPECT_EQ(readFile(path(QStringLiteral("u.html"))), QByteArray("untitled text"));
    EXPECT_EQ(readFile(a), QByteArray("new old a"));
    EXPECT_EQ(m_host.activePage(), 1);
    EXPECT_FALSE(m_state.isModified());
    EXPECT_EQ(ProjectFile::records(readFile(path(QStringLiteral("all.lmp")))).size(), 1);
}

TEST_F(ProjectControllerTest, ManagerMovingAFileToClosedClosesItsPage)
{
    const QString a = page(QStringLiteral("a.html")), b = page(QStringLiteral("b.html"));
    ASSERT_TRUE(m_controller->dropproject(savedProject(QStringLiteral("m.lmp"), {{a, true}, {b, true}})));
    ASSERT_EQ(m_host.pageCount(), 2);
    DialogRunner::set([&](QDialog &dialog) {
        auto &manager = dynamic_cast<Tprojmanager &>(dialog);
        manager.closedListDrop({a});
        return int(QDialog::Accepted);
    });
    m_controller->visprojectmanager1Click();
    EXPECT_EQ(pageNames(), QStringList{b});
    EXPECT_TRUE(m_state.isModified());
    EXPECT_EQ(m_state.records(), (QList<ProjectRecord>{{a, false}, {b, true}}));
}

TEST_F(ProjectControllerTest, ManagerAddFileDoesNotOpenIt)
{
    const QString a = page(QStringLiteral("a.html")), added = page(QStringLiteral("sub/added.html"));
    ASSERT_TRUE(m_controller->dropproject(savedProject(QStringLiteral("m.lmp"), {{a, true}})));
    m_ui.openAnswers.enqueue({added});
    DialogRunner::set([](QDialog &dialog) {
        dynamic_cast<Tprojmanager &>(dialog).addFileClick();
        return int(QDialog::Accepted);
    });
    m_controller->visprojectmanager1Click();
    EXPECT_EQ(pageNames(), QStringList{a});
    EXPECT_EQ(m_state.records(), (QList<ProjectRecord>{{added, false}, {a, true}}));
    EXPECT_EQ(tregini().readlastdir(), path(QStringLiteral("sub")));
    EXPECT_EQ(m_ui.fileRequests.last().filter,
              QStringLiteral("HTML files *.html *.htm (*.html *.htm);;Text files *.txt (*.txt);;All files *.* (*)"));
}

TEST_F(ProjectControllerTest, ManagerClosedWithTheCloseBoxChangesNothing)
{
    const QString a = page(QStringLiteral("a.html")), b = page(QStringLiteral("b.html"));
    ASSERT_TRUE(m_controller->dropproject(savedProject(QStringLiteral("m.lmp"), {{b, true}, {a, false}})));
    const QByteArray before = m_state.list();
    DialogRunner::set([&](QDialog &dialog) {
        auto &manager = dynamic_cast<Tprojmanager &>(dialog);
        manager.closedListDrop({b});
        manager.openListDrop({a});
        manager.show();
        manager.close();
        return manager.result();
    });
    m_controller->visprojectmanager1Click();
    EXPECT_EQ(m_state.list(), before);
    EXPECT_FALSE(m_state.isModified());
    EXPECT_EQ(pageNames(), QStringList{b});
}

TEST_F(ProjectControllerTest, ManagerBringsThePagesInLine)
{
    const QString a = page(QStringLiteral("a.html")), b = page(QStringLiteral("b.html")), c = page(QStringLiteral("c.html"));
    const QString stray = page(QStringLiteral("stray.html"));
    ASSERT_TRUE(m_controller->dropproject(savedProject(QStringLiteral("m.lmp"), {{c, true}, {a, false}, {b, true}})));
    ASSERT_TRUE(m_host.openfilproj(stray)); // open, but in no record
    DialogRunner::set([&](QDialog &dialog) {
        auto &manager = dynamic_cast<Tprojmanager &>(dialog);
        manager.openListDrop({a});
        manager.closedListDrop({c});
        return int(QDialog::Accepted);
    });
    m_controller->visprojectmanager1Click();
    EXPECT_EQ(pageNames(), QStringList({b, a}));
    // Closed files first, then open files, each sorted.
    EXPECT_EQ(m_state.records(), (QList<ProjectRecord>{{c, false}, {a, true}, {b, true}}));
}

TEST_F(ProjectControllerTest, PublishReportsPagesAndFilesOutsideTheRoot)
{
    const QString root = m_dir + QStringLiteral("/site");
    writeFile(root + QStringLiteral("/index.html"), "<A HREF=\"" + root.toUtf8() + "/b.html\">b</A>\r\n");
    const QString outside = page(QStringLiteral("elsewhere.html"));
    const QString file = savedProject(QStringLiteral("pub.lmp"), {{root + QStringLiteral("/index.html"), true}, {outside, false}});
    tinifil options(path(QStringLiteral("pub.lmo")));
    options.writeuseroot(true);
    options.writeroot(root);
    options.writeconvchar(false);
    ASSERT_TRUE(m_controller->dropproject(file));

    m_controller->SpeedButton108Click();
    const QString target = InstallDir::file(QStringLiteral("published files")) + QStringLiteral("/site");
    EXPECT_EQ(readFile(target + QStringLiteral("/index.html")), QByteArray("<A HREF=\"/b.html\">b</A>\r\n"));
    ASSERT_FALSE(m_host.statusTexts.isEmpty());
    EXPECT_EQ(m_host.statusTexts.last(), QStringLiteral("1 page published to ") + QDir::toNativeSeparators(target));
    ASSERT_EQ(m_ui.messages.size(), 1);
    EXPECT_TRUE(m_ui.lastMessage().contains(outside));
}

TEST_F(ProjectControllerTest, PublishWithoutAStandardRootPublishesNothing)
{
    m_controller->nytproject1Click();
    m_controller->SpeedButton108Click();
    EXPECT_TRUE(m_ui.messages.isEmpty());
    EXPECT_FALSE(m_host.statusTexts.isEmpty());
}

TEST_F(ProjectControllerTest, PathToUrlForTheOpenProject)
{
    EXPECT_EQ(m_controller->pathToUrlForOpenProject(QStringLiteral("/pics/PIC.GIF")), QStringLiteral("PIC.GIF"));
    const QString file = savedProject(QStringLiteral("url.lmp"), {});
    tinifil options(path(QStringLiteral("url.lmo")));
    options.writeuseroot(true);
    options.writeroot(QStringLiteral("/srv/web/"));
    options.writeauto(true);
    ASSERT_TRUE(m_controller->dropproject(file));
    EXPECT_TRUE(m_controller->projectOpen());
    EXPECT_EQ(m_controller->pathToUrlForOpenProject(QStringLiteral("/srv/web/img/a.gif")), QStringLiteral("img/a.gif"));
    EXPECT_EQ(m_controller->pathToUrlForOpenProject(QStringLiteral("/pics/PIC.GIF")), QStringLiteral("PIC.GIF"));
}

TEST_F(ProjectControllerTest, ProjectReopensItsPagesAfterARestart)
{
    // New project, two new pages saved under names, Save project as.
    m_controller->nytproject1Click();
    for (const char *name : {"one.html", "two.html"}) {
        const int slot = newPage(QString::fromLatin1(name));
        const QString untitled = m_host.pageFileName(slot);
        const QString file = page(QString::fromLatin1(name), name);
        m_controller->onPageRenamed(untitled, file);
    }
    m_ui.saveAnswers.enqueue(path(QStringLiteral("site")));
    ASSERT_TRUE(m_controller->gemprojectsom1Click());
    EXPECT_TRUE(m_controller->testprojgemt());
    m_controller.reset();

    // A new program run with the project on the command line.
    SavingPageHost host;
    ProjectState state;
    host.setProjectState(&state);
    ProjectController controller(host);
    ASSERT_TRUE(controller.dropproject(path(QStringLiteral("site.lmp"))));
    ASSERT_EQ(host.pageCount(), 2);
    EXPECT_EQ(host.pageFileName(0), path(QStringLiteral("one.html")));
    EXPECT_EQ(host.pageFileName(1), path(QStringLiteral("two.html")));
    EXPECT_EQ(host.editor(1)->text(), QStringLiteral("two.html"));
    EXPECT_EQ(host.projectStatus, QStringLiteral("Project: site.lmp"));
}

TEST_F(ProjectControllerTest, PageEditorsUseTheOpenProject)
{
    const int slot = m_host.addPage(QString());
    const QString gif = page(QStringLiteral("img/pic.gif"),
                             QByteArray("GIF89a\x64\x00\x32\x00\x80\x00\x00", 13));
    thtmlrichedit *ed = m_host.editor(slot);

    // No project: the file name alone.
    ed->dropFile(gif);
    EXPECT_TRUE(ed->text().startsWith(QStringLiteral("<IMG SRC=\"pic.gif\""))) << ed->text().toStdString();

    const QString file = savedProject(QStringLiteral("drop.lmp"), {});
    tinifil options(path(QStringLiteral("drop.lmo")));
    options.writeuseroot(true);
    options.writeroot(m_dir + u'/');
    options.writeauto(true);
    // A project file dropped on a page opens the project once the drop is over.
    ed->dropFile(file);
    EXPECT_FALSE(m_state.isOpen());
    QCoreApplication::processEvents();
    ASSERT_TRUE(m_state.isOpen());
    EXPECT_EQ(m_state.path(), file);

    const int next = m_host.addPage(QString());
    m_host.editor(next)->dropFile(gif);
    EXPECT_TRUE(m_host.editor(next)->text().startsWith(QStringLiteral("<IMG SRC=\"img/pic.gif\"")))
        << m_host.editor(next)->text().toStdString();
}
