#pragma once

// Screenshots for a visual check: a window shown, rendered into
// $LUMARO_SCREENSHOT_DIR/<name>.png and hidden again. The screenshot cases
// skip themselves unless that directory is set (e.g. under Xvfb).
#include <QApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace lumaro::test {

inline void shoot(QWidget &w, const QString &name)
{
    w.show();
    QApplication::processEvents();
    const QString dir = qEnvironmentVariable("LUMARO_SCREENSHOT_DIR");
    EXPECT_TRUE(w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png"))));
    w.hide();
}

} // namespace lumaro::test
