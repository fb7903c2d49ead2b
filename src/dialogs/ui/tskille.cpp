#include "tskille.h"
#include "helpcontexts.h"
#include "radiogroup.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Tskille::Tskille(QWidget *parent)
    : TagDialog(parent, helpcontext::Rule)
    , m_align(new RadioGroup(QStringLiteral("Align"),
                             {QStringLiteral("None"), QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Center")},
                             this))
    , m_width(new UpDownEdit(0, 100, this))
    , m_widthPercent(new QCheckBox(QStringLiteral("Width in %"), this))
    , m_height(new UpDownEdit(0, 100, this))
    , m_noShade(new QCheckBox(QStringLiteral("Without shadow"), this))
{
    setWindowTitle(QStringLiteral("HR"));

    auto *sizeBox = new QGroupBox(this);
    auto *sizeGrid = new QGridLayout(sizeBox);
    auto *widthLabel = new QLabel(QStringLiteral("Width"), this);
    widthLabel->setBuddy(m_width);
    auto *heightLabel = new QLabel(QStringLiteral("Hight"), this);
    heightLabel->setBuddy(m_height);
    sizeGrid->addWidget(widthLabel, 0, 0);
    sizeGrid->addWidget(m_width, 0, 1);
    sizeGrid->addWidget(m_widthPercent, 1, 1);
    sizeGrid->addWidget(heightLabel, 2, 0);
    sizeGrid->addWidget(m_height, 2, 1);
    sizeGrid->addWidget(m_noShade, 3, 0, 1, 2);
    sizeGrid->setRowStretch(4, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_align);
    top->addWidget(sizeBox, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttonBox());

    setTabChain(m_align->buttons() + QList<QWidget *>{m_width, m_widthPercent, m_height, m_noShade});

    // The toggle presets the width, whether the user or a decoded tag sets it.
    connect(m_widthPercent, &QCheckBox::clicked, this, [this](bool on) {
        RuleTag t;
        t.setWidthPercent(on);
        m_width->setText(t.width);
    });
    setValue(RuleTag());
}

RuleTag Tskille::value() const
{
    RuleTag t;
    t.align = RuleTag::Align(qMax(0, m_align->checkedIndex()));
    t.width = m_width->text();
    t.widthPercent = m_widthPercent->isChecked();
    t.height = m_height->text();
    t.noShade = m_noShade->isChecked();
    t.trailing = m_trailing;
    return t;
}

void Tskille::setValue(const RuleTag &tag)
{
    m_align->setCheckedIndex(int(tag.align));
    m_width->setText(tag.width);
    m_widthPercent->setChecked(tag.widthPercent);
    m_height->setText(tag.height);
    m_noShade->setChecked(tag.noShade);
    m_trailing = tag.trailing;
}

void Tskille::FormActivate()
{
    RuleTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Tskille::firstInput() const { return m_align->button(m_align->checkedIndex()); }

void Tskille::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
