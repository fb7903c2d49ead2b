#include "tselectform.h"
#include "helpcontexts.h"
#include "memolines.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lumaro {

Tselectform::Tselectform(QWidget *parent)
    : TagDialog(parent, helpcontext::SelectForm)
    , m_name(new QLineEdit(this))
    , m_size(new UpDownEdit(0, 9999, this))
    , m_multiple(new QCheckBox(QStringLiteral("Multi select"), this))
    , m_options(new CrlfTextEdit(this))
{
    setWindowTitle(QStringLiteral("Select"));
    m_name->setMinimumWidth(220);
    m_options->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_options->setTabChangesFocus(true);
    m_options->setMinimumSize(300, 160);

    auto label = [this](const QString &caption, QWidget *buddy) {
        auto *l = new QLabel(caption, this);
        l->setBuddy(buddy);
        return l;
    };
    auto *grid = new QGridLayout;
    grid->addWidget(label(QStringLiteral("Name"), m_name), 0, 0);
    grid->addWidget(m_name, 0, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("Size"), m_size), 1, 0);
    grid->addWidget(m_size, 1, 1, Qt::AlignLeft);
    grid->addWidget(m_multiple, 1, 2);
    grid->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(label(QStringLiteral("Options, one per line:"), m_options));
    layout->addWidget(m_options, 1);
    layout->addWidget(buttonBox());
    setTabChain({m_name, m_size, m_multiple, m_options});
    setValue(SelectFormTag());
}

SelectFormTag Tselectform::value() const
{
    SelectFormTag t;
    t.name = m_name->text();
    t.size = m_size->text();
    t.multiple = m_multiple->isChecked();
    t.options = MemoLines::lines(m_options->text());
    return t;
}

void Tselectform::setValue(const SelectFormTag &tag)
{
    m_name->setText(tag.name);
    m_size->setText(tag.size);
    m_multiple->setChecked(tag.multiple);
    m_options->setText(MemoLines::text(tag.options));
}

void Tselectform::FormActivate()
{
    SelectFormTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Tselectform::firstInput() const { return m_name; }

void Tselectform::accept()
{
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
