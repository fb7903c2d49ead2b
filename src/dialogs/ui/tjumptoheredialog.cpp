#include "tjumptoheredialog.h"
#include "helpcontexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

Tjumptoheredialog::Tjumptoheredialog(QWidget *parent)
    : TagDialog(parent, helpcontext::JumpToHere)
    , m_name(new QLineEdit(this))
    , m_text(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Jump to here"));
    m_name->setMinimumWidth(240);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Anchor name:"), m_name);
    form->addRow(QStringLiteral("Text:"), m_text);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());
    setTabChain({m_name, m_text});
}

QWidget *Tjumptoheredialog::firstInput() const { return m_name; }

JumpToHereLink Tjumptoheredialog::value() const
{
    return {m_name->text(), m_text->text()};
}

void Tjumptoheredialog::setValue(const JumpToHereLink &link)
{
    m_name->setText(link.name);
    m_text->setText(link.text);
}

} // namespace lumaro
