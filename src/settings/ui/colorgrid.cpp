#include "colorgrid.h"
#include "colortables.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace lumaro {

ColorGrid::ColorGrid(QWidget *parent)
    : QWidget(parent)
    , m_group(new QButtonGroup(this))
{
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int i = 0; i < ColorTables::kColorCount; ++i) {
        QPixmap swatch(18, 18);
        swatch.fill(ColorTables::colorfraindex(i));
        QPainter(&swatch).drawRect(0, 0, 17, 17);
        auto *b = new QToolButton(this);
        b->setObjectName(QStringLiteral("color%1").arg(i));
        b->setIcon(QIcon(swatch));
        b->setIconSize(swatch.size());
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setToolTip(ColorTables::colorfraindex(i).name(QColor::HexRgb).toUpper());
        m_group->addButton(b, i);
        grid->addWidget(b, i / 4, i % 4);
    }
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idClicked, this, &ColorGrid::currentIndexChanged);
}

int ColorGrid::currentIndex() const
{
    return m_group->checkedId();
}

void ColorGrid::setCurrentIndex(int index)
{
    if (QAbstractButton *b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    // No swatch of that index: none is down.
    m_group->setExclusive(false);
    if (QAbstractButton *checked = m_group->checkedButton())
        checked->setChecked(false);
    m_group->setExclusive(true);
}

QAbstractButton *ColorGrid::swatch(int index) const
{
    return m_group->button(index);
}

} // namespace lumaro
