#include "droptext.h"

#include <gtest/gtest.h>

using namespace lumaro;

TEST(DropTextTest, NamePartsWithEitherSeparator)
{
    EXPECT_EQ(DropText::fileName(QStringLiteral("/pics/PIC.GIF")), QStringLiteral("PIC.GIF"));
    EXPECT_EQ(DropText::fileName(QStringLiteral("c:\\web\\Home.url")), QStringLiteral("Home.url"));
    EXPECT_EQ(DropText::title(QStringLiteral("/a/my.page.url")), QStringLiteral("my.page"));
    EXPECT_EQ(DropText::title(QStringLiteral("/a.b/noext")), QStringLiteral("noext"));
    EXPECT_EQ(DropText::extension(QStringLiteral("/x/PIC.GIF")), QStringLiteral(".gif"));
    EXPECT_EQ(DropText::extension(QStringLiteral("/x.d/README")), QString());
}

TEST(DropTextTest, ImageAndAnchorTags)
{
    EXPECT_EQ(DropText::imageTag(QStringLiteral("PIC.GIF"), 100, 50),
              QStringLiteral("<IMG SRC=\"PIC.GIF\" WIDTH=100 HEIGHT=50 BORDER=0>"));
    EXPECT_EQ(DropText::imageTag(QStringLiteral("x.jpg"), 0, 0), QStringLiteral("<IMG SRC=\"x.jpg\" BORDER=0>"));
    EXPECT_EQ(DropText::anchorTag(QStringLiteral("page2.html"), QStringLiteral("Home")),
              QStringLiteral("<A HREF=\"page2.html\">Home</A>"));
}

TEST(DropTextTest, ShortcutUrlUpToTheLineEnd)
{
    EXPECT_EQ(DropText::shortcutUrl(QStringLiteral("[InternetShortcut]\r\nURL=page2.html\r\nIconIndex=0\r\n")),
              QStringLiteral("page2.html"));
    EXPECT_EQ(DropText::shortcutUrl(QStringLiteral("[x]\nurl=http://a/b?c=d\n")), QStringLiteral("http://a/b?c=d"));
    EXPECT_EQ(DropText::shortcutUrl(QStringLiteral("Url=end")), QStringLiteral("end"));
    EXPECT_EQ(DropText::shortcutUrl(QStringLiteral("[InternetShortcut]\r\n")), std::nullopt);
}
