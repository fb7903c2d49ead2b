#include "tframetags.h"
#include "helpcontexts.h"
#include "mustbefilledin.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lumaro {

Tframetags::Tframetags(QWidget *parent)
    : TagDialog(parent, helpcontext::Frameset)
    , m_rowsButton(new QRadioButton(QStringLiteral("Rows"), this))
    , m_colsButton(new QRadioButton(QStringLiteral("Cols"), this))
    , m_rows(new QLineEdit(this))
    , m_cols(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Frame"));
    auto *heading = new QLabel(QStringLiteral("Frameset setup"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    auto *group = new QButtonGroup(this);
    group->addButton(m_rowsButton);
    group->addButton(m_colsButton);
    m_rowsButton->setChecked(true);
    // Room for a few sizes, e.g. "100,25%,*,2*".
    setMinimumWidth(320);

    auto *grid = new QGridLayout;
    grid->addWidget(m_rowsButton, 0, 0);
    grid->addWidget(m_colsButton, 0, 1);
    grid->setColumnStretch(2, 1);
    // The two boxes share one place; only the chosen one is shown.
    grid->addWidget(m_rows, 1, 0, 1, 3);
    grid->addWidget(m_cols, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Sizes separated by commas, e.g. 100,25%,*"), this), 2, 0, 1, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addWidget(buttonBox());

    setTabChain({m_rowsButton, m_colsButton, m_rows, m_cols});
    connect(m_rowsButton, &QRadioButton::toggled, this, &Tframetags::showChosenBox);
    setValue(FramesetTag());
}

FramesetTag Tframetags::value() const
{
    FramesetTag t;
    t.direction = m_colsButton->isChecked() ? FramesetTag::Direction::Cols : FramesetTag::Direction::Rows;
    t.rows = m_rows->text();
    t.cols = m_cols->text();
    t.editExisting = m_editExisting;
    return t;
}

void Tframetags::setValue(const FramesetTag &tag)
{
    if (tag.direction == FramesetTag::Direction::Cols)
        m_colsButton->setChecked(true);
    else
        m_rowsButton->setChecked(true);
    m_rows->setText(tag.rows);
    m_cols->setText(tag.cols);
    m_editExisting = tag.editExisting;
    showChosenBox();
}

void Tframetags::showChosenBox()
{
    const bool rows = m_rowsButton->isChecked();
    m_rows->setVisible(rows);
    m_cols->setVisible(!rows);
}

void Tframetags::FormActivate()
{
    FramesetTag tag;
    tag.decode(m_tagText);
    setValue(tag);
}

QWidget *Tframetags::firstInput() const
{
    return m_colsButton->isChecked() ? m_colsButton : m_rowsButton;
}

void Tframetags::accept()
{
    const FramesetTag tag = value();
    // A set without sizes would have no rows or columns at all.
    if (tag.sizes().trimmed().isEmpty()) {
        mustBeFilledIn(this, m_rowsButton->isChecked() ? m_rows : m_cols);
        return;
    }
    m_tagText = tag.build();
    TagDialog::accept();
}

} // namespace lumaro
