// The rule, marquee and list builder dialogs' help contexts have topics.
#include "helpcontexts.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(RuleListHelpTopics, EveryContextHasATitledTopic)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/rules.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    using namespace lumaro::helpcontext;
    for (int context : {Rule, Marquee, ListBuilder}) {
        const QRegularExpression topic(QStringLiteral("<h2><a name=\"ctx%1\"></a>[^<]+</h2>").arg(context));
        EXPECT_TRUE(topic.match(text).hasMatch()) << context;
    }
}

} // namespace
