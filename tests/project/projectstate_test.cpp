#include "projectstate.h"

#include <gtest/gtest.h>

using namespace lumaro;

TEST(ProjectStateTest, NewProjectHoldsOnlyItsHeader)
{
    ProjectState st;
    EXPECT_FALSE(st.isOpen());
    st.newProject();
    EXPECT_TRUE(st.isOpen());
    EXPECT_FALSE(st.isSaved());
    EXPECT_FALSE(st.isModified());
    EXPECT_EQ(st.path(), QStringLiteral("Project 1"));
    QByteArray header(256, '\0');
    header.replace(0, 10, QByteArray("\x09Project 1"));
    EXPECT_EQ(st.list(), header);
    // An unsaved project has no side files.
    EXPECT_TRUE(st.optionsFileName().isEmpty());
    EXPECT_TRUE(st.tableFileName().isEmpty());
}

TEST(ProjectStateTest, RecordsFollowThePages)
{
    ProjectState st;
    st.newProject();
    st.addRecord(QStringLiteral("Untitled 1"), true);
    EXPECT_TRUE(st.isModified());
    st.addRecord(QStringLiteral("/w/b.html"), true);
    st.setModified(false);

    EXPECT_TRUE(st.renameRecord(QStringLiteral("Untitled 1"), QStringLiteral("/w/a.html")));
    EXPECT_TRUE(st.isModified());
    st.setModified(false);
    EXPECT_TRUE(st.markClosed(QStringLiteral("/w/b.html")));
    EXPECT_TRUE(st.isModified());

    const QList<ProjectRecord> expected{{"/w/a.html", true}, {"/w/b.html", false}};
    EXPECT_EQ(st.records(), expected);
    EXPECT_EQ(st.list().size(), 256 + 2 * 257);
}

TEST(ProjectStateTest, UnknownNamesChangeNothing)
{
    ProjectState st;
    st.newProject();
    st.addRecord(QStringLiteral("/w/a.html"), true);
    st.setModified(false);
    const QByteArray before = st.list();
    // Names are compared exactly.
    EXPECT_FALSE(st.markClosed(QStringLiteral("/w/A.html")));
    EXPECT_FALSE(st.renameRecord(QStringLiteral("/w/a.htm"), QStringLiteral("/x")));
    EXPECT_FALSE(st.isModified());
    EXPECT_EQ(st.list(), before);
}

TEST(ProjectStateTest, OpenKeepsTheImageAndNamesSideFiles)
{
    ProjectState st;
    QByteArray image = ProjectFile::image(QStringLiteral("C:\\old\\name.lmp"), {{"/w/a.html", true}});
    st.openProject(QStringLiteral("/w/site.lmp"), image + QByteArray("junk"));
    EXPECT_TRUE(st.isSaved());
    EXPECT_FALSE(st.isModified());
    // The header is kept as read; the cut-off tail is dropped so records stay aligned.
    EXPECT_EQ(st.list(), image);
    EXPECT_EQ(st.optionsFileName(), QStringLiteral("/w/site.lmo"));
    EXPECT_EQ(st.tableFileName(), QStringLiteral("/w/site.lmu"));
    st.addRecord(QStringLiteral("/w/b.html"), false);
    EXPECT_EQ(st.records().size(), 2);
}

TEST(ProjectStateTest, SaveAsRewritesTheHeader)
{
    ProjectState st;
    st.newProject();
    st.addRecord(QStringLiteral("/w/a.html"), true);
    st.saveAs(QStringLiteral("/w/web.lmp"));
    EXPECT_EQ(ProjectFile::headerPath(st.list()), QStringLiteral("/w/web.lmp"));
    EXPECT_EQ(st.path(), QStringLiteral("/w/web.lmp"));
    EXPECT_TRUE(st.isSaved());
    EXPECT_FALSE(st.isModified());
    EXPECT_EQ(st.records().size(), 1);
}

TEST(ProjectStateTest, LongPathStaysWholeInMemory)
{
    ProjectState st;
    st.newProject();
    const QString longPath = QStringLiteral("/") + QString(300, u'd') + QStringLiteral("/p.lmp");
    st.saveAs(longPath);
    EXPECT_EQ(st.path(), longPath);
    EXPECT_EQ(ProjectFile::headerPath(st.list()), longPath.left(255));
}

TEST(ProjectStateTest, PathToUrlWithoutProjectGivesTheFileName)
{
    ProjectState st;
    EXPECT_EQ(st.pathToUrl(QStringLiteral("/home/u/pics/PIC.GIF")), QStringLiteral("PIC.GIF"));
    EXPECT_EQ(st.pathToUrl(QStringLiteral("C:\\pics\\a.gif")), QStringLiteral("a.gif"));
    st.newProject();
    // An unsaved project has no options: the file name again.
    EXPECT_EQ(st.pathToUrl(QStringLiteral("/home/u/pics/PIC.GIF")), QStringLiteral("PIC.GIF"));
}
