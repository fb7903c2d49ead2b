#include "bordercolorspanel.h"
#include "colorcombo.h"
#include "colorcontrolset.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace lumaro {

BorderColorsPanel::BorderColorsPanel(QWidget *parent)
    : QGroupBox(QStringLiteral("Colors"), parent)
{
    static const char *const labels[4] = {"Color", "Border color", "Border color light", "Border color dark"};
    auto *form = new QFormLayout(this);
    for (int i = 0; i < 4; ++i) {
        m_sets[i] = new ColorControlSet(this);
        auto *label = new QLabel(QString::fromLatin1(labels[i]), this);
        label->setBuddy(m_sets[i]->combo());
        form->addRow(label, m_sets[i]);
    }

    connect(border(), &ColorControlSet::valueChanged, this, [this](const QString &value) {
        if (!value.isEmpty()) {
            light()->clear();
            dark()->clear();
        }
    });
    for (ColorControlSet *pair : {light(), dark()}) {
        connect(pair, &ColorControlSet::valueChanged, this, [this](const QString &value) {
            if (!value.isEmpty())
                border()->clear();
        });
    }
    for (int i = 0; i < 4; ++i) {
        connect(m_sets[i], &ColorControlSet::colorDialogClosed, this, [this, i] {
            if (i < 3)
                m_sets[i + 1]->edit()->setFocus(Qt::OtherFocusReason);
            else if (m_afterLast)
                m_afterLast->setFocus(Qt::OtherFocusReason);
        });
    }
}

QList<QWidget *> BorderColorsPanel::tabWidgets() const
{
    QList<QWidget *> list;
    for (ColorControlSet *s : m_sets)
        list += s->tabWidgets();
    return list;
}

BorderColors BorderColorsPanel::colors() const
{
    // The panel already keeps the exclusion; set the fields directly so the
    // result is exactly what the edit boxes hold.
    BorderColors c;
    c.setBackground(background()->value());
    c.setLight(light()->value());
    c.setDark(dark()->value());
    c.setBorder(border()->value());
    return c;
}

void BorderColorsPanel::setColors(const BorderColors &colors)
{
    background()->setValue(colors.background());
    light()->setValue(colors.light());
    dark()->setValue(colors.dark());
    border()->setValue(colors.border());
}

} // namespace lumaro
