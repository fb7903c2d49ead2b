#include "installdir.h"
#include "testsandbox.h"
#include "tregini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace lumaro;

class InstallDirTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }
};

TEST_F(InstallDirTest, DefaultsToTheUserDataDirectorySeededFromTheShippedData)
{
    const QString dir = InstallDir::path();
    EXPECT_EQ(dir, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/lumaro");
    EXPECT_TRUE(QFileInfo(dir).isDir());
    EXPECT_TRUE(QFileInfo::exists(dir + "/shortcut.dat"));
    EXPECT_EQ(InstallDir::file("\\color.rtf"), dir + "/color.rtf");
    EXPECT_EQ(InstallDir::file("color.rtf"), dir + "/color.rtf");
}

TEST_F(InstallDirTest, SeedingNeverOverwritesTheUsersFiles)
{
    const QString dir = InstallDir::path();
    {
        QFile f(dir + "/shortcut.dat");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("mine");
    }
    InstallDir::seed(dir);
    QFile f(dir + "/shortcut.dat");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("mine"));
}

TEST_F(InstallDirTest, TheSettingWinsAndIsNeverWritten)
{
    const QString mine = test::TestSandbox::makeDir("install");
    tregini::writeString("dir", "installdir", mine + "/");
    EXPECT_EQ(InstallDir::path(), mine);
    EXPECT_EQ(tregini().readinstalldir(), mine + "/");
}
