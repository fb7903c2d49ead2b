#include "colorcombo.h"
#include "namedcolors.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace lumaro {

namespace {

/// Paints the list items of a ColorCombo: swatch and name at fixed offsets.
class SwatchDelegate : public QStyledItemDelegate {
public:
    explicit SwatchDelegate(ColorCombo *combo)
        : QStyledItemDelegate(combo)
        , m_combo(combo)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        opt.text.clear();
        opt.icon = QIcon();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const bool selected = option.state & QStyle::State_Selected;
        const QColor textColor = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
        m_combo->drawItem(painter, option.rect, index.row(), textColor);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QFontMetrics fm(option.font);
        const int textWidth = fm.horizontalAdvance(index.data().toString());
        const int height = qMax(ColorCombo::SwatchY * 2 + ColorCombo::swatchSize().height(),
                                ColorCombo::TextY + fm.height() + 3);
        return {ColorCombo::TextX + textWidth + 8, height};
    }

private:
    ColorCombo *m_combo;
};

} // namespace

ColorCombo::ColorCombo(QWidget *parent)
    : QComboBox(parent)
{
    for (int i = 0; i < NamedColors::Count; ++i) {
        QPixmap pix(swatchSize());
        pix.fill(NamedColors::color(i));
        QPainter p(&pix);
        p.setPen(QColor(0x40, 0x40, 0x40));
        p.drawRect(pix.rect().adjusted(0, 0, -1, -1));
        p.end();
        m_swatches.append(pix);
        addItem(NamedColors::name(i));
    }
    setItemDelegate(new SwatchDelegate(this));
    setCurrentIndex(-1);
    setMinimumContentsLength(8);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

QPixmap ColorCombo::swatch(int index) const
{
    return index >= 0 && index < m_swatches.size() ? m_swatches[index] : QPixmap();
}

void ColorCombo::drawItem(QPainter *painter, const QRect &rect, int index, const QColor &textColor) const
{
    if (index < 0 || index >= m_swatches.size())
        return;
    painter->save();
    painter->drawPixmap(rect.left() + SwatchX, rect.top() + SwatchY, m_swatches[index]);
    painter->setPen(textColor);
    const QRect textRect(rect.left() + TextX, rect.top() + TextY, qMax(0, rect.width() - TextX), rect.height() - TextY);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop, itemText(index));
    painter->restore();
}

void ColorCombo::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    opt.currentText.clear();
    opt.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, opt);
    if (currentIndex() < 0)
        return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, this);
    // The closed combo has less room than a list item: centre the item vertically.
    const int itemHeight = qMax(SwatchY * 2 + swatchSize().height(), TextY + fontMetrics().height());
    QRect item = field;
    item.setTop(field.top() + (field.height() - itemHeight) / 2);
    item.setHeight(itemHeight);
    drawItem(&painter, item, currentIndex(), palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                                            QPalette::ButtonText));
}

} // namespace lumaro
