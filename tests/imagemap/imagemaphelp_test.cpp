// The map builder's help context numbers have topics in the help file.
#include "imagemaphelp.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(ImageMapHelpTopics, BothContextsHaveATitledTopic)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/imagemap.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    using namespace lumaro::helpcontext;
    EXPECT_TRUE(text.contains(QStringLiteral("<h2><a name=\"ctx%1\"></a>Map builder</h2>").arg(MapBuilder)));
    EXPECT_TRUE(text.contains(QStringLiteral("<h2><a name=\"ctx%1\"></a>Map URL</h2>").arg(MapUrl)));
}

} // namespace
