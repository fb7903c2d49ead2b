#include "tlistbuilderdialog.h"
#include "helpcontexts.h"
#include "radiogroup.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRadioButton>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {

QToolButton *rowButton(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(caption);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setMinimumWidth(64);
    return b;
}

} // namespace

Tlistbuilderdialog::Tlistbuilderdialog(QWidget *parent)
    : TagDialog(parent, helpcontext::ListBuilder)
    , m_grid(new QTableWidget(this))
    , m_listType(new RadioGroup(QStringLiteral("List type"),
                                {QStringLiteral("Bulleted list"), QStringLiteral("Ordered list"),
                                 QStringLiteral("Definition list")},
                                this))
    , m_orderedType(new RadioGroup(QStringLiteral("Numbering"),
                                   {QStringLiteral("1..2..3"), QStringLiteral("a..b..c"), QStringLiteral("A..B..C"),
                                    QStringLiteral("i..ii..iii"), QStringLiteral("I..II..III")},
                                   this))
    , m_insertRow(rowButton(QStringLiteral("+ Row"), QStringLiteral("Insert row"), this))
    , m_removeRow(rowButton(QStringLiteral("- Row"), QStringLiteral("Remove row"), this))
{
    setWindowTitle(QStringLiteral("List - builder"));

    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    // The grid takes the focus without opening a cell editor, so Enter
    // accepts the dialog; a typed key, F2 or a double-click starts an edit.
    m_grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    m_grid->verticalHeader()->setSectionsMovable(true);
    m_grid->verticalHeader()->setFixedWidth(FixedColumnWidth);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->setMinimumSize(FixedColumnWidth + ItemColumnWidth + 2 * m_grid->frameWidth()
                               + m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4,
                           240);

    auto *buttonsRow = new QHBoxLayout;
    buttonsRow->addWidget(m_insertRow);
    buttonsRow->addWidget(m_removeRow);
    buttonsRow->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(m_grid, 1);
    left->addLayout(buttonsRow);

    auto *right = new QVBoxLayout;
    right->addWidget(m_listType);
    right->addWidget(m_orderedType);
    right->addStretch(1);

    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttonBox());

    setTabChain(QList<QWidget *>{m_grid, m_insertRow, m_removeRow} + m_listType->buttons() + m_orderedType->buttons());

    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_updating)
            m_model.setCell(item->column() + 1, item->row() + 1, item->text());
    });
    connect(m_grid->verticalHeader(), &QHeaderView::sectionMoved, this, &Tlistbuilderdialog::rowMoved);
    connect(m_listType, &RadioGroup::clicked, this,
            [this](int index) { chooseListType(ListBuilderModel::ListType(index)); });
    connect(m_orderedType, &RadioGroup::clicked, this, [this](int index) { m_model.orderedType = index; });
    connect(m_insertRow, &QToolButton::clicked, this, [this] {
        m_model.insertRow();
        refreshGrid();
    });
    connect(m_removeRow, &QToolButton::clicked, this, [this] {
        if (m_model.removeRow())
            refreshGrid();
    });

    fjernlist(QString());
    resize(sizeHint().width(), 360);
}

void Tlistbuilderdialog::fjernlist(const QString &selection)
{
    m_model.fjernlist(selection);
    m_listType->setCheckedIndex(int(m_model.listType));
    m_orderedType->setCheckedIndex(m_model.orderedType);
    chooseListType(m_model.listType);
}

void Tlistbuilderdialog::chooseListType(ListBuilderModel::ListType type)
{
    m_model.listType = type;
    if (type == ListBuilderModel::ListType::Ordered)
        enableg2();
    else
        disableg2();
    if (type == ListBuilderModel::ListType::Definition)
        grid2();
    else
        grid1();
}

void Tlistbuilderdialog::grid1()
{
    m_updating = true;
    m_grid->setColumnCount(1);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Item")});
    m_grid->setColumnWidth(0, ItemColumnWidth);
    m_updating = false;
    refreshGrid();
}

void Tlistbuilderdialog::grid2()
{
    m_updating = true;
    m_grid->setColumnCount(2);
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Term"), QStringLiteral("Definition")});
    m_grid->setColumnWidth(0, TermColumnWidth);
    m_grid->setColumnWidth(1, DefinitionColumnWidth);
    m_updating = false;
    refreshGrid();
}

void Tlistbuilderdialog::enableg2() { m_orderedType->setEnabled(true); }

void Tlistbuilderdialog::disableg2() { m_orderedType->setEnabled(false); }

void Tlistbuilderdialog::refreshGrid()
{
    m_updating = true;
    const int rows = m_model.rowCount() - 1;
    m_grid->setRowCount(rows);
    QStringList labels;
    for (int r = 1; r <= rows; ++r)
        labels << QString::number(r);
    m_grid->setVerticalHeaderLabels(labels);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= m_grid->columnCount(); ++c) {
            QTableWidgetItem *item = m_grid->item(r - 1, c - 1);
            if (!item) {
                item = new QTableWidgetItem;
                m_grid->setItem(r - 1, c - 1, item);
            }
            item->setText(m_model.cell(c, r));
        }
    }
    m_updating = false;
}

void Tlistbuilderdialog::rowMoved(int, int oldVisual, int newVisual)
{
    if (m_updating)
        return;
    // The list is written in the order shown: undo the header's own move and
    // move the row's texts instead.
    m_updating = true;
    m_grid->verticalHeader()->moveSection(newVisual, oldVisual);
    m_updating = false;
    m_model.moveRow(oldVisual + 1, newVisual + 1);
    refreshGrid();
    m_grid->setCurrentCell(newVisual, 0);
}

QWidget *Tlistbuilderdialog::firstInput() const { return m_grid; }

void Tlistbuilderdialog::accept()
{
    // A cell still being edited counts, as when OK is clicked with the mouse:
    // moving the current cell commits the open editor.
    const QModelIndex current = m_grid->currentIndex();
    m_grid->setCurrentIndex(QModelIndex());
    m_grid->setCurrentIndex(current);
    TagDialog::accept();
}

} // namespace lumaro
