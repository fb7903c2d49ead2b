#include "glyphs.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// Resources of a static library must be registered by name, outside any namespace.
static void initGlyphResources()
{
    Q_INIT_RESOURCE(glyphs);
}

namespace lumaro {

namespace {

QString resourcePath(const QString &id)
{
    static const bool registered = [] {
        initGlyphResources();
        return true;
    }();
    Q_UNUSED(registered);
    return QStringLiteral(":/glyphs/%1.svg").arg(id);
}

} // namespace

bool Glyphs::exists(const QString &id)
{
    return !id.isEmpty() && QFile::exists(resourcePath(id));
}

QPixmap Glyphs::pixmap(const QString &id, int size)
{
    if (!exists(id))
        return {};
    QSvgRenderer renderer(resourcePath(id));
    if (!renderer.isValid())
        return {};
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter painter(&pm);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return pm;
}

QIcon Glyphs::icon(const QString &id)
{
    static QHash<QString, QIcon> cache;
    const auto it = cache.constFind(id);
    if (it != cache.constEnd())
        return *it;
    QIcon icon;
    // Rendered here rather than by the SVG icon plugin, so the glyphs never
    // depend on a plugin being installed.
    for (int size : {16, 20, 24, 40, 48}) {
        const QPixmap pm = pixmap(id, size);
        if (!pm.isNull())
            icon.addPixmap(pm);
    }
    cache.insert(id, icon);
    return icon;
}

} // namespace lumaro
