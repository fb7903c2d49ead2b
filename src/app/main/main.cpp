// The program entry: the splash screen, the application's names, the main
// window with the files named on the command line, then the event loop.
#include "mainwindow.h"
#include "splashscreen.h"

#include <QApplication>

int main(int argc, char **argv)
{
    // The live preview's browser engine shares its GL contexts; it can only
    // be told so before the application object exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zelk"));
    QApplication::setApplicationName(QStringLiteral("lumaro"));
    QApplication::setApplicationVersion(QStringLiteral(LUMARO_VERSION));

    auto *splash = new lumaro::Tsplashscreen;
    splash->show();
    app.processEvents();

    // Every argument is a file name (or a piece of one); the window glues them.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();

    lumaro::TMainwindow window(arguments);
    window.setSplash(splash);
    window.show();
    return app.exec();
}
