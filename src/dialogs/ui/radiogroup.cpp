#include "radiogroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

RadioGroup::RadioGroup(const QString &title, const QStringList &captions, QWidget *parent)
    : QGroupBox(title, parent)
    , m_group(new QButtonGroup(this))
{
    auto *layout = new QVBoxLayout(this);
    for (int i = 0; i < captions.size(); ++i) {
        auto *b = new QRadioButton(captions[i], this);
        m_group->addButton(b, i);
        layout->addWidget(b);
        m_buttons.append(b);
    }
    layout->addStretch(1);
    if (!m_buttons.isEmpty())
        m_buttons.first()->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::checkedIndex() const { return m_group->checkedId(); }

void RadioGroup::setCheckedIndex(int index)
{
    if (index >= 0 && index < m_buttons.size())
        m_buttons[index]->setChecked(true);
}

QRadioButton *RadioGroup::button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

QList<QWidget *> RadioGroup::buttons() const
{
    QList<QWidget *> list;
    for (QRadioButton *b : m_buttons)
        list.append(b);
    return list;
}

} // namespace lumaro
