#pragma once

#include <QListWidget>
#include <QStringList>

namespace lumaro {

/// One of the project manager's two file lists: multiple selection, items
/// dragged onto the other list. A list does not take a drop from itself; a
/// drop from the other list is handed on as filesDropped, and the dialog
/// moves the files in its model and refills both lists.
class ProjectFileList : public QListWidget {
    Q_OBJECT
public:
    /// Mime type of a drag between the lists: the origin list's name and
    /// the files, written with QDataStream.
    static QString mimeType() { return QStringLiteral("application/x-lumaro-project-files"); }

    explicit ProjectFileList(const QString &listName, QWidget *parent = nullptr);

    const QString &listName() const { return m_name; }
    void setFiles(const QStringList &files);
    QStringList selectedFiles() const;
    QStringList files() const;

    /// The drag data of some files of this list.
    QMimeData *dragData(const QStringList &files) const;
    /// Whether a drop carries files from another list; *files gets them.
    bool acceptsDrop(const QMimeData *data, QStringList *files = nullptr) const;

signals:
    void filesDropped(const QStringList &files);

protected:
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    QString m_name;
};

} // namespace lumaro
