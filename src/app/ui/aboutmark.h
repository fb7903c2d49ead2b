#pragma once

#include <QPixmap>
#include <QString>

namespace lumaro {

/// The product name as the splash screen and the about box show it: a plain
/// rendering of "Lumaro" with a one-line description below.
class ProductMark {
public:
    static QString productName() { return QStringLiteral("Lumaro"); }
    static QString description() { return QStringLiteral("Editor for hand-written HTML"); }
    /// The version text, "Version x.y.z".
    static QString versionText();
    /// The product name and description drawn on a plain panel.
    static QPixmap render(const QSize &size, qreal devicePixelRatio = 1.0);
};

} // namespace lumaro
