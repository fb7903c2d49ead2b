// The frame and form dialogs' help context numbers each have a topic.
#include "helpcontexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(FrameAndFormHelpTopics, EveryContextHasATitledTopic)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/frames.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QSet<int> found;
    const QRegularExpression topic(QStringLiteral("<h2><a name=\"ctx(\\d+)\"></a>([^<]+)</h2>"));
    for (auto it = topic.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        EXPECT_FALSE(found.contains(m.captured(1).toInt())) << "duplicate " << m.captured(1).toStdString();
        found.insert(m.captured(1).toInt());
    }
    using namespace lumaro::helpcontext;
    EXPECT_EQ(found, (QSet<int>{Frame, Frameset, NoFrames, Form, FormButton, SelectForm}));
}

} // namespace
