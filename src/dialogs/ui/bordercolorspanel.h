#pragma once

#include "bordercolors.h"

#include <QGroupBox>

namespace lumaro {

class ColorControlSet;

/// The four colour control sets of the table, row and cell dialogs: "Color",
/// "Border color", "Border color light" and "Border color dark".
///
/// It keeps the border-colour rule while the user edits (a non-empty border
/// colour empties light and dark; a non-empty light or dark colour empties
/// the border colour, whether typed, picked or chosen in the colour dialog)
/// and moves the focus on after each colour button: to the next colour's edit
/// box, and from the last to the widget given by setFocusAfterLast.
class BorderColorsPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit BorderColorsPanel(QWidget *parent = nullptr);

    BorderColors colors() const;
    void setColors(const BorderColors &colors);
    void setFocusAfterLast(QWidget *widget) { m_afterLast = widget; }

    ColorControlSet *background() const { return m_sets[0]; }
    ColorControlSet *border() const { return m_sets[1]; }
    ColorControlSet *light() const { return m_sets[2]; }
    ColorControlSet *dark() const { return m_sets[3]; }
    ColorControlSet *set(int index) const { return m_sets[index]; }
    /// The controls of the four sets in order, for a dialog's tab order.
    QList<QWidget *> tabWidgets() const;

private:
    ColorControlSet *m_sets[4];
    QWidget *m_afterLast = nullptr;
};

} // namespace lumaro
