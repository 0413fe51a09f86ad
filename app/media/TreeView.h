#pragma once

#include <QTreeView>

// The media tree's view: a press anywhere on a day opens or closes it.
class TreeView : public QTreeView
{
    Q_OBJECT

public:
    explicit TreeView(QWidget *parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
