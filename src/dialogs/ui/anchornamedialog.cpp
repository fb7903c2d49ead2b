#include "anchornamedialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

AnchorNameDialog::AnchorNameDialog(QWidget *parent, int helpContext, const QString &caption)
    : TagDialog(parent, helpContext)
    , m_name(new QLineEdit(this))
    , m_text(new QLineEdit(this))
{
    setWindowTitle(caption);
    m_name->setMinimumWidth(240);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Anchor name:"), m_name);
    form->addRow(QStringLiteral("Text:"), m_text);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonBox());
    setTabChain({m_name, m_text});
}

QWidget *AnchorNameDialog::firstInput() const { return m_name; }
QString AnchorNameDialog::name() const { return m_name->text(); }
QString AnchorNameDialog::text() const { return m_text->text(); }

void AnchorNameDialog::setFields(const QString &name, const QString &text)
{
    m_name->setText(name);
    m_text->setText(text);
}

} // namespace lumaro
