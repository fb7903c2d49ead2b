// The font and page commands through a stand-in main window: which commands
// they take, the shortcut name, no page, and the body dialog's tab order.
#include "fakepagehost.h"
#include "fontpagecontroller.h"
#include "modaldialog.h"
#include "tbodydialog.h"
#include "testsandbox.h"
#include "thtmlrichedit.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace lumaro;
using lumaro::test::FakePageHost;
using lumaro::test::WhenModal;

namespace {

TEST(FontPageController, TakesItsFourCommandsAndTheBodyShortcut)
{
    lumaro::test::TestSandbox::clearSettings();
    FakePageHost host;
    FontPageController controller(host);
    for (const char *name : {"SpeedButton78", "SpeedButton77", "SpeedButton1", "SpeedButtonheading"})
        EXPECT_TRUE(host.command(QLatin1String(name))->isEnabled()) << name;
    EXPECT_FALSE(host.command(QStringLiteral("SpeedButton70"))->isEnabled()) << "another controller's command";

    // Without a page no dialog opens.
    for (QAction *action : host.commands)
        action->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    host.addPage(QStringLiteral("<BODY TEXT=#000000>"));
    host.activeEditor()->setSelection(0, 19);
    WhenModal<Tbodydialog> ok([](Tbodydialog *d) { d->okButton()->click(); });
    EXPECT_TRUE(controller.runByShortcutName(QStringLiteral("\"body\"")));
    EXPECT_TRUE(ok.ran());
    EXPECT_EQ(host.activeEditor()->text(), QStringLiteral("<BODY TEXT=#000000>"));
    EXPECT_FALSE(controller.runByShortcutName(QStringLiteral("\"table\"")));
}

TEST(FontPageController, BodyDialogTabsFromTheAddressDownToOk)
{
    Tbodydialog d;
    d.show();
    QWidget *w = d.backgroundEdit();
    QStringList order;
    for (int i = 0; i < 20 && w != d.okButton(); ++i) {
        order << w->objectName();
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus || !w->isEnabled())
            w = w->nextInFocusChain();
    }
    EXPECT_EQ(w, d.okButton());
    EXPECT_EQ(order.indexOf(QStringLiteral("backcombo")), order.indexOf(QStringLiteral("backedit")) - 1);
    EXPECT_LT(order.indexOf(QStringLiteral("vlinkedit")), order.indexOf(QStringLiteral("topmedit")));
    EXPECT_LT(order.indexOf(QStringLiteral("topmedit")), order.indexOf(QStringLiteral("leftmedit")));
}

} // namespace
