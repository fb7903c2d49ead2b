#include "trecoverydialog.h"
#include "helpservice.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace lumaro {

namespace {

QString sizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 bytes").arg(bytes);
    return QLocale::system().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString diskText(const RecoveryEntry &entry)
{
    if (!entry.record.hasFile)
        return QStringLiteral("No file");
    if (!entry.diskChanged)
        return QStringLiteral("Unchanged");
    if (!QFileInfo::exists(entry.record.pageName))
        return QStringLiteral("Missing");
    return QStringLiteral("Changed since");
}

} // namespace

QStringList Trecoverydialog::rowTexts(const RecoveryEntry &entry)
{
    return {entry.record.pageName,
            entry.record.savedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
            sizeText(entry.record.savedSize()), diskText(entry)};
}

Trecoverydialog::Trecoverydialog(const QList<RecoveryEntry> &entries, QWidget *parent)
    : QDialog(parent)
    , m_entries(entries)
{
    setObjectName(QStringLiteral("Trecoverydialog"));
    setWindowTitle(QStringLiteral("Recover unsaved pages"));
    auto *column = new QVBoxLayout(this);

    auto *intro = new QLabel(
        QStringLiteral("Lumaro was not closed normally. These pages have changes that were not saved. "
                       "Check the pages to recover; they open as modified pages."),
        this);
    intro->setWordWrap(true);
    column->addWidget(intro);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("recoverylist"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({QStringLiteral("Page"), QStringLiteral("Time"), QStringLiteral("Size"),
                             QStringLiteral("File on disk")});
    QStringList skipped;
    for (int i = 0; i < m_entries.size(); ++i) {
        const RecoveryEntry &entry = m_entries.at(i);
        if (!entry.ok) {
            skipped << QStringLiteral("Skipped %1: %2").arg(QFileInfo(entry.path).fileName(), entry.error);
            continue;
        }
        auto *item = new QTreeWidgetItem(m_list, rowTexts(entry));
        item->setData(0, Qt::UserRole, i);
        item->setToolTip(0, entry.record.pageName);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, Qt::Checked);
    }
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int c = 1; c < 4; ++c)
        m_list->header()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    column->addWidget(m_list, 1);

    m_skipped = new QLabel(skipped.join(QLatin1Char('\n')), this);
    m_skipped->setObjectName(QStringLiteral("skipped"));
    m_skipped->setWordWrap(true);
    m_skipped->setVisible(!skipped.isEmpty());
    column->addWidget(m_skipped);

    auto *buttons = new QDialogButtonBox(this);
    m_recover = buttons->addButton(QStringLiteral("Recover"), QDialogButtonBox::AcceptRole);
    m_discard = buttons->addButton(QStringLiteral("Discard"), QDialogButtonBox::DestructiveRole);
    m_later = buttons->addButton(QStringLiteral("Later"), QDialogButtonBox::RejectRole);
    QPushButton *helpButton = buttons->addButton(QDialogButtonBox::Help);
    m_recover->setDefault(true);
    m_recover->setEnabled(m_list->topLevelItemCount() > 0);
    column->addWidget(buttons);

    connect(m_recover, &QPushButton::clicked, this, [this] { finish(Choice::Recover); });
    connect(m_discard, &QPushButton::clicked, this, [this] { finish(Choice::Discard); });
    connect(m_later, &QPushButton::clicked, this, [this] { finish(Choice::Later); });
    connect(helpButton, &QPushButton::clicked, this, [] { help().showTopic(kHelpContext); });

    m_list->setTextElideMode(Qt::ElideMiddle);
    resize(780, 320);
    m_list->setFocus();
}

void Trecoverydialog::finish(Choice choice)
{
    m_choice = choice;
    if (choice == Choice::Later)
        reject();
    else
        accept();
}

QList<int> Trecoverydialog::chosen() const
{
    QList<int> indexes;
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = m_list->topLevelItem(row);
        if (item->checkState(0) == Qt::Checked)
            indexes << item->data(0, Qt::UserRole).toInt();
    }
    return indexes;
}

void Trecoverydialog::setChosen(int index, bool on)
{
    for (int row = 0; row < m_list->topLevelItemCount(); ++row) {
        QTreeWidgetItem *item = m_list->topLevelItem(row);
        if (item->data(0, Qt::UserRole).toInt() == index)
            item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }
}

QStringList Trecoverydialog::skippedLines() const
{
    return m_skipped->text().isEmpty() ? QStringList() : m_skipped->text().split(QLatin1Char('\n'));
}

} // namespace lumaro
