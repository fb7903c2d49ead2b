#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace lumaro {

/// A titled group of radio buttons, one of which is checked; the choice is
/// its index in the captions.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &title, const QStringList &captions, QWidget *parent = nullptr);

    int checkedIndex() const;
    void setCheckedIndex(int index);
    QRadioButton *button(int index) const;
    /// The buttons in caption order, for a dialog's tab order.
    QList<QWidget *> buttons() const;

signals:
    /// The user clicked the button of index.
    void clicked(int index);

private:
    QButtonGroup *m_group;
    QList<QRadioButton *> m_buttons;
};

} // namespace lumaro
