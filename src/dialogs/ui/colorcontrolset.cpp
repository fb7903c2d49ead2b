#include "colorcontrolset.h"
#include "colorcombo.h"
#include "interaction.h"
#include "namedcolors.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QToolButton>

namespace lumaro {

ColorControlSet::ColorControlSet(QWidget *parent)
    : QWidget(parent)
    , m_combo(new ColorCombo(this))
    , m_edit(new QLineEdit(this))
    , m_button(new QToolButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_combo, 3);
    layout->addWidget(m_edit, 2);
    layout->addWidget(m_button);
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(QStringLiteral("#FFFFFFWW")));
    m_button->setText(QStringLiteral("..."));
    m_button->setToolTip(QStringLiteral("ColorDialog"));
    setFocusProxy(m_combo);

    connect(m_combo, &QComboBox::activated, this, [this](int index) {
        m_edit->setText(NamedColors::value(index));
    });
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString &text) {
        syncCombo();
        emit valueChanged(text);
    });
    connect(m_button, &QToolButton::clicked, this, [this] {
        runColorDialog();
    });
}

QList<QWidget *> ColorControlSet::tabWidgets() const
{
    return {m_combo, m_edit, m_button};
}

QString ColorControlSet::value() const { return m_edit->text(); }

void ColorControlSet::setValue(const QString &value)
{
    if (m_edit->text() == value) {
        syncCombo();
        return;
    }
    m_edit->setText(value);
}

bool ColorControlSet::runColorDialog()
{
    QColor initial(m_edit->text());
    if (!initial.isValid())
        initial = Qt::white;
    const auto chosen = interaction().color(window(), initial);
    if (chosen)
        m_edit->setText(NamedColors::hexText(*chosen));
    emit colorDialogClosed();
    return chosen.has_value();
}

void ColorControlSet::syncCombo()
{
    const QSignalBlocker block(m_combo);
    m_combo->setCurrentIndex(NamedColors::lookup(m_edit->text()));
}

} // namespace lumaro
