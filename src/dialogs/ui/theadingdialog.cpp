#include "theadingdialog.h"
#include "crlftextedit.h"
#include "helpcontexts.h"
#include "radiogroup.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {
QStringList levelCaptions()
{
    QStringList captions;
    for (int n = 1; n <= 7; ++n)
        captions << QStringLiteral("Heading %1").arg(n);
    return captions;
}
} // namespace

Theadingdialog::Theadingdialog(QWidget *parent)
    : TagDialog(parent, helpcontext::Heading)
    , m_level(new RadioGroup(QStringLiteral("Heading size"), levelCaptions(), this))
    , m_center(new QCheckBox(QStringLiteral("Center"), this))
    , m_text(new CrlfTextEdit(this))
{
    setWindowTitle(QStringLiteral("Heading"));
    m_center->setObjectName(QStringLiteral("checkcenter"));

    auto *alignBox = new QGroupBox(QStringLiteral("Align"), this);
    auto *alignLayout = new QVBoxLayout(alignBox);
    alignLayout->addWidget(m_center);

    auto *textLabel = new QLabel(QStringLiteral("Text"), this);
    textLabel->setBuddy(m_text);
    auto *right = new QVBoxLayout;
    right->addWidget(alignBox);
    right->addWidget(textLabel);
    right->addWidget(m_text, 1);

    auto *top = new QHBoxLayout;
    top->addWidget(m_level);
    top->addLayout(right, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttonBox());
    setTabChain(m_level->buttons() + QList<QWidget *>{m_center, m_text});
    setValue(HeadingTag());
}

HeadingTag Theadingdialog::value() const
{
    HeadingTag t;
    t.level = m_level->checkedIndex() + 1;
    t.center = m_center->isChecked();
    t.text = m_text->text();
    t.after = m_after;
    return t;
}

void Theadingdialog::setValue(const HeadingTag &tag)
{
    m_level->setCheckedIndex(qBound(1, tag.level, 7) - 1);
    m_center->setChecked(tag.center);
    m_text->setText(tag.text);
    m_after = tag.after;
}

QWidget *Theadingdialog::firstInput() const { return m_level->button(m_level->checkedIndex()); }

} // namespace lumaro
