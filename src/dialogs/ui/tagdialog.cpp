#include "tagdialog.h"
#include "dialogkeys.h"
#include "helpservice.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShowEvent>

namespace lumaro {

TagDialog::TagDialog(QWidget *parent, int helpContext)
    : QDialog(parent)
    , m_buttons(new QDialogButtonBox(this))
    , m_helpContext(helpContext)
{
    m_ok = m_buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    m_cancel = m_buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    m_help = m_buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] {
        if (m_helpContext > 0)
            help().showTopic(m_helpContext);
    });
    m_help->setEnabled(helpContext > 0);
    DialogKeys::install(this, m_ok);
}

void TagDialog::setTabChain(const QList<QWidget *> &widgets)
{
    QList<QWidget *> chain = widgets;
    chain << m_ok << m_cancel << m_help;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TagDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    FormActivate();
    if (QWidget *first = firstInput())
        first->setFocus(Qt::OtherFocusReason);
}

} // namespace lumaro
