// Every help context number of the form field dialogs has a titled topic.
#include "formfieldcontexts.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

namespace {

TEST(FormFieldHelpTopics, EveryContextHasATitledTopic)
{
    QFile file(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../data/help/formfields.html"));
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
    for (int context : {TextInput, TextArray, RadioButtons, Checkbox, Password})
        EXPECT_TRUE(found.contains(context)) << context;
}

} // namespace
