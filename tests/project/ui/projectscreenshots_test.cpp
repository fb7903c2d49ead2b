// Pictures of the project dialogs for a look by eye. Run by hand, e.g.
//   LUMARO_SCREENSHOT_DIR=/tmp/shots xvfb-run test_project
//     --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
#include "projectfile.h"
#include "projectfilelist.h"
#include "testsandbox.h"
#include "tinifil.h"
#include "tprojectoptions.h"
#include "tprojmanager.h"
#include "tprojoptionsroot.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QTreeView>
#include <QListWidget>
#include <QPixmap>
#include <QTest>
#include <gtest/gtest.h>

using namespace lumaro;

namespace {

void shoot(QWidget &w, const QString &name)
{
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    w.show();
    QTest::qWait(1500);
    QApplication::processEvents();
    ASSERT_TRUE(w.grab().save(QDir(dir).filePath(name)));
}

} // namespace

TEST(ProjectScreenshots, DISABLED_Dialogs)
{
    if (qEnvironmentVariableIsEmpty("LUMARO_SCREENSHOT_DIR"))
        GTEST_SKIP() << "LUMARO_SCREENSHOT_DIR not set";
    const QString base = test::TestSandbox::makeDir(QStringLiteral("shots"));
    QDir(base).mkpath(QStringLiteral("web/img"));
    QDir(base).mkpath(QStringLiteral("web/pages"));

    Tprojmanager manager(ProjectFile::image(base + QStringLiteral("/web.lmp"),
                                            {{base + QStringLiteral("/web/index.html"), true},
                                             {base + QStringLiteral("/web/pages/contact.html"), true},
                                             {base + QStringLiteral("/web/pages/a-rather-long-name-of-a-page-about-everything.html"), true},
                                             {base + QStringLiteral("/web/pages/old.html"), false},
                                             {base + QStringLiteral("/web/notes.txt"), false}}));
    manager.openList()->item(1)->setSelected(true);
    shoot(manager, QStringLiteral("projmanager.png"));

    const QString options = base + QStringLiteral("/web.lmo");
    tinifil o(options);
    o.writeuseroot(true);
    o.writeroot(base + QStringLiteral("/web"));
    o.writeauto(true);
    o.writeimageroot(QStringLiteral("file:///") + base + QStringLiteral("/web/img"));
    Tprojoptionsroot picker;
    Tprojectoptions prefs(options, &picker);
    shoot(prefs, QStringLiteral("projectoptions.png"));

    picker.setDirectoryText(QStringLiteral("file:///") + base + QStringLiteral("/web/img"));
    shoot(picker, QStringLiteral("projoptionsroot.png"));
    EXPECT_EQ(picker.tree()->currentIndex().data(QFileSystemModel::FilePathRole).toString(),
              base + QStringLiteral("/web/img"));
}
