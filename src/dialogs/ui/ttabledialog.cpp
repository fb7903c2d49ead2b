#include "ttabledialog.h"
#include "bordercolorspanel.h"
#include "helpcontexts.h"
#include "radiogroup.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Ttabledialog::Ttabledialog(QWidget *parent)
    : TagDialog(parent, helpcontext::Table)
    , m_align(new RadioGroup(QStringLiteral("Align"), {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, this))
    , m_valign(new RadioGroup(QStringLiteral("Valign"), {QStringLiteral("Top"), QStringLiteral("Center"), QStringLiteral("Bottom")}, this))
    , m_border(new QCheckBox(QStringLiteral("Border ?"), this))
    , m_thicknessLabel(new QLabel(QStringLiteral("Thicknes"), this))
    , m_thickness(new UpDownEdit(1, 100, this))
    , m_colors(new BorderColorsPanel(this))
{
    setWindowTitle(QStringLiteral("Table"));
    m_thicknessLabel->setBuddy(m_thickness);

    auto *borderBox = new QGroupBox(QStringLiteral("Border"), this);
    auto *borderLayout = new QGridLayout(borderBox);
    borderLayout->addWidget(m_border, 0, 0, 1, 2);
    borderLayout->addWidget(m_thicknessLabel, 1, 0);
    borderLayout->addWidget(m_thickness, 1, 1);
    borderLayout->setRowStretch(2, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_align);
    top->addWidget(m_valign);
    top->addWidget(borderBox);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_colors);
    layout->addWidget(buttonBox());

    m_colors->setFocusAfterLast(okButton());
    setTabChain(m_align->buttons() + m_valign->buttons() + QList<QWidget *>{m_border, m_thickness}
                + m_colors->tabWidgets());
    connect(m_border, &QCheckBox::clicked, this, &Ttabledialog::enableThickness);
    setValue(TableTag());
}

TableTag Ttabledialog::value() const
{
    TableTag t;
    t.align = HAlign(qMax(0, m_align->checkedIndex()));
    t.valign = VAlign(qMax(0, m_valign->checkedIndex()));
    t.border = m_border->isChecked();
    t.thickness = m_thickness->text();
    t.colors = m_colors->colors();
    t.editExisting = m_editExisting;
    return t;
}

void Ttabledialog::setValue(const TableTag &tag)
{
    m_align->setCheckedIndex(int(tag.align));
    m_valign->setCheckedIndex(int(tag.valign));
    m_border->setChecked(tag.border);
    m_thickness->setText(tag.thickness);
    m_colors->setColors(tag.colors);
    m_editExisting = tag.editExisting;
    enableThickness();
}

void Ttabledialog::enableThickness()
{
    m_thickness->setEnabled(m_border->isChecked());
    m_thicknessLabel->setEnabled(m_border->isChecked());
}

void Ttabledialog::FormActivate()
{
    TableTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Ttabledialog::firstInput() const { return m_align->button(m_align->checkedIndex()); }

void Ttabledialog::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
