// Pictures of the converter windows for a visual check, written to the
// directory named by LUMARO_SCREENSHOT_DIR. Run on demand:
//   test_convert --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'
#include "convertfixture.h"
#include "fakepagehost.h"
#include "progresswindow.h"
#include "timportexportpreffdialog.h"
#include "specialcharpalette.h"

#include <QApplication>
#include <QProgressBar>
#include <QScrollArea>
#include <QTabWidget>

using namespace lumaro;

namespace {

class ConverterWindows : public lumaro::test::ConvertFixture {
protected:
    void save(QWidget &widget, const QString &name)
    {
        widget.show();
        QApplication::processEvents();
        const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR", QDir::tempPath());
        const QString path = QDir(dir).filePath(name);
        EXPECT_TRUE(widget.grab().save(path)) << path.toStdString();
    }
};

TEST_F(ConverterWindows, DISABLED_Screenshots)
{
    lumaro::test::FakePageHost host;
    QScrollArea panel;
    panel.resize(80, 500);
    auto *palette = new Tspeccharform(host);
    palette->resize(palette->width(), 900);
    panel.setWidget(palette);
    save(panel, QStringLiteral("convert-palette.png"));

    ProgressWindow progress;
    progress.setMaximum(1000);
    progress.setPosition(420);
    save(progress, QStringLiteral("convert-progress.png"));

    Timportexportpreffdialog dialog;
    save(dialog, QStringLiteral("convert-prefs-misc.png"));
    dialog.tabs()->setCurrentIndex(1);
    save(dialog, QStringLiteral("convert-prefs-font.png"));
}

} // namespace

namespace {

TEST(ProgressWindowTest, CaptionAndScaledRange)
{
    lumaro::ProgressWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Working"));
    window.setMaximum(qint64(6) << 30); // beyond what a progress bar holds
    window.setPosition(qint64(3) << 30);
    EXPECT_EQ(window.bar()->value() * 2, window.bar()->maximum());
    window.setPosition(-5);
    EXPECT_EQ(window.bar()->value(), 0);
}

} // namespace
