#include "splashscreen.h"
#include "aboutmark.h"

#include <QGuiApplication>
#include <QScreen>

namespace lumaro {

Tsplashscreen::Tsplashscreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    setPixmap(ProductMark::render(QSize(420, 220), ratio));
    setObjectName(QStringLiteral("Tsplashscreen"));
}

} // namespace lumaro
