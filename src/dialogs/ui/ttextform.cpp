#include "ttextform.h"
#include "formfieldcontexts.h"
#include "updownedit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

TTextform::TTextform(QWidget *parent)
    : TTextform(parent, TextInputTag::Type::Text, QStringLiteral("Text input"), helpcontext::TextInput)
{
}

TTextform::TTextform(QWidget *parent, TextInputTag::Type type, const QString &caption, int helpContext)
    : TagDialog(parent, helpContext)
    , m_type(type)
    , m_name(new QLineEdit(this))
    , m_prompt(new QLineEdit(this))
    , m_size(new UpDownEdit(1, 30000, this))
    , m_maxLength(new UpDownEdit(0, 30000, this))
{
    setWindowTitle(caption);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_size->setObjectName(QStringLiteral("Edit2"));
    m_maxLength->setObjectName(QStringLiteral("Edit3"));
    m_prompt->setObjectName(QStringLiteral("Edit4"));
    m_name->setMinimumWidth(220);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("Guidetext"), m_prompt);
    form->addRow(QStringLiteral("Size"), m_size);
    form->addRow(QStringLiteral("Max lengde"), m_maxLength);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());

    setTabChain({m_name, m_prompt, m_size, m_maxLength});
    setValue(TextInputTag());
}

TextInputTag TTextform::value() const
{
    TextInputTag t;
    t.type = m_type;
    t.name = m_name->text();
    t.prompt = m_prompt->text();
    t.size = m_size->text();
    t.maxLength = m_maxLength->text();
    return t;
}

void TTextform::setValue(const TextInputTag &tag)
{
    m_name->setText(tag.name);
    m_prompt->setText(tag.prompt);
    m_size->setText(tag.size);
    m_maxLength->setText(tag.maxLength);
}

void TTextform::FormActivate()
{
    TextInputTag tag;
    tag.type = m_type;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *TTextform::firstInput() const { return m_name; }

void TTextform::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
