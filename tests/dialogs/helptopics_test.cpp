// Every help context number of the tag dialogs has a topic in the help file.
#include "helpcontexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(DialogHelpTopics, EveryContextHasATitledTopic)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/dialogs.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QSet<int> found;
    const QRegularExpression topic(QStringLiteral("<h2><a name=\"ctx(\\d+)\"></a>([^<]+)</h2>"));
    for (auto it = topic.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        EXPECT_FALSE(m.captured(2).trimmed().isEmpty());
        EXPECT_FALSE(found.contains(m.captured(1).toInt())) << "duplicate " << m.captured(1).toStdString();
        found.insert(m.captured(1).toInt());
    }
    using namespace lumaro::helpcontext;
    for (int context : {TableBuilder, JumpTo, JumpToHere, Anchor, Center, Italic, Underline, Bold, PhraseTag, Table,
                        TableRow, TableData, TableCaption})
        EXPECT_TRUE(found.contains(context)) << context;
}

} // namespace
