// Search and replace: the dialog's enabling rules and the replace passes on
// the active page, on every open page and over the files of a project.
#include "fakepagehost.h"
#include "helpservice.h"
#include "projectstate.h"
#include "replacecontroller.h"
#include "replacedialog.h"
#include "scriptedinteraction.h"
#include "search_modal.h"
#include "testsandbox.h"
#include "textfile.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace lumaro;
using lumaro::test::FakePageHost;
using lumaro::test::ModalDriver;
using lumaro::test::TestSandbox;

namespace {

/// A length-prefixed string in a zero-padded field of 256 bytes.
QByteArray field256(const QString &text)
{
    QByteArray bytes = TextFile::toWindows1252(text).left(255);
    QByteArray out(256, '\0');
    out[0] = char(bytes.size());
    out.replace(1, bytes.size(), bytes);
    return out;
}

/// A project file image: header with the project path, then one record per
/// page (file name, open flag).
QByteArray projectList(const QString &projectPath, const QStringList &files)
{
    QByteArray image = field256(projectPath);
    for (const QString &f : files)
        image += field256(f) + QByteArray(1, '\0');
    return image;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

ReplaceRequest order(const QString &find, const QString &with)
{
    ReplaceRequest r;
    r.findText = find;
    r.replaceText = with;
    return r;
}

class ReplaceTest : public ::testing::Test {
protected:
    void SetUp() override { TestSandbox::clearSettings(); }

    void setProject(bool open, const QByteArray &list = {})
    {
        controller.setProjectSource([open, list] { return ReplaceProject{open, list}; });
    }

    ScriptedInteraction ui;
    FakePageHost host;
    ReplaceController controller{host};
};

TEST_F(ReplaceTest, DoubledLetterWithEntireScopeDoesNotLoop)
{
    host.addPage(QStringLiteral("banana"));
    host.activeEditor()->setSelection(4, 0); // entire scope ignores the caret
    controller.runReplace(order(QStringLiteral("a"), QStringLiteral("aa")));
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("baanaanaa"));
    EXPECT_TRUE(host.activeEditor()->isModified());
    EXPECT_TRUE(ui.messages.isEmpty()) << "replace reports nothing";
}

TEST_F(ReplaceTest, ReplacementContainingTheFindTextIsNotSearchedAgain)
{
    host.addPage(QStringLiteral("<B>x</B>\r\n<B>y</B>"));
    controller.runReplace(order(QStringLiteral("<B>"), QStringLiteral("<B><I>")));
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("<B><I>x</B>\r\n<B><I>y</B>"));
}

TEST_F(ReplaceTest, OptionsReachTheFind)
{
    host.addPage(QStringLiteral("Cat cat CATS cat"));
    ReplaceRequest r = order(QStringLiteral("cat"), QStringLiteral("dog"));
    r.wholeWord = true;
    r.matchCase = true;
    controller.runReplace(r);
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("Cat dog CATS dog"));
}

TEST_F(ReplaceTest, FromCursorLeavesTheTextBeforeTheCaret)
{
    host.addPage(QStringLiteral("ab ab ab"));
    host.activeEditor()->setSelection(3, 0);
    ReplaceRequest r = order(QStringLiteral("ab"), QStringLiteral("X"));
    r.fromCursor = true;
    r.entireScope = false;
    controller.runReplace(r);
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("ab X X"));
}

TEST_F(ReplaceTest, EmptyFindTextReplacesNothing)
{
    host.addPage(QStringLiteral("abc"));
    controller.runReplace(order(QString(), QStringLiteral("x")));
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("abc"));
    EXPECT_FALSE(host.activeEditor()->isModified());
}

TEST_F(ReplaceTest, ActivePageOnlyByDefault)
{
    host.addPage(QStringLiteral("one a"));
    host.addPage(QStringLiteral("two a"));
    host.selectPage(1);
    controller.runReplace(order(QStringLiteral("a"), QStringLiteral("b")));
    EXPECT_EQ(host.editor(0)->text(), QStringLiteral("one a"));
    EXPECT_EQ(host.editor(1)->text(), QStringLiteral("two b"));
}

TEST_F(ReplaceTest, AllOpenPages)
{
    host.addPage(QStringLiteral("<P>one"));
    host.addPage(QStringLiteral("<P>two<P>"));
    host.addPage(QStringLiteral("three"));
    host.selectPage(1);
    ReplaceRequest r = order(QStringLiteral("<P>"), QStringLiteral("<p>"));
    r.matchCase = true;
    r.allOpenFiles = true;
    controller.runReplace(r);
    EXPECT_EQ(host.editor(0)->text(), QStringLiteral("<p>one"));
    EXPECT_EQ(host.editor(1)->text(), QStringLiteral("<p>two<p>"));
    EXPECT_EQ(host.editor(2)->text(), QStringLiteral("three"));
    EXPECT_FALSE(host.editor(2)->isModified());
    EXPECT_EQ(host.activePage(), 1);
}

TEST_F(ReplaceTest, WholeProjectPassOverFilesOnDisk)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("project"));
    const QString a = dir + QStringLiteral("/a.html");
    const QString b = dir + QStringLiteral("/sub dir/b.htm");
    QDir(dir).mkpath(QStringLiteral("sub dir"));
    writeBytes(a, "<H1>Old</H1>\r\nOld text\r\n");
    writeBytes(b, "Old\r\n");
    // An open page of the project: replaced in its editor, and its file too.
    host.addPage(QStringLiteral("Old page"), a, true);
    host.activeEditor()->setModified(false);

    setProject(true, projectList(dir + QStringLiteral("/web.lmp"),
                                 {a, QStringLiteral("Untitled 3"), b}));
    ReplaceRequest r = order(QStringLiteral("Old"), QStringLiteral("New"));
    r.wholeProject = true;
    controller.runReplace(r);

    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("New page"));
    EXPECT_EQ(readBytes(a), QByteArray("<H1>New</H1>\r\nNew text\r\n"));
    EXPECT_EQ(readBytes(b), QByteArray("New\r\n"));
    EXPECT_TRUE(ui.messages.isEmpty()) << "the untitled record is skipped without a file error: "
                                       << ui.lastMessage().toStdString();
}

TEST_F(ReplaceTest, WholeProjectKeepsTheFileEncoding)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("encoding"));
    const QString a = dir + QStringLiteral("/latin.html");
    writeBytes(a, "Gr\xe6sk Old\r\n"); // Windows-1252, not UTF-8
    host.addPage(QStringLiteral("x"));
    setProject(true, projectList(dir + QStringLiteral("/p.lmp"), {a}));
    ReplaceRequest r = order(QStringLiteral("Old"), QStringLiteral("New"));
    r.wholeProject = true;
    controller.runReplace(r);
    EXPECT_EQ(readBytes(a), QByteArray("Gr\xe6sk New\r\n"));
}

TEST_F(ReplaceTest, WholeProjectKeepsTheByteOrderMark)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("mark"));
    const QString a = dir + QStringLiteral("/marked.html");
    writeBytes(a, "\xEF\xBB\xBF" "caf\xC3\xA9 Old\r\n\r\n");
    host.addPage(QStringLiteral("x"));
    setProject(true, projectList(dir + QStringLiteral("/p.lmp"), {a}));
    ReplaceRequest r = order(QStringLiteral("Old"), QStringLiteral("New"));
    r.wholeProject = true;
    controller.runReplace(r);
    EXPECT_EQ(readBytes(a), QByteArray("\xEF\xBB\xBF" "caf\xC3\xA9 New\r\n\r\n"));
}

/// A file the pass can read but not write back, even for the superuser.
QString unwritableFile(const QString &dir)
{
    if (geteuid() == 0)
        return QStringLiteral("/proc/sys/kernel/ostype"); // holds "Linux"
    const QString sub = dir + QStringLiteral("/locked");
    QDir(dir).mkpath(QStringLiteral("locked"));
    const QString path = sub + QStringLiteral("/c.html");
    writeBytes(path, "Linux\r\n");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    return path;
}

TEST_F(ReplaceTest, WholeProjectStopsAtAFileThatCannotBeWritten)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("unwritable"));
    const QString a = dir + QStringLiteral("/a.html");
    const QString b = dir + QStringLiteral("/b.html");
    writeBytes(a, "Linux a\r\n");
    writeBytes(b, "Linux b\r\n");
    const QString locked = unwritableFile(dir);
    const QByteArray lockedBefore = readBytes(locked);
    ASSERT_TRUE(lockedBefore.startsWith("Linux"));
    host.addPage(QStringLiteral("page"));

    setProject(true, projectList(dir + QStringLiteral("/p.lmp"), {a, locked, b}));
    ReplaceRequest r = order(QStringLiteral("Linux"), QStringLiteral("Unix"));
    r.wholeProject = true;
    controller.runReplace(r);
    QFile::setPermissions(dir + QStringLiteral("/locked"), QFileDevice::ReadOwner
                          | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    EXPECT_EQ(readBytes(a), QByteArray("Unix a\r\n")) << "files done before stay done";
    EXPECT_EQ(readBytes(locked), lockedBefore);
    EXPECT_EQ(readBytes(b), QByteArray("Linux b\r\n")) << "the pass stops at the failing file";
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.lastMessage().contains(QDir::toNativeSeparators(locked))
                || ui.lastMessage().contains(locked))
        << ui.lastMessage().toStdString();
}

TEST_F(ReplaceTest, WholeProjectStopsAtAMissingFile)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("missing"));
    const QString a = dir + QStringLiteral("/a.html");
    const QString gone = dir + QStringLiteral("/gone.html");
    const QString b = dir + QStringLiteral("/b.html");
    writeBytes(a, "x\r\n");
    writeBytes(b, "x\r\n");
    host.addPage(QStringLiteral("page"));
    setProject(true, projectList(dir + QStringLiteral("/p.lmp"), {a, gone, b}));
    ReplaceRequest r = order(QStringLiteral("x"), QStringLiteral("y"));
    r.wholeProject = true;
    controller.runReplace(r);
    EXPECT_EQ(readBytes(a), QByteArray("y\r\n"));
    EXPECT_EQ(readBytes(b), QByteArray("x\r\n"));
    EXPECT_FALSE(QFileInfo::exists(gone)) << "a missing file is not created";
    ASSERT_EQ(ui.messages.size(), 1);
    EXPECT_TRUE(ui.lastMessage().contains(QStringLiteral("gone.html"))) << ui.lastMessage().toStdString();
}

TEST_F(ReplaceTest, WholeProjectWithEmptyFindTextLeavesTheFilesAlone)
{
    const QString dir = TestSandbox::makeDir(QStringLiteral("emptyfind"));
    const QString a = dir + QStringLiteral("/a.html");
    writeBytes(a, "keep\n"); // a bare LF would become CR LF if rewritten
    host.addPage(QStringLiteral("page"));
    setProject(true, projectList(dir + QStringLiteral("/p.lmp"), {a}));
    ReplaceRequest r = order(QString(), QStringLiteral("y"));
    r.wholeProject = true;
    controller.runReplace(r);
    EXPECT_EQ(readBytes(a), QByteArray("keep\n"));
}

TEST_F(ReplaceTest, ProjectComesFromTheHostsProjectState)
{
    ReplaceController fromHost(host);
    EXPECT_FALSE(fromHost.project().open) << "no project state at all";
    ProjectState state;
    host.setProjectState(&state);
    EXPECT_FALSE(fromHost.project().open);
    const QByteArray image = projectList(QStringLiteral("/w/web.lmp"), {QStringLiteral("/w/a.html")});
    state.openProject(QStringLiteral("/w/web.lmp"), image);
    EXPECT_TRUE(fromHost.project().open);
    EXPECT_EQ(fromHost.project().list, state.list());
    EXPECT_EQ(fromHost.project().list.size(), 256 + 257);
}

// The enabling rules of the dialog, for each combination of pages and project.
struct ScopeCase {
    const char *name;
    int pages;
    bool project;
    bool allFilesEnabled;
    bool projectEnabled;
};

class ReplaceDialogScope : public ReplaceTest, public ::testing::WithParamInterface<ScopeCase> {};

TEST_P(ReplaceDialogScope, ScopeBoxesFollowPagesAndProject)
{
    const ScopeCase c = GetParam();
    for (int i = 0; i < c.pages; ++i)
        host.addPage(QStringLiteral("text"));
    setProject(c.project);
    bool allEnabled = !c.allFilesEnabled, projectEnabled = !c.projectEnabled;
    bool allChecked = true, projectChecked = true;
    ModalDriver<Treplace> driver([&](Treplace *d) {
        allEnabled = d->CheckBox3->isEnabled();
        projectEnabled = d->CheckBox4->isEnabled();
        allChecked = d->CheckBox3->isChecked();
        projectChecked = d->CheckBox4->isChecked();
        d->cancelButton->click();
    });
    controller.sgogerstat1Click();
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(allEnabled, c.allFilesEnabled);
    EXPECT_EQ(projectEnabled, c.projectEnabled);
    EXPECT_FALSE(allChecked);
    EXPECT_FALSE(projectChecked);
}

INSTANTIATE_TEST_SUITE_P(Cases, ReplaceDialogScope,
                         ::testing::Values(ScopeCase{"OnePageNoProject", 1, false, false, false},
                                           ScopeCase{"TwoPagesNoProject", 2, false, true, false},
                                           ScopeCase{"OnePageWithProject", 1, true, false, true},
                                           ScopeCase{"TwoPagesWithProject", 2, true, true, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ReplaceTest, FormActivateClearsBoxesThatCannotApply)
{
    Treplace d;
    d.CheckBox3->setChecked(true);
    d.CheckBox4->setChecked(true);
    d.selectedText = QStringLiteral("<HR>");
    d.FormActivate();
    EXPECT_FALSE(d.CheckBox3->isChecked());
    EXPECT_FALSE(d.CheckBox3->isEnabled());
    EXPECT_FALSE(d.CheckBox4->isChecked());
    EXPECT_FALSE(d.CheckBox4->isEnabled());
    EXPECT_EQ(d.Edit1->text(), QStringLiteral("<HR>"));
}

TEST_F(ReplaceTest, TickingAScopeBoxForcesEntireScope)
{
    Treplace d;
    d.severalPagesOpen = true;
    d.projectOpen = true;
    d.FormActivate();
    d.RadioButton1->setChecked(true);

    d.CheckBox3->click();
    EXPECT_TRUE(d.RadioButton2->isChecked());
    EXPECT_FALSE(d.RadioButton1->isEnabled());

    d.CheckBox4->click();
    d.CheckBox3->click(); // one box still ticked: From cursor stays off
    EXPECT_FALSE(d.RadioButton1->isEnabled());

    d.CheckBox4->click(); // neither ticked
    EXPECT_TRUE(d.RadioButton1->isEnabled());
    EXPECT_TRUE(d.RadioButton2->isChecked());
}

TEST_F(ReplaceTest, DialogReplacesThroughTheCommand)
{
    host.addPage(QStringLiteral("banana"));
    host.activeEditor()->setSelection(1, 1);
    QString offered;
    ModalDriver<Treplace> driver([&](Treplace *d) {
        offered = d->Edit1->text();
        d->Edit2->setText(QStringLiteral("aa"));
        d->replaceButton->click();
    });
    QAction *command = host.command(QStringLiteral("sgogerstat1"));
    ASSERT_TRUE(command->isEnabled());
    command->trigger();
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(offered, QStringLiteral("a"));
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("baanaanaa"));
}

TEST_F(ReplaceTest, CancelReplacesNothing)
{
    host.addPage(QStringLiteral("banana"));
    ModalDriver<Treplace> driver([&](Treplace *d) {
        d->Edit1->setText(QStringLiteral("a"));
        d->Edit2->setText(QStringLiteral("o"));
        d->cancelButton->click();
    });
    controller.sgogerstat1Click();
    ASSERT_TRUE(driver.seen());
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("banana"));
    EXPECT_FALSE(host.activeEditor()->isModified());
}

TEST_F(ReplaceTest, DialogHandsOverItsControls)
{
    Treplace d;
    d.severalPagesOpen = true;
    d.FormActivate();
    d.Edit1->setText(QStringLiteral("find"));
    d.Edit2->setText(QStringLiteral("with"));
    d.CheckBox1->setChecked(true);
    d.CheckBox3->click();
    const ReplaceRequest r = d.request();
    EXPECT_EQ(r.findText, QStringLiteral("find"));
    EXPECT_EQ(r.replaceText, QStringLiteral("with"));
    EXPECT_TRUE(r.wholeWord);
    EXPECT_FALSE(r.matchCase);
    EXPECT_TRUE(r.allOpenFiles);
    EXPECT_FALSE(r.wholeProject);
    EXPECT_TRUE(r.entireScope);
    EXPECT_FALSE(r.fromCursor);
}

TEST_F(ReplaceTest, DialogTextsAndHelpContext)
{
    Treplace d;
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Search and replace"));
    EXPECT_EQ(d.CheckBox2->text(), QStringLiteral("Case sentive"));
    EXPECT_EQ(d.CheckBox3->text(), QStringLiteral("Search in all open files"));
    EXPECT_EQ(d.CheckBox4->text(), QStringLiteral("Search in the whole project"));
    EXPECT_EQ(d.replaceButton->text(), QStringLiteral("Replace"));
    EXPECT_TRUE(d.replaceButton->isDefault());
    EXPECT_TRUE(d.RadioButton2->isChecked());
    RecordingHelp helpLog;
    d.helpButton->click();
    EXPECT_EQ(helpLog.topics, QList<int>{1480});
}

} // namespace
