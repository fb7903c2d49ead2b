// The font, base font, body and heading dialogs have their help topics.
#include "helpcontexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(FontPageHelpTopics, EveryContextHasATitledTopic)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/fonts.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QSet<int> found;
    const QRegularExpression topic(QStringLiteral("<h2><a name=\"ctx(\\d+)\"></a>([^<]+)</h2>"));
    for (auto it = topic.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured(1).toInt());
    using namespace lumaro::helpcontext;
    EXPECT_EQ(found, (QSet<int>{Font, BaseFont, Body, Heading}));
}

} // namespace
