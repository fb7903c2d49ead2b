#include "tbuttonform.h"
#include "helpcontexts.h"
#include "radiogroup.h"

#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

TButtonform::TButtonform(QWidget *parent)
    : TagDialog(parent, helpcontext::FormButton)
    , m_type(new RadioGroup(QStringLiteral("Button type"), {QStringLiteral("Submit"), QStringLiteral("Reset")}, this))
{
    setWindowTitle(QStringLiteral("Button"));
    m_type->setMinimumWidth(200);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_type);
    layout->addWidget(buttonBox());
    setTabChain(m_type->buttons());
}

ButtonFormTag TButtonform::value() const
{
    ButtonFormTag t;
    t.type = m_type->checkedIndex() == 1 ? ButtonFormTag::Type::Reset : ButtonFormTag::Type::Submit;
    return t;
}

void TButtonform::setValue(const ButtonFormTag &tag)
{
    m_type->setCheckedIndex(tag.type == ButtonFormTag::Type::Reset ? 1 : 0);
}

void TButtonform::FormActivate()
{
    ButtonFormTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *TButtonform::firstInput() const { return m_type->button(m_type->checkedIndex()); }

void TButtonform::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
