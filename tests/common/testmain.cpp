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
    lumaro::test::TestSandbox::initProcess();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zelk"));
    QApplication::setApplicationName(QStringLiteral("lumaro"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
