#include "texttagdialog.h"
#include "wraptag.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

TextTagDialog::TextTagDialog(const QString &caption, const QString &tagName, int helpContext, QWidget *parent)
    : TagDialog(parent, helpContext)
    , m_tagName(tagName)
    , m_edit(new QLineEdit(this))
{
    setWindowTitle(caption);
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(QStringLiteral("Text:"), this);
    label->setBuddy(m_edit);
    row->addWidget(label);
    row->addWidget(m_edit, 1);
    m_edit->setMinimumWidth(240);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttonBox());
    setTabChain({m_edit});
}

void TextTagDialog::setTagName(const QString &tagName) { m_tagName = tagName; }

QWidget *TextTagDialog::firstInput() const { return m_edit; }

void TextTagDialog::accept()
{
    m_result = WrapTag::wrap(m_tagName, m_edit->text());
    TagDialog::accept();
}

} // namespace lumaro
