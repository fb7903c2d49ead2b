// The Help menu's index command.
#include "fakepagehost.h"
#include "helpcommands.h"
#include "helpservice.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace lumaro;

TEST(HelpCommandsTest, IndexOpensTheHelpIndexWithOrWithoutPages)
{
    RecordingHelp helpLog;
    lumaro::test::FakePageHost host;
    HelpCommands commands(host);
    QAction *index = host.command(QStringLiteral("Indeks1"));
    ASSERT_TRUE(index->isEnabled());
    index->trigger();
    EXPECT_EQ(helpLog.topics, QList<int>{-1});
}
