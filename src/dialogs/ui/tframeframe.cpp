#include "tframeframe.h"
#include "helpcontexts.h"
#include "mustbefilledin.h"
#include "radiogroup.h"
#include "updownedit.h"
#include "urlpicker.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {
// Sizes in pixels; the arrows stop somewhere no page needs.
constexpr int largestSize = 9999;
} // namespace

Tframeframe::Tframeframe(QWidget *parent)
    : TagDialog(parent, helpcontext::Frame)
    , m_name(new QLineEdit(this))
    , m_src(new QLineEdit(this))
    , m_url(new QPushButton(QStringLiteral("URL Builder"), this))
    , m_marginWidth(new UpDownEdit(0, largestSize, this))
    , m_marginHeight(new UpDownEdit(0, largestSize, this))
    , m_frameBorder(new UpDownEdit(-1, largestSize, this))
    , m_scrolling(new RadioGroup(QStringLiteral("Scrolling"),
                                 {QStringLiteral("Yes"), QStringLiteral("No"), QStringLiteral("AUTO")}, this))
    , m_noResize(new QCheckBox(QStringLiteral("Noresize"), this))
{
    setWindowTitle(QStringLiteral("Frame"));
    m_url->setAutoDefault(false);
    m_url->setEnabled(urlPicker() != nullptr);
    connect(m_url, &QPushButton::clicked, this, &Tframeframe::Button1Click);
    m_name->setMinimumWidth(260);

    auto label = [this](const QString &caption, QWidget *buddy) {
        auto *l = new QLabel(caption, this);
        l->setBuddy(buddy);
        return l;
    };
    auto *top = new QGridLayout;
    top->addWidget(label(QStringLiteral("Name"), m_name), 0, 0);
    top->addWidget(m_name, 0, 1);
    top->addWidget(label(QStringLiteral("SRC"), m_src), 1, 0);
    top->addWidget(m_src, 1, 1);
    top->addWidget(m_url, 1, 2);

    auto *left = new QVBoxLayout;
    left->addWidget(m_scrolling);
    left->addWidget(m_noResize);
    auto *margins = new QGridLayout;
    margins->addWidget(label(QStringLiteral("Marginwidth"), m_marginWidth), 0, 0);
    margins->addWidget(m_marginWidth, 0, 1);
    margins->addWidget(label(QStringLiteral("Marginheigth"), m_marginHeight), 1, 0);
    margins->addWidget(m_marginHeight, 1, 1);
    margins->addWidget(label(QStringLiteral("Frame border"), m_frameBorder), 2, 0);
    margins->addWidget(m_frameBorder, 2, 1);
    margins->setRowStretch(3, 1);
    auto *middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addSpacing(16);
    middle->addLayout(margins);
    middle->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(buttonBox());

    setTabChain(QList<QWidget *>{m_name, m_src, m_url} + m_scrolling->buttons()
                + QList<QWidget *>{m_noResize, m_marginWidth, m_marginHeight, m_frameBorder});
    setValue(FrameTag());
}

FrameTag Tframeframe::value() const
{
    FrameTag t;
    t.name = m_name->text();
    t.src = m_src->text();
    t.scrolling = FrameTag::Scrolling(qBound(0, m_scrolling->checkedIndex(), 2));
    t.noResize = m_noResize->isChecked();
    t.marginWidth = m_marginWidth->text();
    t.marginHeight = m_marginHeight->text();
    t.frameBorder = m_frameBorder->text();
    t.editExisting = m_editExisting;
    return t;
}

void Tframeframe::setValue(const FrameTag &tag)
{
    m_name->setText(tag.name);
    m_src->setText(tag.src);
    m_scrolling->setCheckedIndex(int(tag.scrolling));
    m_noResize->setChecked(tag.noResize);
    m_marginWidth->setText(tag.marginWidth);
    m_marginHeight->setText(tag.marginHeight);
    m_frameBorder->setText(tag.frameBorder);
    m_editExisting = tag.editExisting;
}

void Tframeframe::FormActivate()
{
    FrameTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Tframeframe::firstInput() const { return m_name; }

void Tframeframe::Button1Click()
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    if (const std::optional<PickedUrl> picked = picker->pick(this, PickerMode::Link))
        m_src->setText(picked->url);
    m_scrolling->button(0)->setFocus(Qt::OtherFocusReason);
}

void Tframeframe::accept()
{
    if (m_name->text().trimmed().isEmpty()) {
        mustBeFilledIn(this, m_name);
        return;
    }
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
