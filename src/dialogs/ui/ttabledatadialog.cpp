#include "ttabledatadialog.h"
#include "bordercolorspanel.h"
#include "helpcontexts.h"
#include "radiogroup.h"
#include "updownedit.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Ttabledatadialog::Ttabledatadialog(QWidget *parent)
    : TagDialog(parent, helpcontext::TableData)
    , m_align(new RadioGroup(QStringLiteral("Align"), {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, this))
    , m_valign(new RadioGroup(QStringLiteral("Valign"), {QStringLiteral("Top"), QStringLiteral("Center"), QStringLiteral("Bottom")}, this))
    , m_width(new UpDownEdit(0, 1000, this))
    , m_colspan(new UpDownEdit(0, 100, this))
    , m_rowspan(new UpDownEdit(0, 100, this))
    , m_content(new QLineEdit(this))
    , m_colors(new BorderColorsPanel(this))
{
    setWindowTitle(QStringLiteral("Table Data"));

    auto *sizeBox = new QGroupBox(QStringLiteral("Size"), this);
    auto *sizeForm = new QFormLayout(sizeBox);
    sizeForm->addRow(QStringLiteral("Width"), m_width);
    sizeForm->addRow(QStringLiteral("Colspan"), m_colspan);
    sizeForm->addRow(QStringLiteral("Rowspan"), m_rowspan);

    auto *top = new QHBoxLayout;
    top->addWidget(m_align);
    top->addWidget(m_valign);
    top->addWidget(sizeBox);

    auto *textRow = new QHBoxLayout;
    auto *textLabel = new QLabel(QStringLiteral("Text:"), this);
    textLabel->setBuddy(m_content);
    textRow->addWidget(textLabel);
    textRow->addWidget(m_content, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_colors);
    layout->addLayout(textRow);
    layout->addWidget(buttonBox());

    // After the colours the user goes on to the content, then to OK.
    m_colors->setFocusAfterLast(okButton());
    setTabChain(m_align->buttons() + m_valign->buttons() + QList<QWidget *>{m_width, m_colspan, m_rowspan}
                + m_colors->tabWidgets() + QList<QWidget *>{m_content});
    setValue(TableDataTag());
}

TableDataTag Ttabledatadialog::value() const
{
    TableDataTag t;
    t.align = HAlign(qMax(0, m_align->checkedIndex()));
    t.valign = VAlign(qMax(0, m_valign->checkedIndex()));
    t.width = m_width->text();
    t.colspan = m_colspan->text();
    t.rowspan = m_rowspan->text();
    t.colors = m_colors->colors();
    t.content = m_content->text();
    return t;
}

void Ttabledatadialog::setValue(const TableDataTag &tag)
{
    m_align->setCheckedIndex(int(tag.align));
    m_valign->setCheckedIndex(int(tag.valign));
    m_width->setText(tag.width);
    m_colspan->setText(tag.colspan);
    m_rowspan->setText(tag.rowspan);
    m_colors->setColors(tag.colors);
    m_content->setText(tag.content);
}

void Ttabledatadialog::FormActivate()
{
    TableDataTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Ttabledatadialog::firstInput() const { return m_align->button(m_align->checkedIndex()); }

void Ttabledatadialog::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
