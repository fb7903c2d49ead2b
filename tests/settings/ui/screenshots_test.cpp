// Renders the preferences tabs, the new-shortcut dialog and the picker to
// PNG files for a visual check. Runs only when LUMARO_SCREENSHOT_DIR names a
// directory (e.g. under Xvfb).
#include "hotkeyedit.h"
#include "testsandbox.h"
#include "tpreffdialog.h"
#include "tregini.h"
#include "tscpick.h"
#include "tshortcutdialog.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

void shoot(QWidget &w, const QString &name)
{
    QApplication::processEvents();
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
}

TEST(PreferencesScreenshots, TabsAndShortcutDialogs)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "set LUMARO_SCREENSHOT_DIR to render the dialogs";
    test::TestSandbox::clearSettings();
    tregini settings;
    settings.writeusecolor(true);
    settings.writecolorindex("anchor", 9);
    {
        Tpreffdialog d;
        d.setShortcuts(ShortcutList({{"1", 0x4042, "<B>", true}, {"2", 0xA031, "\"image\"", false}}));
        d.setValue({false, false, true, 5, "\"/opt/My Browser/run\"", true, false});
        d.show();
        const char *names[] = {"prefs-editor", "prefs-preview", "prefs-shortcuts", "prefs-color"};
        for (int tab = 0; tab < 4; ++tab) {
            d.tabs()->setCurrentIndex(tab);
            shoot(d, QString::fromLatin1(names[tab]));
        }
    }
    {
        Tshortcutdialog d;
        d.setEditExisting(true);
        d.setValue({"1", 0x4042, "<B>", true});
        d.show();
        shoot(d, QStringLiteral("newshortcut"));
    }
    {
        Tscpick p;
        p.setTagText(QStringLiteral("\"image\""));
        p.show();
        shoot(p, QStringLiteral("scpick"));
    }
    test::TestSandbox::clearSettings();
}

} // namespace
