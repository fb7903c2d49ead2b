#include "tanchordialog.h"
#include "helpcontexts.h"
#include "urlpicker.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lumaro {

Tanchordialog::Tanchordialog(QWidget *parent)
    : TagDialog(parent, helpcontext::Anchor)
    , m_address(new QLineEdit(this))
    , m_name(new QLineEdit(this))
    , m_text(new QLineEdit(this))
    , m_url(new QPushButton(QStringLiteral("URL"), this))
{
    setWindowTitle(QStringLiteral("Anchor"));
    m_url->setAutoDefault(false);
    // The address picker (the link builder) may not be available.
    m_url->setEnabled(urlPicker() != nullptr);
    connect(m_url, &QPushButton::clicked, this, &Tanchordialog::Button4Click);
    m_address->setMinimumWidth(260);

    auto *grid = new QGridLayout;
    auto addRow = [&](int row, const QString &caption, QLineEdit *edit) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
    };
    addRow(0, QStringLiteral("Address:"), m_address);
    grid->addWidget(m_url, 0, 2);
    addRow(1, QStringLiteral("Anchor name:"), m_name);
    addRow(2, QStringLiteral("Text:"), m_text);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttonBox());
    setTabChain({m_address, m_url, m_name, m_text});
}

void Tanchordialog::Button4Click()
{
    UrlPicker *picker = urlPicker();
    if (!picker)
        return;
    if (const std::optional<PickedUrl> picked = picker->pick(this, PickerMode::Link))
        m_address->setText(picked->url);
    m_name->setFocus(Qt::OtherFocusReason);
}

QWidget *Tanchordialog::firstInput() const { return m_address; }

AnchorLink Tanchordialog::value() const
{
    return {m_address->text(), m_name->text(), m_text->text()};
}

void Tanchordialog::setValue(const AnchorLink &link)
{
    m_address->setText(link.address);
    m_name->setText(link.name);
    m_text->setText(link.text);
}

} // namespace lumaro
