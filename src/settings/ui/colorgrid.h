#pragma once

#include <QWidget>

class QAbstractButton;
class QButtonGroup;

namespace lumaro {

/// The colour tab's 4 x 4 grid of swatches in the colouring engine's colour
/// table order; the swatch that is down is the foreground colour index.
class ColorGrid : public QWidget {
    Q_OBJECT
public:
    explicit ColorGrid(QWidget *parent = nullptr);

    int currentIndex() const;
    /// Selects a swatch without emitting currentIndexChanged; an index
    /// outside 0..15 selects none.
    void setCurrentIndex(int index);
    QAbstractButton *swatch(int index) const;

signals:
    /// The user picked another swatch.
    void currentIndexChanged(int index);

private:
    QButtonGroup *m_group;
};

} // namespace lumaro
