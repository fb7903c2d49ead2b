#include "ttablecaptiondialog.h"
#include "helpcontexts.h"
#include "radiogroup.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Ttablecaptiondialog::Ttablecaptiondialog(QWidget *parent)
    : TagDialog(parent, helpcontext::TableCaption)
    , m_align(new RadioGroup(QStringLiteral("Align"), {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, this))
    , m_valign(new RadioGroup(QStringLiteral("Valign"), {QStringLiteral("Top"), QStringLiteral("Bottom")}, this))
    , m_content(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Table Caption"));
    auto *top = new QHBoxLayout;
    top->addWidget(m_align);
    top->addWidget(m_valign);

    auto *textRow = new QHBoxLayout;
    auto *textLabel = new QLabel(QStringLiteral("Text:"), this);
    textLabel->setBuddy(m_content);
    textRow->addWidget(textLabel);
    textRow->addWidget(m_content, 1);
    m_content->setMinimumWidth(220);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(textRow);
    layout->addWidget(buttonBox());
    setTabChain(m_align->buttons() + m_valign->buttons() + QList<QWidget *>{m_content});
    setValue(TableCaptionTag());
}

TableCaptionTag Ttablecaptiondialog::value() const
{
    TableCaptionTag t;
    t.align = HAlign(qMax(0, m_align->checkedIndex()));
    t.valign = m_valign->checkedIndex() == 1 ? VAlign::Bottom : VAlign::Top;
    t.content = m_content->text();
    return t;
}

void Ttablecaptiondialog::setValue(const TableCaptionTag &tag)
{
    m_align->setCheckedIndex(int(tag.align));
    m_valign->setCheckedIndex(tag.valign == VAlign::Bottom ? 1 : 0);
    m_content->setText(tag.content);
}

void Ttablecaptiondialog::FormActivate()
{
    TableCaptionTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Ttablecaptiondialog::firstInput() const { return m_align->button(m_align->checkedIndex()); }

void Ttablecaptiondialog::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
