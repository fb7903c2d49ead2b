#pragma once

#include "checkproblem.h"

#include <QDockWidget>

class QTreeWidget;

namespace lumaro {

/// The page outline at the left of the main window: the elements that
/// give the page its shape, nested as in the page, each with its line. A
/// click asks for the element's start tag.
class PageOutlinePanel : public QDockWidget {
    Q_OBJECT
public:
    explicit PageOutlinePanel(QWidget *parent = nullptr);

    void showOutline(const QList<OutlineEntry> &entries);
    QTreeWidget *tree() const { return m_tree; }

signals:
    /// An entry was clicked: the page position of its start tag.
    void entryActivated(int position);

private:
    QTreeWidget *m_tree;
};

} // namespace lumaro
