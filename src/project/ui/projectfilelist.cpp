#include "projectfilelist.h"

#include <QDataStream>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QStyledItemDelegate>

namespace lumaro {

namespace {

// Items ask for no width of their own, so each takes the list's width and
// the style shortens a long path in the middle instead of the list cutting
// it at the right.
class PathItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return QSize(1, QStyledItemDelegate::sizeHint(option, index).height());
    }
};

} // namespace

ProjectFileList::ProjectFileList(const QString &listName, QWidget *parent)
    : QListWidget(parent)
    , m_name(listName)
{
    setObjectName(listName);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideMiddle);
    setItemDelegate(new PathItemDelegate(this));
}

void ProjectFileList::setFiles(const QStringList &files)
{
    clear();
    for (const QString &file : files) {
        auto *entry = new QListWidgetItem(file, this);
        entry->setToolTip(file);
    }
}

QStringList ProjectFileList::selectedFiles() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i) {
        if (item(i)->isSelected())
            out.append(item(i)->text());
    }
    return out;
}

QStringList ProjectFileList::files() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out.append(item(i)->text());
    return out;
}

QMimeData *ProjectFileList::dragData(const QStringList &files) const
{
    auto *data = new QMimeData;
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << m_name << files;
    data->setData(mimeType(), bytes);
    return data;
}

bool ProjectFileList::acceptsDrop(const QMimeData *data, QStringList *files) const
{
    if (!data || !data->hasFormat(mimeType()))
        return false;
    QDataStream in(data->data(mimeType()));
    QString origin;
    QStringList names;
    in >> origin >> names;
    if (in.status() != QDataStream::Ok || origin.isEmpty() || origin == m_name)
        return false;
    if (files)
        *files = names;
    return true;
}

QStringList ProjectFileList::mimeTypes() const
{
    return {mimeType()};
}

QMimeData *ProjectFileList::mimeData(const QList<QListWidgetItem *> &items) const
{
    QStringList names;
    for (const QListWidgetItem *item : items)
        names.append(item->text());
    return dragData(names);
}

void ProjectFileList::startDrag(Qt::DropActions)
{
    const QStringList files = selectedFiles();
    if (files.isEmpty())
        return;
    // The receiving list moves the files through the dialog's model, so
    // this list never removes items itself after the drag.
    auto *drag = new QDrag(this);
    drag->setMimeData(dragData(files));
    drag->exec(Qt::MoveAction);
}

void ProjectFileList::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ProjectFileList::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ProjectFileList::dropEvent(QDropEvent *event)
{
    QStringList files;
    if (!acceptsDrop(event->mimeData(), &files)) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit filesDropped(files);
}

} // namespace lumaro
