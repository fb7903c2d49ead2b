// A project's round trip through the real main window: a new project, two
// pages saved into it, the project saved, the program closed and started
// again with the project file on its command line.
#include "mainwindow.h"
#include "projectfile.h"
#include "scriptedinteraction.h"
#include "testsandbox.h"

#include <QAction>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(MainWindowProjectTest, PagesOfASavedProjectOpenAgainAfterARestart)
{
    test::TestSandbox::clearSettings();
    const QString dir = test::TestSandbox::makeDir(QStringLiteral("project-restart"));
    ScriptedInteraction ui;
    {
        TMainwindow first;
        first.FormShow();
        ASSERT_EQ(first.pageCount(), 1);

        first.command(QStringLiteral("nytproject1"))->trigger();
        EXPECT_EQ(first.pageCount(), 0);
        first.command(QStringLiteral("FileNew"))->trigger();
        first.command(QStringLiteral("FileNew"))->trigger();
        ASSERT_EQ(first.pageCount(), 2);

        ui.saveAnswers.enqueue(dir + QStringLiteral("/a.html"));
        first.selectPage(0);
        first.command(QStringLiteral("FileSaveAs"))->trigger();
        ui.saveAnswers.enqueue(dir + QStringLiteral("/b.html"));
        first.selectPage(1);
        first.command(QStringLiteral("FileSaveAs"))->trigger();
        ASSERT_EQ(first.pageFileName(0), dir + QStringLiteral("/a.html"));
        ASSERT_EQ(first.pageFileName(1), dir + QStringLiteral("/b.html"));

        ui.saveAnswers.enqueue(dir + QStringLiteral("/site"));
        first.command(QStringLiteral("gemprojectsom1"))->trigger();
        ASSERT_TRUE(QFileInfo::exists(dir + QStringLiteral("/site.lmp")));

        // Everything is saved: closing asks nothing.
        const qsizetype asked = ui.messages.size();
        EXPECT_TRUE(first.FormCloseQuery());
        EXPECT_EQ(ui.messages.size(), asked) << ui.lastMessage().toStdString();
    }

    QByteArray image;
    QString error;
    ASSERT_TRUE(ProjectFile::read(dir + QStringLiteral("/site.lmp"), &image, &error));
    const QList<ProjectRecord> records = ProjectFile::records(image);
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0], (ProjectRecord{dir + QStringLiteral("/a.html"), true}));
    EXPECT_EQ(records[1], (ProjectRecord{dir + QStringLiteral("/b.html"), true}));

    TMainwindow second({dir + QStringLiteral("/site.lmp")});
    second.FormShow();
    ASSERT_EQ(second.pageCount(), 2);
    EXPECT_EQ(second.pageFileName(0), dir + QStringLiteral("/a.html"));
    EXPECT_EQ(second.pageFileName(1), dir + QStringLiteral("/b.html"));
    EXPECT_TRUE(second.command(QStringLiteral("gemproject1"))->isEnabled());
}
