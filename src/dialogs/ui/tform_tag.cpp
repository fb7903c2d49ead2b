#include "tform_tag.h"
#include "helpcontexts.h"
#include "radiogroup.h"
#include "urlpicker.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Tform_tag::Tform_tag(QWidget *parent)
    : TagDialog(parent, helpcontext::Form)
    , m_action(new QLineEdit(this))
    , m_url(new QPushButton(QStringLiteral("URL Builder"), this))
    , m_method(new RadioGroup(QStringLiteral("Method"), {QStringLiteral("Post"), QStringLiteral("Get")}, this))
{
    setWindowTitle(QStringLiteral("Form"));
    m_url->setAutoDefault(false);
    m_url->setEnabled(urlPicker() != nullptr);
    connect(m_url, &QPushButton::clicked, this, &Tform_tag::urlBuilderClick);
    m_action->setMinimumWidth(300);

    auto *label = new QLabel(QStringLiteral("Action"), this);
    label->setBuddy(m_action);
    auto *grid = new QGridLayout;
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_action, 0, 1);
    grid->addWidget(m_url, 0, 2);
    grid->addWidget(m_method, 1, 1, Qt::AlignLeft);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttonBox());
    setTabChain(QList<QWidget *>{m_action, m_url} + m_method->buttons());
    setValue(FormTag());
}

FormTag Tform_tag::value() const
{
    FormTag t;
    t.action = m_action->text();
    t.method = m_method->checkedIndex() == 1 ? FormTag::Method::Get : FormTag::Method::Post;
    return t;
}

void Tform_tag::setValue(const FormTag &tag)
{
    m_action->setText(tag.action);
    m_method->setCheckedIndex(tag.method == FormTag::Method::Get ? 1 : 0);
}

void Tform_tag::FormActivate()
{
    FormTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Tform_tag::firstInput() const { return m_action; }

void Tform_tag::urlBuilderClick()
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    if (const std::optional<PickedUrl> picked = picker->pick(this, PickerMode::Link))
        m_action->setText(picked->url);
    m_method->button(0)->setFocus(Qt::OtherFocusReason);
}

void Tform_tag::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
