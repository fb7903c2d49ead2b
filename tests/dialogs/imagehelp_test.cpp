// The image dialog and the link builder have their help topics.
#include "helpcontexts.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(ImageHelpTopics, ImageAndLinkBuilderHaveTitledTopics)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/images.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    using namespace lumaro::helpcontext;
    EXPECT_TRUE(text.contains(QStringLiteral("<h2><a name=\"ctx%1\"></a>Image</h2>").arg(Image)));
    EXPECT_TRUE(text.contains(QStringLiteral("<h2><a name=\"ctx%1\"></a>URL Builder</h2>").arg(LinkBuilder)));
}

} // namespace
