#include "ttextformarray.h"
#include "formfieldcontexts.h"
#include "updownedit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

TTextformarray::TTextformarray(QWidget *parent)
    : TagDialog(parent, helpcontext::TextArray)
    , m_name(new QLineEdit(this))
    , m_prompt(new QLineEdit(this))
    , m_width(new UpDownEdit(1, 30000, this))
    , m_height(new UpDownEdit(1, 30000, this))
{
    setWindowTitle(QStringLiteral("Tekstarray"));
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_prompt->setObjectName(QStringLiteral("Edit2"));
    m_width->setObjectName(QStringLiteral("Edit3"));
    m_height->setObjectName(QStringLiteral("Edit4"));
    m_name->setMinimumWidth(220);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("Guidetext"), m_prompt);

    auto *sizeBox = new QGroupBox(QStringLiteral("Widht and heigth in char"), this);
    auto *sizeForm = new QFormLayout(sizeBox);
    sizeForm->addRow(QStringLiteral("Widht"), m_width);
    sizeForm->addRow(QStringLiteral("Heigth"), m_height);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(sizeBox);
    layout->addWidget(buttonBox());

    setTabChain({m_name, m_prompt, m_width, m_height});
    setValue(TextAreaTag());
}

TextAreaTag TTextformarray::value() const
{
    TextAreaTag t;
    t.name = m_name->text();
    t.prompt = m_prompt->text();
    t.width = m_width->text();
    t.height = m_height->text();
    return t;
}

void TTextformarray::setValue(const TextAreaTag &tag)
{
    m_name->setText(tag.name);
    m_prompt->setText(tag.prompt);
    m_width->setText(tag.width);
    m_height->setText(tag.height);
}

void TTextformarray::FormActivate()
{
    TextAreaTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *TTextformarray::firstInput() const { return m_name; }

void TTextformarray::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
