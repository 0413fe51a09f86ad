#include "TreeView.h"

#include <QMouseEvent>
#include <QPersistentModelIndex>

TreeView::TreeView(QWidget *parent)
    : QTreeView(parent)
{
    setIndentation(0);
    setAlternatingRowColors(true);
}

void TreeView::mousePressEvent(QMouseEvent *event)
{
    const QPersistentModelIndex pressed = indexAt(event->pos());
    const bool wasExpanded = pressed.isValid() && isExpanded(pressed);
    QTreeView::mousePressEvent(event);
    // The base handler opens or closes a day only on its branch arrow.
    if (pressed.isValid() && isExpanded(pressed) == wasExpanded)
        setExpanded(pressed, !wasExpanded);
}
