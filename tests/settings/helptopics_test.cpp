// The preferences, new-shortcut and picker dialogs' help topics exist.
#include "tpreffdialog.h"
#include "tscpick.h"
#include "tshortcutdialog.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

TEST(PreferencesHelpTopics, EveryContextHasATitledTopic)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/preferences.html"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (int context : {lumaro::Tpreffdialog::kHelpContext, lumaro::Tshortcutdialog::kHelpContext,
                        lumaro::Tscpick::kHelpContext}) {
        const QRegularExpression topic(QStringLiteral("<h2><a name=\"ctx%1\"></a>[^<]+</h2>").arg(context));
        EXPECT_TRUE(topic.match(text).hasMatch()) << context;
    }
}

} // namespace
