#include "tjumptodialog.h"
#include "helpcontexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

Tjumptodialog::Tjumptodialog(QWidget *parent)
    : TagDialog(parent, helpcontext::JumpTo)
    , m_name(new QLineEdit(this))
    , m_text(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Jump to"));
    m_name->setMinimumWidth(240);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Anchor name:"), m_name);
    form->addRow(QStringLiteral("Text:"), m_text);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());
    setTabChain({m_name, m_text});
}

QWidget *Tjumptodialog::firstInput() const { return m_name; }

JumpToLink Tjumptodialog::value() const
{
    return {m_name->text(), m_text->text()};
}

void Tjumptodialog::setValue(const JumpToLink &link)
{
    m_name->setText(link.name);
    m_text->setText(link.text);
}

} // namespace lumaro
