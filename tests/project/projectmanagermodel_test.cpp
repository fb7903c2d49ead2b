#include "projectfile.h"
#include "projectmanagermodel.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

QByteArray sampleList()
{
    return ProjectFile::image(QStringLiteral("/w/site.lmp"),
                              {{"/w/b.html", true}, {"/w/C.html", false}, {"/w/a.html", true},
                               {"/w/d.txt", false}, {"/w/A2.html", true}});
}

} // namespace

TEST(ProjectManagerModelTest, FillsSortedLists)
{
    const ProjectManagerModel m(sampleList());
    EXPECT_EQ(m.headerText(), QStringLiteral("/w/site.lmp"));
    EXPECT_EQ(m.openFiles(), QStringList({"/w/a.html", "/w/A2.html", "/w/b.html"}));
    EXPECT_EQ(m.closedFiles(), QStringList({"/w/C.html", "/w/d.txt"}));
}

TEST(ProjectManagerModelTest, RewritesClosedFilesFirst)
{
    ProjectManagerModel m(sampleList());
    m.moveToClosed({QStringLiteral("/w/b.html")});
    m.addFiles({QStringLiteral("/w/aa.html")});
    const QByteArray expected = ProjectFile::image(
        QStringLiteral("/w/site.lmp"),
        {{"/w/aa.html", false}, {"/w/b.html", false}, {"/w/C.html", false}, {"/w/d.txt", false},
         {"/w/a.html", true}, {"/w/A2.html", true}});
    EXPECT_EQ(m.rewrittenList(), expected);
}

TEST(ProjectManagerModelTest, HeaderIsKeptAsRead)
{
    QByteArray list = sampleList();
    list[200] = 'Z'; // undefined bytes after the string travel with the header
    const ProjectManagerModel m(list);
    EXPECT_EQ(m.rewrittenList().left(256), list.left(256));
}

TEST(ProjectManagerModelTest, MovesAndRemoves)
{
    ProjectManagerModel m(sampleList());
    m.moveToOpen({QStringLiteral("/w/d.txt"), QStringLiteral("/w/not-there")});
    EXPECT_EQ(m.openFiles(), QStringList({"/w/a.html", "/w/A2.html", "/w/b.html", "/w/d.txt"}));
    EXPECT_EQ(m.closedFiles(), QStringList({"/w/C.html"}));
    // Open files cannot be removed directly.
    m.removeClosed({QStringLiteral("/w/a.html"), QStringLiteral("/w/C.html")});
    EXPECT_TRUE(m.closedFiles().isEmpty());
    EXPECT_EQ(m.openFiles().size(), 4);
}

TEST(ProjectManagerModelTest, DuplicatesStayOnePerEntry)
{
    ProjectManagerModel m(ProjectFile::image(QStringLiteral("p"), {}));
    m.addFiles({QStringLiteral("/x.html"), QStringLiteral("/x.html")});
    EXPECT_EQ(m.closedFiles().size(), 2);
    m.moveToOpen({QStringLiteral("/x.html")});
    EXPECT_EQ(m.closedFiles().size(), 1);
    EXPECT_EQ(m.openFiles().size(), 1);
}

TEST(ProjectManagerModelTest, EmptyOrShortListGetsAWholeHeader)
{
    const ProjectManagerModel m(QByteArray("\x03" "abc", 4));
    EXPECT_EQ(m.headerText(), QStringLiteral("abc"));
    EXPECT_EQ(m.rewrittenList().size(), 256);
}
