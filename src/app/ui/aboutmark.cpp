#include "aboutmark.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>

namespace lumaro {

QString ProductMark::versionText()
{
    QString version = QCoreApplication::applicationVersion();
    if (version.isEmpty())
        version = QStringLiteral(LUMARO_VERSION);
    return QStringLiteral("Version ") + version;
}

QPixmap ProductMark::render(const QSize &size, qreal devicePixelRatio)
{
    QPixmap pm(size * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF area(QPointF(0, 0), QSizeF(size));
    QLinearGradient background(area.topLeft(), area.bottomLeft());
    background.setColorAt(0, QColor(0x2e, 0x86, 0xde));
    background.setColorAt(1, QColor(0x1b, 0x4f, 0x82));
    p.fillRect(area, background);

    QFont title(QStringLiteral("DejaVu Sans"));
    title.setBold(true);
    title.setPixelSize(int(size.height() * 0.30));
    p.setFont(title);
    p.setPen(Qt::white);
    const QRectF titleRect(0, size.height() * 0.18, size.width(), size.height() * 0.42);
    p.drawText(titleRect, Qt::AlignCenter, productName());

    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(std::max(10, int(size.height() * 0.085)));
    p.setFont(line);
    p.setPen(QColor(0xd6, 0xea, 0xf8));
    const QRectF lineRect(0, size.height() * 0.62, size.width(), size.height() * 0.14);
    p.drawText(lineRect, Qt::AlignCenter, description());
    const QRectF versionRect(0, size.height() * 0.76, size.width(), size.height() * 0.14);
    p.drawText(versionRect, Qt::AlignCenter, versionText());
    return pm;
}

} // namespace lumaro
