// The recovery journal in the real main window: copies written a moment
// after typing, removed on save, on a close without saving and on a normal
// exit, and the start-up offer worked through its dialog.
#include "filecommands.h"
#include "mainwindow.h"
#include "../../dialogs/ui/modaldialog.h"
#include "pagemanager.h"
#include "recoverycontroller.h"
#include "recoveryjournal.h"
#include "scriptedinteraction.h"
#include "filebytes.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"
#include "trecoverydialog.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::WhenModal;

namespace {

using test::readBytes;
using test::writeBytes;

class RecoveryWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::TestSandbox::clearSettings();
        QDir(RecoveryJournal::defaultFolder()).removeRecursively();
        m_dir = test::TestSandbox::makeDir("recovery-window");
    }
    void TearDown() override
    {
        m_window.reset();
        // Copies left here would be offered to every later window of the run.
        QDir(RecoveryJournal::defaultFolder()).removeRecursively();
        QFile::remove(RecoveryJournal::defaultFolder());
    }

    TMainwindow &start(const QStringList &arguments = {})
    {
        m_window = std::make_unique<TMainwindow>(arguments);
        m_window->FormShow();
        controller()->timer()->setInterval(20);
        return *m_window;
    }
    RecoveryController *controller() const { return m_window->findChild<RecoveryController *>(); }
    QString copyOf(int slot) const { return controller()->journal().fileName(slot); }
    static QStringList copies()
    {
        return QDir(RecoveryJournal::defaultFolder()).entryList({"*.recovery"}, QDir::Files, QDir::Name);
    }
    void type(int slot, const QString &text)
    {
        m_window->selectPage(slot);
        QTest::keyClicks(m_window->editor(slot), text);
    }
    /// A copy left by a process that has ended.
    static void plantDeadCopy(int slot, const RecoveryRecord &record)
    {
        ProcessIdentity dead = ProcessIdentity::current();
        dead.startTicks += 1;
        RecoveryRecord copy = record;
        copy.owner = dead;
        ASSERT_TRUE(RecoveryJournal(RecoveryJournal::defaultFolder(), dead).write(slot, copy));
    }

    ScriptedInteraction m_ui;
    QString m_dir;
    std::unique_ptr<TMainwindow> m_window;
};

} // namespace

TEST_F(RecoveryWindowTest, CopiesEveryModifiedPageAMomentAfterTyping)
{
    const QString named = m_dir + "/a.html";
    writeBytes(named, "<P>a</P>\r\n");
    TMainwindow &w = start({named});
    w.files().FileNew();
    ASSERT_EQ(w.pageCount(), 2);

    type(1, "x");
    EXPECT_TRUE(controller()->timer()->isActive());
    EXPECT_TRUE(copies().isEmpty()); // never on the key itself
    type(0, "\u00e6");
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(copyOf(0)) && QFile::exists(copyOf(1)); }, 5000));

    const RecoveryEntry first = RecoveryJournal::read(copyOf(0));
    ASSERT_TRUE(first.ok) << first.error.toStdString();
    EXPECT_EQ(first.record.pageName, named);
    EXPECT_TRUE(first.record.hasFile);
    EXPECT_TRUE(first.record.format.finalLineBreak);
    EXPECT_EQ(first.record.text, w.editor(0)->text());
    EXPECT_EQ(first.record.owner, ProcessIdentity::current());
    const RecoveryEntry second = RecoveryJournal::read(copyOf(1));
    EXPECT_EQ(second.record.pageName, "Untitled 1");
    EXPECT_EQ(second.record.text, w.editor(1)->text());

    // Saving removes the named page's copy; the untitled one stays.
    w.selectPage(0);
    ASSERT_TRUE(w.files().FileSave());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !QFile::exists(copyOf(0)); }, 5000));
    EXPECT_TRUE(QFile::exists(copyOf(1)));
}

TEST_F(RecoveryWindowTest, ClosingWithoutSavingAndExitingLeaveNoCopy)
{
    QStringList files;
    for (const char *name : {"a.html", "b.html", "c.html"}) {
        files << m_dir + "/" + name;
        writeBytes(files.last(), name);
    }
    TMainwindow &w = start();
    for (const QString &f : files)
        ASSERT_TRUE(w.openfilproj(f));
    type(1, "B");
    type(2, "C");
    type(3, "D");
    EXPECT_TRUE(QTest::qWaitFor([&] { return copies().size() == 3; }, 5000)) << copies().size();

    // "No" to the save question of B: its copy goes, and C and D, which move
    // down a slot, keep copies under their own names.
    w.selectPage(1);
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    w.pages().Luksiden1Click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return copies().size() == 2; }, 5000)) << copies().size();
    EXPECT_EQ(RecoveryJournal::read(copyOf(1)).record.pageName, files[1]);
    EXPECT_EQ(RecoveryJournal::read(copyOf(2)).record.pageName, files[2]);
    EXPECT_EQ(RecoveryJournal::read(copyOf(2)).record.text, "Dc.html");

    // A normal exit, answering No for both pages, leaves nothing behind.
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    m_ui.messageAnswers.enqueue(QMessageBox::No);
    EXPECT_TRUE(w.close());
    m_window.reset();
    EXPECT_TRUE(copies().isEmpty());
}

TEST_F(RecoveryWindowTest, AFailedWriteIsShownOnceInTheStatusBar)
{
    // The folder's place is taken by a file: no copy can be written.
    QDir().mkpath(QFileInfo(RecoveryJournal::defaultFolder()).path());
    writeBytes(RecoveryJournal::defaultFolder(), "not a folder");
    TMainwindow &w = start();
    type(0, "x");
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.statusPanelText(1).startsWith("Cannot write the recovery copy of Untitled 1: Cannot create the folder"); }, 5000));
    w.showStatus(QString());
    type(0, "y");
    QTest::qWait(100);
    EXPECT_FALSE(controller()->timer()->isActive());
    EXPECT_EQ(w.statusPanelText(1), QString());
}

TEST_F(RecoveryWindowTest, StartUpOffersCopiesAndRecoversThemExactly)
{
    const QString named = m_dir + "/page.html";
    writeBytes(named, "<P>old</P>\r\n");
    RecoveryRecord page;
    page.pageName = named;
    page.hasFile = true;
    page.format.finalLineBreak = true;
    page.savedAt = QDateTime::currentDateTimeUtc();
    page.disk = DiskStamp::of(named);
    page.text = QStringLiteral("<P>\u00e6bler og p\u00e6rer</P>\r\n<P>new</P>");
    plantDeadCopy(0, page);
    RecoveryRecord untitled = page;
    untitled.pageName = "Untitled 3";
    untitled.hasFile = false;
    untitled.format.finalLineBreak = false;
    untitled.disk = {};
    untitled.text = "draft\r\n";
    plantDeadCopy(1, untitled);
    writeBytes(RecoveryJournal::defaultFolder() + "/9-9-9.recovery", "LUMARO RECOVERY 1\npage: /x");

    QStringList rows, skipped;
    WhenModal<Trecoverydialog> recover([&](Trecoverydialog *d) {
        for (int r = 0; r < d->list()->topLevelItemCount(); ++r)
            rows << d->list()->topLevelItem(r)->text(0) + " | " + d->list()->topLevelItem(r)->text(3);
        skipped = d->skippedLines();
        EXPECT_TRUE(d->recoverButton()->isDefault());
        d->recoverButton()->click();
    });
    TMainwindow &w = start();
    ASSERT_TRUE(recover.ran());
    EXPECT_EQ(rows, QStringList({named + " | Unchanged", "Untitled 3 | No file"}));
    EXPECT_EQ(skipped, QStringList({"Skipped 9-9-9.recovery: The header is truncated."}));

    // Untitled 1 from the template, then the two recovered pages, modified.
    ASSERT_EQ(w.pageCount(), 3);
    EXPECT_EQ(w.pageFileName(1), named);
    EXPECT_TRUE(w.pageHasFile(1));
    EXPECT_TRUE(w.editor(1)->isModified());
    EXPECT_EQ(w.editor(1)->text(), page.text);
    // The named page took number 2 on its way in; untitled pages get the next number.
    EXPECT_EQ(w.pageFileName(2), "Untitled 3");
    EXPECT_FALSE(w.pageHasFile(2));
    EXPECT_EQ(w.editor(2)->text(), "draft\r\n");
    EXPECT_TRUE(w.editor(2)->isModified());

    // The old copies went once this process had its own; the damaged file stays.
    QStringList expected{QFileInfo(copyOf(1)).fileName(), QFileInfo(copyOf(2)).fileName(), "9-9-9.recovery"};
    expected.sort();
    EXPECT_EQ(copies(), expected);

    w.selectPage(1);
    ASSERT_TRUE(w.files().FileSave());
    EXPECT_EQ(readBytes(named), "<P>\xc3\xa6" "bler og p\xc3\xa6rer</P>\r\n<P>new</P>\r\n");
}

TEST_F(RecoveryWindowTest, DiscardRemovesAndLaterKeeps)
{
    const QString named = m_dir + "/page.html";
    writeBytes(named, "<P>old</P>");
    RecoveryRecord page;
    page.pageName = named;
    page.hasFile = true;
    page.savedAt = QDateTime::currentDateTimeUtc();
    page.disk = DiskStamp::of(named);
    page.text = "<P>new</P>";
    plantDeadCopy(0, page);
    writeBytes(named, "<P>changed by someone else</P>");
    writeBytes(RecoveryJournal::defaultFolder() + "/1-2-3.recovery", "");

    QString disk;
    WhenModal<Trecoverydialog> later([&](Trecoverydialog *d) {
        disk = d->list()->topLevelItem(0)->text(3);
        d->laterButton()->click();
    });
    start();
    ASSERT_TRUE(later.ran());
    EXPECT_EQ(disk, "Changed since");
    EXPECT_EQ(m_window->pageCount(), 1);
    EXPECT_EQ(copies().size(), 2);

    m_window.reset();
    WhenModal<Trecoverydialog> discard([](Trecoverydialog *d) { d->discardButton()->click(); });
    start();
    ASSERT_TRUE(discard.ran());
    EXPECT_TRUE(copies().isEmpty());
    EXPECT_EQ(readBytes(named), "<P>changed by someone else</P>");
}

TEST(RecoveryHelp, TheDialogsTopicIsInTheHelpFile)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/recovery.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray topic = "<h2><a name=\"ctx" + QByteArray::number(Trecoverydialog::kHelpContext) + "\"></a>";
    EXPECT_TRUE(file.readAll().contains(topic + "Recovering unsaved pages</h2>"));
}
