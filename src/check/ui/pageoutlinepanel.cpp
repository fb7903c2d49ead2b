#include "pageoutlinepanel.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace lumaro {

PageOutlinePanel::PageOutlinePanel(QWidget *parent)
    : QDockWidget(QStringLiteral("Page outline"), parent)
    , m_tree(new QTreeWidget)
{
    setObjectName(QStringLiteral("PageOutlinePanel"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_tree->setObjectName(QStringLiteral("PageOutline"));
    m_tree->setColumnCount(2);
    m_tree->setHeaderLabels({QStringLiteral("Element"), QStringLiteral("Line")});
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    m_tree->setUniformRowHeights(true);
    connect(m_tree, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { emit entryActivated(item->data(0, Qt::UserRole).toInt()); });
    connect(m_tree, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { emit entryActivated(item->data(0, Qt::UserRole).toInt()); });
    setWidget(m_tree);
}

void PageOutlinePanel::showOutline(const QList<OutlineEntry> &entries)
{
    m_tree->setUpdatesEnabled(false);
    m_tree->clear();
    QList<QTreeWidgetItem *> parents; // the open item at each depth
    for (const OutlineEntry &entry : entries) {
        auto *item = new QTreeWidgetItem({entry.label, QString::number(entry.line)});
        item->setData(0, Qt::UserRole, entry.position);
        item->setToolTip(0, entry.label);
        const int depth = std::min<int>(entry.depth, int(parents.size()));
        parents.resize(depth);
        if (parents.isEmpty())
            m_tree->addTopLevelItem(item);
        else
            parents.last()->addChild(item);
        parents.append(item);
    }
    m_tree->expandAll();
    m_tree->setUpdatesEnabled(true);
}

} // namespace lumaro
