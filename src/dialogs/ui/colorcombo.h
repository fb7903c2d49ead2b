#pragma once

#include <QComboBox>
#include <QList>
#include <QPixmap>

namespace lumaro {

/// The owner-drawn combo box of the 16 named colours: each item shows its
/// swatch at (left + 5, top + 4) and its name at (left + 40, top + 4). The
/// swatches are made when the combo is created and freed with it.
class ColorCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ColorCombo(QWidget *parent = nullptr);

    /// The swatch bitmap of entry index (0..15); a null pixmap otherwise.
    QPixmap swatch(int index) const;
    /// Draws entry index into rect the way the list shows it.
    void drawItem(QPainter *painter, const QRect &rect, int index, const QColor &textColor) const;

    static constexpr int SwatchX = 5;
    static constexpr int SwatchY = 4;
    static constexpr int TextX = 40;
    static constexpr int TextY = 4;
    static QSize swatchSize() { return {28, 12}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QPixmap> m_swatches;
};

} // namespace lumaro
