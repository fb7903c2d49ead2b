#include "tpreffdialog.h"
#include "colorgrid.h"
#include "dialogkeys.h"
#include "helpservice.h"
#include "installdir.h"
#include "interaction.h"
#include "textfile.h"
#include "thtmlrichedit.h"
#include "tregini.h"
#include "tshortcutdialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QSysInfo>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lumaro {

namespace {

/// The busy cursor over the dialog while the sample pane is recoloured.
class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

bool onWindows()
{
    return QSysInfo::kernelType() == QLatin1String("winnt");
}

} // namespace

Tpreffdialog::Tpreffdialog(QWidget *parent)
    : QDialog(parent)
    , m_tabs(new QTabWidget)
    , m_ok(new QPushButton(QStringLiteral("Ok")))
    , m_cancel(new QPushButton(QStringLiteral("Cancel")))
    , m_help(new QPushButton(QStringLiteral("Help")))
{
    DialogKeys::install(this, m_ok);
    setObjectName(QStringLiteral("preffdialog"));
    setWindowTitle(QStringLiteral("Prefferences"));

    m_tabs->addTab(buildEditorTab(), QStringLiteral("Editor"));
    m_tabs->addTab(buildPreviewTab(), QStringLiteral("Preview"));
    m_tabs->addTab(buildShortcutsTab(), QStringLiteral("Shortcuts"));
    m_tabs->addTab(buildColorTab(), QStringLiteral("Color"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_help);
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    for (QPushButton *b : {m_selectFont, m_browse, m_new, m_delete, m_modify})
        b->setAutoDefault(false);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [] { help().showTopic(kHelpContext); });

    loadSample();
}

Tpreffdialog::~Tpreffdialog() = default;

QWidget *Tpreffdialog::buildEditorTab()
{
    auto *page = new QWidget;
    auto *general = new QGroupBox(QStringLiteral("Generel"));
    m_wordwrap = new QCheckBox(QStringLiteral("Wordwrap"));
    m_selectFont = new QPushButton(QStringLiteral("Select font"));
    m_convsave = new QCheckBox(QStringLiteral("Convert special characters to tags when save"));
    auto *generalLayout = new QVBoxLayout(general);
    generalLayout->addWidget(m_wordwrap);
    auto *fontRow = new QHBoxLayout;
    fontRow->addWidget(m_selectFont);
    fontRow->addStretch(1);
    generalLayout->addLayout(fontRow);
    generalLayout->addWidget(m_convsave);

    auto *autosave = new QGroupBox(QStringLiteral("Autosave"));
    m_autosave = new QCheckBox(QStringLiteral("Use autosave"));
    m_minutes = new QSpinBox;
    m_minutes->setObjectName(QStringLiteral("Edit1"));
    m_minutes->setRange(Preferences::kMinMinutes, Preferences::kMaxMinutes);
    m_minutesLabel = new QLabel(QStringLiteral("minits"));
    m_minutesLabel->setBuddy(m_minutes);
    auto *autosaveLayout = new QVBoxLayout(autosave);
    autosaveLayout->addWidget(m_autosave);
    auto *minutesRow = new QHBoxLayout;
    minutesRow->addWidget(m_minutes);
    minutesRow->addWidget(m_minutesLabel);
    minutesRow->addStretch(1);
    autosaveLayout->addLayout(minutesRow);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(general);
    layout->addWidget(autosave);
    layout->addStretch(1);

    connect(m_selectFont, &QPushButton::clicked, this, &Tpreffdialog::selectFontClick);
    connect(m_autosave, &QCheckBox::clicked, this, &Tpreffdialog::autosaveClick);
    return page;
}

QWidget *Tpreffdialog::buildPreviewTab()
{
    auto *page = new QWidget;
    auto *group = new QGroupBox(QStringLiteral("Select browser to prewiew"));
    m_browse = new QPushButton(QStringLiteral("Browse"));
    m_browser = new QLineEdit;
    m_browser->setObjectName(QStringLiteral("Edit2"));
    auto *label = new QLabel(QStringLiteral("Browser:"));
    label->setBuddy(m_browser);
    auto *groupLayout = new QGridLayout(group);
    groupLayout->addWidget(m_browse, 0, 0, 1, 2, Qt::AlignLeft);
    groupLayout->addWidget(label, 1, 0);
    groupLayout->addWidget(m_browser, 1, 1);
    groupLayout->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(group);
    layout->addStretch(1);
    connect(m_browse, &QPushButton::clicked, this, &Tpreffdialog::browseClick);
    return page;
}

QWidget *Tpreffdialog::buildShortcutsTab()
{
    auto *page = new QWidget;
    m_grid = new QTableWidget(0, 3);
    m_grid->setObjectName(QStringLiteral("StringGrid1"));
    m_grid->setHorizontalHeaderLabels({QStringLiteral("Scortcut"), QStringLiteral("Tag"), QStringLiteral("Ending tag")});
    m_grid->setColumnWidth(0, 100);
    m_grid->setColumnWidth(1, 135);
    m_grid->setColumnWidth(2, 59);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setMinimumWidth(100 + 135 + 59 + 24);

    m_new = new QPushButton(QStringLiteral("New"));
    m_delete = new QPushButton(QStringLiteral("Delete"));
    m_modify = new QPushButton(QStringLiteral("Modify"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_new);
    buttons->addWidget(m_delete);
    buttons->addWidget(m_modify);
    buttons->addStretch(1);

    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);

    connect(m_new, &QPushButton::clicked, this, &Tpreffdialog::Button6Click);
    connect(m_delete, &QPushButton::clicked, this, &Tpreffdialog::Button7Click);
    connect(m_modify, &QPushButton::clicked, this, &Tpreffdialog::Button8Click);
    return page;
}

QWidget *Tpreffdialog::buildColorTab()
{
    auto *page = new QWidget;
    m_useColor = new QCheckBox(QStringLiteral("Use color"));
    m_useAttributes = new QCheckBox(QStringLiteral("Use textattributes"));
    m_classes = new QListWidget;
    m_classes->setObjectName(QStringLiteral("ListBox1"));
    for (const TagClassEntry &entry : Preferences::tagClasses())
        m_classes->addItem(entry.caption);
    m_classes->setFixedHeight(m_classes->sizeHintForRow(0) * 5 + 2 * m_classes->frameWidth() + 2);
    m_classes->setMinimumWidth(120);
    m_colors = new ColorGrid;
    m_colors->setObjectName(QStringLiteral("ColorGrid1"));

    m_attributes = new QGroupBox(QStringLiteral("Textattributes"));
    m_bold = new QCheckBox(QStringLiteral("Bold"));
    m_italic = new QCheckBox(QStringLiteral("Italic"));
    m_underlined = new QCheckBox(QStringLiteral("Underlined"));
    auto *attributesLayout = new QVBoxLayout(m_attributes);
    attributesLayout->addWidget(m_bold);
    attributesLayout->addWidget(m_italic);
    attributesLayout->addWidget(m_underlined);
    attributesLayout->addStretch(1);

    m_sample = new thtmlrichedit;
    m_sample->setObjectName(QStringLiteral("samplePane"));
    m_sample->setMinimumSize(272, 97);
    m_sample->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_sample->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_sample->setReadOnly(true);

    auto *left = new QVBoxLayout;
    left->addWidget(m_useColor);
    left->addWidget(m_useAttributes);
    left->addWidget(m_classes);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(m_colors, 0, Qt::AlignTop);
    top->addWidget(m_attributes);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(top);
    layout->addWidget(m_sample, 1);

    connect(m_useColor, &QCheckBox::clicked, this, &Tpreffdialog::useColorClick);
    connect(m_useAttributes, &QCheckBox::clicked, this, &Tpreffdialog::useAttributesClick);
    connect(m_classes, &QListWidget::currentRowChanged, this, [this] { classListClick(); });
    connect(m_colors, &ColorGrid::currentIndexChanged, this, &Tpreffdialog::colorGridChange);
    for (QCheckBox *box : {m_bold, m_italic, m_underlined})
        connect(box, &QCheckBox::clicked, this, &Tpreffdialog::attributeClick);
    return page;
}

void Tpreffdialog::loadSample()
{
    // Font and size of the pages; the sample never wraps.
    m_sample->applySettings();
    m_sample->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A missing or unreadable sample page leaves the pane empty.
    const TextFileResult file = TextFile::read(InstallDir::file(QStringLiteral("Color.html")));
    m_sample->loadPlainText(file.ok ? file.text : QString());
    m_sample->setModified(false);
}

tregini &Tpreffdialog::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<tregini>();
    return *m_settings;
}

void Tpreffdialog::setShortcuts(const ShortcutList &list)
{
    m_shortcuts = list;
    fyldgrid();
}

void Tpreffdialog::setValue(const Preferences &prefs)
{
    m_wordwrap->setChecked(prefs.wordwrap);
    m_autosave->setChecked(prefs.autosave);
    m_convsave->setChecked(prefs.convsave);
    m_minutes->setValue(prefs.minutes);
    m_browser->setText(prefs.browser);
    autosaveClick();
}

Preferences Tpreffdialog::value() const
{
    Preferences p;
    p.wordwrap = m_wordwrap->isChecked();
    p.convsave = m_convsave->isChecked();
    p.autosave = m_autosave->isChecked();
    p.minutes = m_minutes->value();
    p.browser = m_browser->text();
    p.usecolor = m_useColor->isChecked();
    p.usefontattr = m_useAttributes->isChecked();
    return p;
}

void Tpreffdialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_settings = std::make_unique<tregini>();
    m_useAttributes->setChecked(m_settings->readusefontattr());
    m_useColor->setChecked(m_settings->readusecolor());
    m_tabs->setCurrentIndex(0);
    m_wordwrap->setFocus();
    autosaveClick();
    fyldgrid();
    m_classes->setCurrentRow(0);
    classListClick();
    refreshSample();
}

void Tpreffdialog::hideEvent(QHideEvent *event)
{
    QDialog::hideEvent(event);
    if (!event->spontaneous())
        m_settings.reset();
}

void Tpreffdialog::autosaveClick()
{
    m_minutes->setEnabled(m_autosave->isChecked());
    m_minutesLabel->setEnabled(m_autosave->isChecked());
}

// --- Shortcuts ----------------------------------------------------------------

void Tpreffdialog::fyldgrid()
{
    const int keep = m_grid->currentRow();
    const QList<ShortcutList::Row> rows = m_shortcuts.rows();
    m_grid->clearContents();
    m_grid->setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const QString cells[3] = {rows[r].key, rows[r].tag, rows[r].endingTag};
        for (int c = 0; c < 3; ++c)
            m_grid->setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    // Delete and Modify act on the selected row: the first one is selected
    // until the user picks another.
    if (keep >= 0 && keep < m_grid->rowCount())
        m_grid->selectRow(keep);
    else if (m_grid->rowCount() > 0)
        m_grid->selectRow(0);
}

int Tpreffdialog::selectedRow() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < m_shortcuts.size() ? row : -1;
}

void Tpreffdialog::Button6Click()
{
    Tshortcutdialog dialog(this);
    dialog.setEditExisting(false);
    dialog.setList(&m_shortcuts);
    if (dialog.exec() == QDialog::Accepted) {
        const ShortcutRecord entered = dialog.value();
        const qsizetype row = m_shortcuts.add(entered.key, entered.tag, entered.useEndingTag);
        fyldgrid();
        m_grid->selectRow(int(row));
    }
    m_ok->setFocus();
}

void Tpreffdialog::Button7Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (interaction().askYesNo(this, QStringLiteral("Lumaro"), QStringLiteral("vil du slette sc"))) {
        m_shortcuts.removeTag(m_shortcuts.records()[row].tag);
        fyldgrid();
    }
    m_modify->setFocus();
}

void Tpreffdialog::Button8Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    Tshortcutdialog dialog(this);
    dialog.setEditExisting(true);
    dialog.setValue(m_shortcuts.records()[row]);
    dialog.setList(&m_shortcuts, row);
    if (dialog.exec() == QDialog::Accepted) {
        const ShortcutRecord entered = dialog.value();
        m_shortcuts.modify(row, entered.key, entered.tag, entered.useEndingTag);
        fyldgrid();
        m_grid->selectRow(row);
    }
    m_new->setFocus();
}

// --- Colours ------------------------------------------------------------------

QString Tpreffdialog::selectedClass() const
{
    const int row = m_classes->currentRow();
    const QList<TagClassEntry> &classes = Preferences::tagClasses();
    return row >= 0 && row < classes.size() ? classes[row].name : QString();
}

void Tpreffdialog::classListClick()
{
    const QString tagClass = selectedClass();
    if (tagClass.isEmpty())
        return;
    m_colors->setCurrentIndex(settings().readcolorindex(tagClass));
    // The boxes always show the selected class, so a click never writes
    // another class's attributes into it.
    const TextAttributes boxes = TextAttributes::fromIndex(settings().readfontattrindex(tagClass));
    m_bold->setChecked(boxes.bold);
    m_italic->setChecked(boxes.italic);
    m_underlined->setChecked(boxes.underlined);
}

void Tpreffdialog::colorGridChange(int index)
{
    const QString tagClass = selectedClass();
    if (tagClass.isEmpty() || index < 0)
        return;
    settings().writecolorindex(tagClass, index);
    refreshSample();
}

void Tpreffdialog::attributeClick()
{
    const QString tagClass = selectedClass();
    if (tagClass.isEmpty())
        return;
    const TextAttributes boxes{m_bold->isChecked(), m_italic->isChecked(), m_underlined->isChecked()};
    settings().writefontattrindex(tagClass, boxes.index());
    refreshSample();
}

void Tpreffdialog::useColorClick()
{
    settings().writeusecolor(m_useColor->isChecked());
    refreshSample();
}

void Tpreffdialog::useAttributesClick()
{
    settings().writeusefontattr(m_useAttributes->isChecked());
    refreshSample();
}

void Tpreffdialog::refreshSample()
{
    BusyCursor busy;
    m_sample->setUpdatesEnabled(false);
    // Old colours and styles go first, so turning a switch off shows.
    m_sample->resetFormats();
    m_sample->color();
    m_sample->setCaretPosition(0);
    m_sample->setUpdatesEnabled(true);
}

// --- Font and browser ---------------------------------------------------------

void Tpreffdialog::selectFontClick()
{
    // The dialog opens on the font the pages really show: a stored name that
    // is not installed is shown as the family it resolves to.
    QFont stored(settings().readfontname());
    stored.setPointSize(std::max(1, settings().readfontsize()));
    QFont initial(QFontInfo(stored).family());
    initial.setPointSize(stored.pointSize());
    const std::optional<QFont> chosen = interaction().font(this, initial);
    if (!chosen)
        return;
    // Accepted without a change: the stored name stays, so the pages keep
    // it (and use it again once it is installed).
    if (chosen->family() == initial.family() && chosen->pointSize() == initial.pointSize())
        return;
    settings().writefontname(chosen->family());
    if (chosen->pointSize() > 0)
        settings().writefontsize(chosen->pointSize());
    m_sample->applySettings();
    m_sample->setLineWrapMode(QPlainTextEdit::NoWrap);
}

void Tpreffdialog::browseClick()
{
    FileDialogRequest request;
    request.caption = QStringLiteral("Select browser to prewiew");
    request.filter = Preferences::browserFilter(onWindows());
    request.defaultSuffix = onWindows() ? QStringLiteral("exe") : QString();
    const QString file = interaction().openFile(this, request);
    if (file.isEmpty())
        return;
    m_browser->setText(Preferences::quotedProgram(QDir::toNativeSeparators(file)));
    m_browser->setFocus();
}

} // namespace lumaro
