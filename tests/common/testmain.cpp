// Entry point of every test executable: gives the process its own empty
// configuration and data directories (so the settings store and the
// installation directory are private to it), then runs the cases inside a
// QApplication on the offscreen platform.
#include "testsandbox.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The repository's data folder, for the tests that read the shipped
    // files; CTest's environment property cannot always carry it.
    if (qEnvironmentVariableIsEmpty("LUMARO_SOURCE_DATA_DIR"))
        qputenv("LUMARO_SOURCE_DATA_DIR", LUMARO_TEST_SOURCE_DATA_DIR);
    // The live preview's module is found in the build tree. Its engine runs
    // offscreen without a GPU, and without Chromium's sandbox, which cannot
    // start as root (CI); both only ever for test processes.
    if (qEnvironmentVariableIsEmpty("LUMARO_MODULE_DIR"))
        qputenv("LUMARO_MODULE_DIR", LUMARO_TEST_MODULE_DIR);
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    lumaro::test::TestSandbox::initProcess();
    // As in the program: the live preview's engine shares GL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zelk"));
    QApplication::setApplicationName(QStringLiteral("lumaro"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
