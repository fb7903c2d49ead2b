// The main window serves the image dialog's map-builder call for as long as
// it lives.
#include "imagemapbuilder.h"
#include "mainwindow.h"
#include "testsandbox.h"

#include <gtest/gtest.h>

using namespace lumaro;

namespace {

TEST(MainWindowImageMap, TheMapBuilderIsInstalledWhileTheWindowLives)
{
    test::TestSandbox::clearSettings();
    auto window = std::make_unique<TMainwindow>();
    EXPECT_NE(imageMapBuilder(), nullptr);
    window.reset();
    EXPECT_EQ(imageMapBuilder(), nullptr);
}

} // namespace
