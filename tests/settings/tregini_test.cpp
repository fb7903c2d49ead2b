#include "tregini.h"
#include "testsandbox.h"

#include <QSettings>
#include <gtest/gtest.h>

using namespace lumaro;

class TreginiTest : public ::testing::Test {
protected:
    void SetUp() override { test::TestSandbox::clearSettings(); }
    static void storeRaw(const QString &key, const QString &value)
    {
        QSettings s(QStringLiteral("zelk"), QStringLiteral("lumaro"));
        s.setValue(key, value);
        s.sync();
    }
};

TEST_F(TreginiTest, FreshUserGetsTheDefaults)
{
    tregini r;
    EXPECT_FALSE(r.readusecolor());
    EXPECT_FALSE(r.readusefontattr());
    EXPECT_EQ(r.readcolorindex("anchor"), 12);
    EXPECT_EQ(r.readfontattrindex("all"), 0);
    EXPECT_EQ(r.readfontname(), "courier new");
    EXPECT_EQ(r.readfontsize(), 10);
    EXPECT_FALSE(r.readwordwrap());
    EXPECT_EQ(r.readautosavetime(), "5");
    EXPECT_TRUE(r.readautosaveok());
    EXPECT_FALSE(r.readconvsave());
    EXPECT_EQ(r.readmainsizew(), 640);
    EXPECT_EQ(r.readmainsizeh(), 480);
    EXPECT_EQ(r.readiefont(), "arial");
    EXPECT_TRUE(r.readusefonttype());
    const char *sizes[] = {"5", "9", "12", "16", "20", "25", "30"};
    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(r.readief(i), sizes[i - 1]) << i;
    EXPECT_EQ(r.readcrtags(), "P");
    EXPECT_EQ(r.readbtags(), "B");
    EXPECT_EQ(r.readitags(), "I");
    EXPECT_EQ(r.readutags(), "U");
    EXPECT_EQ(r.readstags(), "S");
    EXPECT_FALSE(r.readutilspeedbar());
    EXPECT_TRUE(r.readinstalldir().isEmpty());
    EXPECT_TRUE(r.readbrowser().isEmpty());
}

TEST_F(TreginiTest, IntegersReadAsDecimalOrHexadecimal)
{
    storeRaw("editor/anchor/color", "0x0C");
    storeRaw("editor/image/color", "0X1");
    storeRaw("editor/center/color", "0x");      // too short for hex: no number
    storeRaw("editor/marquee/color", "blue");
    storeRaw("editor/all/color", "7");
    tregini r;
    EXPECT_EQ(r.readcolorindex("anchor"), 12);
    EXPECT_EQ(r.readcolorindex("image"), 1);
    EXPECT_EQ(r.readcolorindex("center"), 12);
    EXPECT_EQ(r.readcolorindex("marquee"), 12);
    EXPECT_EQ(r.readcolorindex("all"), 7);
}

TEST_F(TreginiTest, BooleansAreAnyNonZeroInteger)
{
    storeRaw("editor/color/usecolor", "5");
    storeRaw("editor/wordwrap", "0");
    storeRaw("editor/autosave/enabled", "yes");
    tregini r;
    EXPECT_TRUE(r.readusecolor());
    EXPECT_FALSE(r.readwordwrap());
    EXPECT_TRUE(r.readautosaveok()); // not a number: default
}

TEST_F(TreginiTest, WritesAreSeenAtOnceByOtherInstances)
{
    tregini a;
    tregini b;
    a.writeusecolor(true);
    a.writecolorindex("image", 3);
    a.writefontname("monospace");
    EXPECT_TRUE(b.readusecolor());
    EXPECT_EQ(b.readcolorindex("image"), 3);
    EXPECT_EQ(b.readfontname(), "monospace");
    QSettings raw(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    EXPECT_EQ(raw.value("editor/color/usecolor").toString(), "1");
}

TEST_F(TreginiTest, LastDirIsTheDirectoryOfTheFile)
{
    tregini r;
    r.writelastdir("/home/ann/site/index.html");
    EXPECT_EQ(r.readlastdir(), "/home/ann/site");
    r.writelastdir("/index.html");
    EXPECT_EQ(r.readlastdir(), "/");
    r.writelastdir("C:\\web\\a.htm");
    EXPECT_EQ(r.readlastdir(), "C:\\web");
    r.writelastdir("C:\\a.htm");
    EXPECT_EQ(r.readlastdir(), "C:\\");
}

TEST_F(TreginiTest, OverridesAreReadButNeverWritten)
{
    tregini::setOverride("editor\\color", "usecolor", "1");
    tregini r;
    EXPECT_TRUE(r.readusecolor());
    QSettings raw(QStringLiteral("zelk"), QStringLiteral("lumaro"));
    EXPECT_FALSE(raw.contains("editor/color/usecolor"));
    tregini::clearOverrides();
    EXPECT_FALSE(r.readusecolor());
}
