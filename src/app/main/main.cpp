#include <QApplication>
#include <QMainWindow>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("zelk"));
    QApplication::setApplicationName(QStringLiteral("lumaro"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Lumaro"));
    window.show();
    return app.exec();
}
