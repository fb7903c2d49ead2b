#include "tprojoptionsroot.h"
#include "helpservice.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace lumaro {

Tprojoptionsroot::Tprojoptionsroot(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("projoptionsroot"));
    setWindowTitle(QStringLiteral("Choose directory"));

    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setRootPath(QDir::rootPath());

    m_tree = new QTreeView(this);
    m_tree->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_tree->hideColumn(column);
    m_tree->setHeaderHidden(true);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("directorylabel"));
    m_label->setWordWrap(true);
    m_label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_useFileUrl = new QCheckBox(QStringLiteral("Use file:///"), this);

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("Ok"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QPushButton *help = buttons->addButton(QStringLiteral("Help"), QDialogButtonBox::HelpRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_label);
    layout->addWidget(m_tree, 1);
    layout->addWidget(m_useFileUrl);
    layout->addWidget(buttons);
    resize(420, 460);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { lumaro::help().showTopic(1440); });
    connect(m_tree, &QTreeView::clicked, this, &Tprojoptionsroot::treeClicked);
    // The model reads directories in the background: keep the chosen one in
    // view as its parents arrive.
    // Rows are also sorted later, which moves them: until the user picks
    // another directory, the chosen one is brought back into view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, &Tprojoptionsroot::revealCurrent);
    connect(m_model, &QFileSystemModel::layoutChanged, this, &Tprojoptionsroot::revealCurrent);
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &index) { treeClicked(index); });
}

void Tprojoptionsroot::setDirectoryText(const QString &text)
{
    const DirectoryChoice given = DirectoryChoice::fromText(text);
    m_useFileUrl->setChecked(given.useFileUrl);
    setDirectory(given.directory);
    m_useFileUrl->setFocus();
}

DirectoryChoice Tprojoptionsroot::choice() const
{
    return {m_directory, m_useFileUrl->isChecked()};
}

void Tprojoptionsroot::setDirectory(const QString &directory)
{
    m_directory = directory;
    m_label->setText(directory);
    const QFileInfo info(directory);
    if (directory.isEmpty() || !info.isDir())
        return;
    const QModelIndex index = m_model->index(info.absoluteFilePath());
    if (!index.isValid())
        return;
    const QSignalBlocker block(m_tree->selectionModel());
    m_tree->setCurrentIndex(index);
    m_revealPending = true;
    revealCurrent();
}

void Tprojoptionsroot::revealCurrent()
{
    const QModelIndex index = m_tree->currentIndex();
    if (!m_revealPending || !index.isValid())
        return;
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent())
        m_tree->expand(up);
    m_tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void Tprojoptionsroot::treeClicked(const QModelIndex &index)
{
    if (!index.isValid())
        return;
    m_revealPending = false;
    m_directory = QDir::toNativeSeparators(m_model->filePath(index));
    m_label->setText(m_directory);
}

} // namespace lumaro
