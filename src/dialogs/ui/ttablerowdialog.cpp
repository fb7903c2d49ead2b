#include "ttablerowdialog.h"
#include "bordercolorspanel.h"
#include "helpcontexts.h"
#include "radiogroup.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Ttablerowdialog::Ttablerowdialog(QWidget *parent)
    : TagDialog(parent, helpcontext::TableRow)
    , m_align(new RadioGroup(QStringLiteral("Align"), {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, this))
    , m_valign(new RadioGroup(QStringLiteral("Valign"), {QStringLiteral("Top"), QStringLiteral("Center"), QStringLiteral("Bottom")}, this))
    , m_colors(new BorderColorsPanel(this))
{
    setWindowTitle(QStringLiteral("Table Row"));
    auto *top = new QHBoxLayout;
    top->addWidget(m_align);
    top->addWidget(m_valign);
    top->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_colors);
    layout->addWidget(buttonBox());
    m_colors->setFocusAfterLast(okButton());
    setTabChain(m_align->buttons() + m_valign->buttons() + m_colors->tabWidgets());
    setValue(TableRowTag());
}

TableRowTag Ttablerowdialog::value() const
{
    TableRowTag t;
    t.align = HAlign(qMax(0, m_align->checkedIndex()));
    t.valign = VAlign(qMax(0, m_valign->checkedIndex()));
    t.colors = m_colors->colors();
    t.editExisting = m_editExisting;
    return t;
}

void Ttablerowdialog::setValue(const TableRowTag &tag)
{
    m_align->setCheckedIndex(int(tag.align));
    m_valign->setCheckedIndex(int(tag.valign));
    m_colors->setColors(tag.colors);
    m_editExisting = tag.editExisting;
}

void Ttablerowdialog::FormActivate()
{
    TableRowTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Ttablerowdialog::firstInput() const { return m_align->button(m_align->checkedIndex()); }

void Ttablerowdialog::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
