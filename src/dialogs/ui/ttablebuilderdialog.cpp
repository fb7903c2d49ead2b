#include "ttablebuilderdialog.h"
#include "colorcombo.h"
#include "helpcontexts.h"
#include "interaction.h"
#include "radiogroup.h"
#include "updownedit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumaro {

namespace {

QToolButton *speedButton(const QString &caption, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(caption);
    b->setToolTip(hint);
    b->setStatusTip(hint);
    b->setAutoRaise(false);
    b->setMinimumWidth(64);
    return b;
}

} // namespace

Ttablebuilderdialog::Ttablebuilderdialog(QWidget *parent)
    : TagDialog(parent, helpcontext::TableBuilder)
    , m_grid(new QTableWidget(this))
    , m_width(new UpDownEdit(5, 500, this))
    , m_textAlign(new RadioGroup(QStringLiteral("Text align"), {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, this))
    , m_colorOn(new QCheckBox(QStringLiteral("Color ?"), this))
    , m_combo(new ColorCombo(this))
    , m_same(new QCheckBox(QStringLiteral("Same"), this))
    , m_captionOn(new QCheckBox(QStringLiteral("Caption ?"), this))
    , m_captionLabel(new QLabel(QStringLiteral("Caption"), this))
    , m_caption(new QLineEdit(this))
    , m_valignTop(new QCheckBox(QStringLiteral("Valign = Top"), this))
    , m_borderOn(new QCheckBox(QStringLiteral("Border ?"), this))
    , m_thicknessLabel(new QLabel(QStringLiteral("Thicknes"), this))
    , m_thickness(new UpDownEdit(1, 100, this))
    , m_tableAlign(new RadioGroup(QStringLiteral("Table align"), {QStringLiteral("Left"), QStringLiteral("Center"), QStringLiteral("Right")}, this))
    , m_insertRow(speedButton(QStringLiteral("+ Row"), QStringLiteral("Insert row"), this))
    , m_removeRow(speedButton(QStringLiteral("- Row"), QStringLiteral("Remove row"), this))
    , m_insertColumn(speedButton(QStringLiteral("+ Col"), QStringLiteral("Insert col"), this))
    , m_removeColumn(speedButton(QStringLiteral("- Col"), QStringLiteral("Remove col"), this))
{
    setWindowTitle(QStringLiteral("Table - builder"));
    m_captionLabel->setBuddy(m_caption);
    m_thicknessLabel->setBuddy(m_thickness);

    buildGrid();

    // Left: the grid and its row/column buttons.
    auto *buttonsRow = new QHBoxLayout;
    buttonsRow->addWidget(m_insertRow);
    buttonsRow->addWidget(m_removeRow);
    buttonsRow->addWidget(m_insertColumn);
    buttonsRow->addWidget(m_removeColumn);
    buttonsRow->addStretch(1);
    auto *left = new QVBoxLayout;
    left->addWidget(m_grid, 1);
    left->addLayout(buttonsRow);

    // Right: the settings of the current column and row, then the table's.
    auto *widthBox = new QGroupBox(QStringLiteral("Colwidth"), this);
    auto *widthLayout = new QHBoxLayout(widthBox);
    auto *widthLabel = new QLabel(QStringLiteral("Width"), this);
    widthLabel->setBuddy(m_width);
    widthLayout->addWidget(widthLabel);
    widthLayout->addWidget(m_width, 1);

    auto *colorBox = new QGroupBox(QStringLiteral("Colors"), this);
    auto *colorLayout = new QGridLayout(colorBox);
    colorLayout->addWidget(m_colorOn, 0, 0);
    colorLayout->addWidget(m_same, 0, 1);
    colorLayout->addWidget(m_combo, 1, 0, 1, 2);

    auto *captionBox = new QGroupBox(QStringLiteral("Caption"), this);
    auto *captionLayout = new QGridLayout(captionBox);
    captionLayout->addWidget(m_captionOn, 0, 0);
    captionLayout->addWidget(m_valignTop, 0, 1);
    captionLayout->addWidget(m_captionLabel, 1, 0);
    captionLayout->addWidget(m_caption, 1, 1);

    auto *borderBox = new QGroupBox(QStringLiteral("Border"), this);
    auto *borderLayout = new QHBoxLayout(borderBox);
    borderLayout->addWidget(m_borderOn);
    borderLayout->addWidget(m_thicknessLabel);
    borderLayout->addWidget(m_thickness, 1);

    auto *alignRow = new QHBoxLayout;
    alignRow->addWidget(m_textAlign);
    alignRow->addWidget(m_tableAlign);

    auto *right = new QVBoxLayout;
    right->addWidget(widthBox);
    right->addLayout(alignRow);
    right->addWidget(colorBox);
    right->addWidget(captionBox);
    right->addWidget(borderBox);
    right->addStretch(1);

    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(right);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttonBox());

    setTabChain(QList<QWidget *>{m_grid, m_insertRow, m_removeRow, m_insertColumn, m_removeColumn, m_width}
                + m_textAlign->buttons() + m_tableAlign->buttons()
                + QList<QWidget *>{m_colorOn, m_same, m_combo, m_captionOn, m_valignTop, m_caption, m_borderOn,
                                   m_thickness});

    connect(m_width, &UpDownEdit::textEdited, this, &Ttablebuilderdialog::widthEdited);
    connect(m_textAlign, &RadioGroup::clicked, this, [this](int index) {
        m_model.setColumnAlignment(m_column, index + 1);
    });
    connect(m_combo, &QComboBox::activated, this, [this](int index) {
        m_model.pickColor(index, m_row);
    });
    connect(m_same, &QCheckBox::clicked, this, [this](bool on) {
        m_model.comboIndex = m_combo->currentIndex();
        m_model.setSame(on);
    });
    connect(m_colorOn, &QCheckBox::clicked, this, [this](bool on) {
        m_model.colorOn = on;
        enableControls();
    });
    connect(m_captionOn, &QCheckBox::clicked, this, [this](bool on) {
        m_model.captionOn = on;
        enableControls();
    });
    connect(m_valignTop, &QCheckBox::clicked, this, [this](bool on) { m_model.valignTop = on; });
    connect(m_caption, &QLineEdit::textChanged, this, [this](const QString &text) { m_model.caption = text; });
    connect(m_borderOn, &QCheckBox::clicked, this, [this](bool on) {
        m_model.borderOn = on;
        enableControls();
    });
    connect(m_thickness, &UpDownEdit::textChanged, this, [this](const QString &text) { m_model.thickness = text; });
    connect(m_tableAlign, &RadioGroup::clicked, this, [this](int index) { m_model.tableAlign = HAlign(index); });

    connect(m_insertRow, &QToolButton::clicked, this, [this] {
        m_model.insertRow();
        refreshGrid();
    });
    connect(m_removeRow, &QToolButton::clicked, this, [this] {
        if (m_model.removeRow()) {
            refreshGrid();
            showCurrent(true);
        }
    });
    connect(m_insertColumn, &QToolButton::clicked, this, [this] {
        m_model.insertColumn();
        refreshGrid();
    });
    connect(m_removeColumn, &QToolButton::clicked, this, [this] {
        if (m_model.removeColumn()) {
            refreshGrid();
            showCurrent(true);
        }
    });

    refreshGrid();
    refreshControls();
    showCurrent(false);
    resize(760, 460);
}

void Ttablebuilderdialog::buildGrid()
{
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_grid->horizontalHeader()->setSectionsMovable(true);
    m_grid->horizontalHeader()->setMinimumSectionSize(0);
    m_grid->verticalHeader()->setSectionsMovable(true);
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->setMinimumSize(280, 200);

    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_updating)
            m_model.setCell(item->column() + 1, item->row() + 1, item->text());
    });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (m_updating || row < 0 || column < 0)
            return;
        m_row = row + 1;
        m_column = column + 1;
        showCurrent(true);
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int logical, int, int size) {
        if (m_updating)
            return;
        m_model.setColumnWidth(logical + 1, size);
        if (logical + 1 == m_column) {
            const QSignalBlocker block(m_width);
            m_width->setText(QString::number(size));
        }
    });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionMoved, this, &Ttablebuilderdialog::columnMoved);
    connect(m_grid->verticalHeader(), &QHeaderView::sectionMoved, this, &Ttablebuilderdialog::rowMoved);
}

void Ttablebuilderdialog::columnMoved(int, int oldVisual, int newVisual)
{
    if (m_updating)
        return;
    // The model is kept in display order: undo the header's own move and
    // move the data instead, so texts, widths and alignments travel together.
    m_updating = true;
    m_grid->horizontalHeader()->moveSection(newVisual, oldVisual);
    m_updating = false;
    m_model.moveColumn(oldVisual + 1, newVisual + 1);
    m_column = newVisual + 1;
    refreshGrid();
    showCurrent(true);
}

void Ttablebuilderdialog::rowMoved(int, int oldVisual, int newVisual)
{
    if (m_updating)
        return;
    m_updating = true;
    m_grid->verticalHeader()->moveSection(newVisual, oldVisual);
    m_updating = false;
    m_model.moveRow(oldVisual + 1, newVisual + 1);
    m_row = newVisual + 1;
    refreshGrid();
    showCurrent(true);
}

void Ttablebuilderdialog::refreshGrid()
{
    m_updating = true;
    const int rows = m_model.rowCount() - 1;
    const int columns = m_model.columnCount() - 1;
    m_grid->setRowCount(rows);
    m_grid->setColumnCount(columns);
    QStringList hLabels;
    for (int c = 1; c <= columns; ++c)
        hLabels << QString::number(c);
    QStringList vLabels;
    for (int r = 1; r <= rows; ++r)
        vLabels << QString::number(r);
    m_grid->setHorizontalHeaderLabels(hLabels);
    m_grid->setVerticalHeaderLabels(vLabels);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= columns; ++c) {
            QTableWidgetItem *item = m_grid->item(r - 1, c - 1);
            if (!item) {
                item = new QTableWidgetItem;
                m_grid->setItem(r - 1, c - 1, item);
            }
            item->setText(m_model.cell(c, r));
        }
    }
    for (int c = 1; c <= columns; ++c)
        m_grid->setColumnWidth(c - 1, m_model.columnWidth(c));
    m_row = qBound(1, m_row, rows);
    m_column = qBound(1, m_column, columns);
    m_grid->setCurrentCell(m_row - 1, m_column - 1);
    m_updating = false;
}

void Ttablebuilderdialog::refreshControls()
{
    m_colorOn->setChecked(m_model.colorOn);
    m_same->setChecked(m_model.same);
    m_combo->setCurrentIndex(m_model.comboIndex);
    m_captionOn->setChecked(m_model.captionOn);
    {
        const QSignalBlocker block(m_caption);
        m_caption->setText(m_model.caption);
    }
    m_valignTop->setChecked(m_model.valignTop);
    m_borderOn->setChecked(m_model.borderOn);
    {
        const QSignalBlocker block(m_thickness);
        m_thickness->setText(m_model.thickness);
    }
    m_tableAlign->setCheckedIndex(int(m_model.tableAlign));
    enableControls();
}

void Ttablebuilderdialog::showCurrent(bool withColor)
{
    {
        const QSignalBlocker block(m_width);
        m_width->setText(QString::number(m_model.columnWidth(m_column)));
    }
    const int alignment = m_model.columnAlignment(m_column);
    if (alignment >= TableBuilderModel::AlignLeft && alignment <= TableBuilderModel::AlignRight)
        m_textAlign->setCheckedIndex(alignment - 1);
    if (withColor)
        m_combo->setCurrentIndex(m_model.rowColor(m_row));
}

void Ttablebuilderdialog::enableControls()
{
    m_combo->setEnabled(m_model.colorOn);
    m_same->setEnabled(m_model.colorOn);
    m_caption->setEnabled(m_model.captionOn);
    m_captionLabel->setEnabled(m_model.captionOn);
    m_valignTop->setEnabled(m_model.captionOn);
    m_thickness->setEnabled(m_model.borderOn);
    m_thicknessLabel->setEnabled(m_model.borderOn);
}

void Ttablebuilderdialog::widthEdited(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return;  // the user is still typing
    bool ok = false;
    const int width = trimmed.toInt(&ok);
    if (!ok) {
        interaction().warning(this, QStringLiteral("Lumaro"),
                              QStringLiteral("'%1' is not a valid integer value").arg(text));
        return;
    }
    m_model.setColumnWidth(m_column, width);
    m_updating = true;
    m_grid->setColumnWidth(m_column - 1, m_model.columnWidth(m_column));
    m_updating = false;
}

void Ttablebuilderdialog::fjerntabel(const QString &selection)
{
    m_model.fjerntabel(selection);
    m_row = 1;
    m_column = 1;
    refreshGrid();
    refreshControls();
    showCurrent(false);
}

void Ttablebuilderdialog::setCurrentCell(int column, int row)
{
    m_grid->setCurrentCell(row - 1, column - 1);
}

QWidget *Ttablebuilderdialog::firstInput() const { return m_grid; }

} // namespace lumaro
