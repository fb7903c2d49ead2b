#include "tmarquee.h"
#include "colorcombo.h"
#include "colorcontrolset.h"
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
#include <QTextDocument>
#include <QVBoxLayout>

namespace lumaro {

namespace {

UpDownEdit *numberBox(QWidget *parent) { return new UpDownEdit(0, 100, parent); }

QLabel *label(const QString &caption, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(caption, parent);
    l->setBuddy(buddy);
    return l;
}

} // namespace

Tmarquee::Tmarquee(QWidget *parent)
    : TagDialog(parent, helpcontext::Marquee)
    , m_text(new CrlfTextEdit(this))
    , m_foreground(new ColorControlSet(this))
    , m_background(new ColorControlSet(this))
    , m_behavior(new RadioGroup(QStringLiteral("How to move"),
                                {QStringLiteral("Scroll"), QStringLiteral("Slide"), QStringLiteral("Alternate"),
                                 QStringLiteral("Default")},
                                this))
    , m_align(new RadioGroup(QStringLiteral("Align"),
                             {QStringLiteral("Top"), QStringLiteral("Middle"), QStringLiteral("Bottom"), QStringLiteral("None")},
                             this))
    , m_direction(new RadioGroup(QStringLiteral("Direction"), {QStringLiteral("Left"), QStringLiteral("Right")}, this))
    , m_loop(numberBox(this))
    , m_scrollAmount(numberBox(this))
    , m_scrollDelay(numberBox(this))
    , m_vspace(numberBox(this))
    , m_hspace(numberBox(this))
    , m_width(numberBox(this))
    , m_widthPercent(new QCheckBox(QStringLiteral("Width i % "), this))
    , m_height(numberBox(this))
    , m_heightPercent(new QCheckBox(QStringLiteral("Heigth i %"), this))
{
    setWindowTitle(QStringLiteral("Marquee"));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setFixedHeight(m_text->fontMetrics().lineSpacing() * 4 + 12);

    auto *textLabel = label(QStringLiteral("Marquee text"), m_text, this);

    auto *colorBox = new QGroupBox(QStringLiteral("Colors"), this);
    auto *colorGrid = new QGridLayout(colorBox);
    colorGrid->addWidget(label(QStringLiteral("Forground"), m_foreground->combo(), this), 0, 0);
    colorGrid->addWidget(m_foreground, 0, 1);
    colorGrid->addWidget(label(QStringLiteral("Background"), m_background->combo(), this), 1, 0);
    colorGrid->addWidget(m_background, 1, 1);
    colorGrid->setColumnStretch(1, 1);

    auto *radios = new QHBoxLayout;
    radios->addWidget(m_behavior);
    radios->addWidget(m_align);
    radios->addWidget(m_direction);

    auto *numberBoxGroup = new QGroupBox(this);
    auto *numbers = new QGridLayout(numberBoxGroup);
    numbers->addWidget(label(QStringLiteral("Loop"), m_loop, this), 0, 0);
    numbers->addWidget(m_loop, 0, 1);
    numbers->addWidget(label(QStringLiteral("Dist."), m_scrollAmount, this), 1, 0);
    numbers->addWidget(m_scrollAmount, 1, 1);
    numbers->addWidget(label(QStringLiteral("Delay"), m_scrollDelay, this), 2, 0);
    numbers->addWidget(m_scrollDelay, 2, 1);
    numbers->addWidget(label(QStringLiteral("VSPACE"), m_vspace, this), 0, 2);
    numbers->addWidget(m_vspace, 0, 3);
    numbers->addWidget(label(QStringLiteral("HSPACE"), m_hspace, this), 1, 2);
    numbers->addWidget(m_hspace, 1, 3);
    numbers->addWidget(label(QStringLiteral("Width"), m_width, this), 0, 4);
    numbers->addWidget(m_width, 0, 5);
    numbers->addWidget(m_widthPercent, 0, 6);
    numbers->addWidget(label(QStringLiteral("Height"), m_height, this), 1, 4);
    numbers->addWidget(m_height, 1, 5);
    numbers->addWidget(m_heightPercent, 1, 6);
    numbers->setColumnStretch(7, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(textLabel);
    layout->addWidget(m_text);
    layout->addWidget(colorBox);
    layout->addLayout(radios);
    layout->addWidget(numberBoxGroup);
    layout->addWidget(buttonBox());

    setTabChain(QList<QWidget *>{m_text} + m_foreground->tabWidgets() + m_background->tabWidgets()
                + m_behavior->buttons() + m_align->buttons() + m_direction->buttons()
                + QList<QWidget *>{m_loop, m_scrollAmount, m_scrollDelay, m_vspace, m_hspace, m_width, m_widthPercent,
                                   m_height, m_heightPercent});
    setValue(MarqueeTag());
}

MarqueeTag Tmarquee::value() const
{
    MarqueeTag t;
    t.foreground = m_foreground->value();
    t.background = m_background->value();
    t.behavior = MarqueeTag::Behavior(qMax(0, m_behavior->checkedIndex()));
    t.align = MarqueeTag::Align(qMax(0, m_align->checkedIndex()));
    t.directionRight = m_direction->checkedIndex() == 1;
    t.loop = m_loop->text();
    t.scrollAmount = m_scrollAmount->text();
    t.scrollDelay = m_scrollDelay->text();
    t.vspace = m_vspace->text();
    t.hspace = m_hspace->text();
    t.width = m_width->text();
    t.widthPercent = m_widthPercent->isChecked();
    t.height = m_height->text();
    t.heightPercent = m_heightPercent->isChecked();
    t.text = m_text->text();
    t.trailing = m_trailing;
    t.fontTag = m_fontTag;
    return t;
}

void Tmarquee::setValue(const MarqueeTag &tag)
{
    m_foreground->setValue(tag.foreground);
    m_background->setValue(tag.background);
    m_behavior->setCheckedIndex(int(tag.behavior));
    m_align->setCheckedIndex(int(tag.align));
    m_direction->setCheckedIndex(tag.directionRight ? 1 : 0);
    m_loop->setText(tag.loop);
    m_scrollAmount->setText(tag.scrollAmount);
    m_scrollDelay->setText(tag.scrollDelay);
    m_vspace->setText(tag.vspace);
    m_hspace->setText(tag.hspace);
    m_width->setText(tag.width);
    m_widthPercent->setChecked(tag.widthPercent);
    m_height->setText(tag.height);
    m_heightPercent->setChecked(tag.heightPercent);
    m_text->setText(tag.text);
    m_trailing = tag.trailing;
    m_fontTag = tag.fontTag;
}

void Tmarquee::FormActivate()
{
    MarqueeTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

// The first single-line control, so that Enter accepts at once; the text
// box is one Shift+Tab away.
QWidget *Tmarquee::firstInput() const { return m_foreground->tabWidgets().first(); }

void Tmarquee::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
