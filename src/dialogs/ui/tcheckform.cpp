#include "tcheckform.h"
#include "formfieldcontexts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

TCheckform::TCheckform(QWidget *parent)
    : TagDialog(parent, helpcontext::Checkbox)
    , m_name(new QLineEdit(this))
    , m_prompt(new QLineEdit(this))
    , m_value(new QLineEdit(this))
    , m_checked(new QCheckBox(QStringLiteral("CHECKED"), this))
{
    setWindowTitle(QStringLiteral("Checkbox"));
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_prompt->setObjectName(QStringLiteral("Edit2"));
    m_value->setObjectName(QStringLiteral("Edit3"));
    m_checked->setObjectName(QStringLiteral("CheckBox1"));
    m_name->setMinimumWidth(220);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("Guidetext"), m_prompt);
    form->addRow(QStringLiteral("Returned value"), m_value);
    form->addRow(QString(), m_checked);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());

    setTabChain({m_name, m_prompt, m_value, m_checked});
    setValue(CheckboxTag());
}

CheckboxTag TCheckform::value() const
{
    CheckboxTag t;
    t.name = m_name->text();
    t.prompt = m_prompt->text();
    t.value = m_value->text();
    t.checked = m_checked->isChecked();
    return t;
}

void TCheckform::setValue(const CheckboxTag &tag)
{
    m_name->setText(tag.name);
    m_prompt->setText(tag.prompt);
    m_value->setText(tag.value);
    m_checked->setChecked(tag.checked);
}

void TCheckform::FormActivate()
{
    CheckboxTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *TCheckform::firstInput() const { return m_name; }

void TCheckform::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
