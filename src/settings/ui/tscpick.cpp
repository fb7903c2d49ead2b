#include "tscpick.h"
#include "dialogkeys.h"
#include "helpservice.h"
#include "shortcutdialognames.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumaro {

Tscpick::Tscpick(QWidget *parent)
    : QDialog(parent)
    , m_group(new QButtonGroup(this))
    , m_ok(new QPushButton(QStringLiteral("Ok")))
    , m_cancel(new QPushButton(QStringLiteral("Cancel")))
    , m_help(new QPushButton(QStringLiteral("Help")))
{
    DialogKeys::install(this, m_ok);
    setObjectName(QStringLiteral("scpick"));
    setWindowTitle(QStringLiteral("Select"));
    m_group->setExclusive(true);

    auto *grid = new QGridLayout;
    grid->setSpacing(4);
    const QList<ShortcutDialogName> &names = ShortcutDialogNames::all();
    for (int i = 0; i < names.size(); ++i) {
        auto *b = new QToolButton;
        b->setObjectName(names[i].component);
        b->setText(names[i].hint);
        b->setToolTip(names[i].hint);
        b->setCheckable(true);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setMinimumHeight(28);
        b->setProperty("dialogName", names[i].name);
        m_group->addButton(b, i);
        grid->addWidget(b, i / 4, i % 4);
    }
    connect(m_group, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton *b) { m_chosen = b->property("dialogName").toString(); });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    m_ok->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [] { help().showTopic(kHelpContext); });
}

QAbstractButton *Tscpick::button(const QString &name) const
{
    for (QAbstractButton *b : m_group->buttons())
        if (b->property("dialogName").toString() == name)
            return b;
    return nullptr;
}

void Tscpick::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    QAbstractButton *pressed = button(m_given);
    if (!pressed)
        pressed = button(ShortcutDialogNames::fallback());
    pressed->click();
    m_ok->setFocus();
}

} // namespace lumaro
