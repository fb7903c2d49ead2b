#include "tradioform.h"
#include "formfieldcontexts.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumaro {

namespace {
QString cellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}
} // namespace

Tradioform::Tradioform(QWidget *parent)
    : TagDialog(parent, helpcontext::RadioButtons)
    , m_name(new QLineEdit(this))
    , m_number(new QSpinBox(this))
    , m_selected(new QSpinBox(this))
    , m_grid(new QTableWidget(0, 2, this))
{
    setWindowTitle(QStringLiteral("Radiobutton"));
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_number->setObjectName(QStringLiteral("Edit2"));
    m_selected->setObjectName(QStringLiteral("edit3"));
    m_grid->setObjectName(QStringLiteral("Grid"));
    m_name->setMinimumWidth(220);
    m_number->setRange(RadioGroupTag::MinButtons, RadioGroupTag::MaxButtons);
    m_selected->setRange(0, RadioGroupTag::MaxButtons);

    m_grid->setHorizontalHeaderLabels({QStringLiteral("Guidetext"), QStringLiteral("Returned value")});
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->setMinimumSize(360, 180);
    // Tab moves between the dialog's controls, not from cell to cell.
    m_grid->setTabKeyNavigation(false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Name"), m_name);
    form->addRow(QStringLiteral("Number of Radiobuttons"), m_number);
    form->addRow(QStringLiteral("Witch Radiobutton selected"), m_selected);

    auto *buttonsBox = new QGroupBox(QStringLiteral("Radiobuttons"), this);
    auto *buttonsLayout = new QVBoxLayout(buttonsBox);
    buttonsLayout->addWidget(m_grid);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttonsBox, 1);
    layout->addWidget(buttonBox());

    connect(m_number, &QSpinBox::valueChanged, this, &Tradioform::Edit2Change);
    setTabChain({m_name, m_number, m_selected, m_grid});
    setValue(RadioGroupTag());
}

void Tradioform::Edit2Change(int number) { m_grid->setRowCount(number); }

RadioGroupTag Tradioform::value() const
{
    RadioGroupTag t;
    t.name = m_name->text();
    t.selected = m_selected->value();
    t.buttons.clear();
    for (int row = 0; row < m_grid->rowCount(); ++row)
        t.buttons.append({cellText(m_grid, row, 0), cellText(m_grid, row, 1)});
    return t;
}

void Tradioform::setValue(const RadioGroupTag &tag)
{
    const int count = int(tag.buttons.size());
    // A decoded group may be larger than the number box's own range; it keeps every button.
    m_number->setMaximum(qMax(int(RadioGroupTag::MaxButtons), count));
    m_selected->setMaximum(qMax(int(RadioGroupTag::MaxButtons), count));
    m_name->setText(tag.name);
    m_number->setValue(qMax(int(RadioGroupTag::MinButtons), count));
    m_selected->setValue(tag.selected);
    m_grid->clearContents();
    m_grid->setRowCount(m_number->value());
    for (int row = 0; row < count; ++row) {
        m_grid->setItem(row, 0, new QTableWidgetItem(tag.buttons.at(row).prompt));
        m_grid->setItem(row, 1, new QTableWidgetItem(tag.buttons.at(row).value));
    }
}

void Tradioform::FormActivate()
{
    RadioGroupTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Tradioform::firstInput() const { return m_name; }

void Tradioform::accept()
{
    // Moving off the current cell commits a cell still being edited.
    m_grid->setCurrentIndex(QModelIndex());
    m_tagText = value().build();
    TagDialog::accept();
}

} // namespace lumaro
