#pragma once

#include "EditColumn.h"

#include <QMap>
#include <QStyledItemDelegate>

class TableItemBase;

// Creates the cell editors of the edit table from its column descriptions
// and moves cell values between the items and the editors.
class EditTableDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void setColumns(const QMap<int, EditColumn> &tableColumns);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;

    // True when the column's type names one of the table-cell editors.
    bool hasCellEditor(int column) const;

private:
    // The table-cell editor that the column's type names, made with `parent`;
    // null for the check column and for types that name no cell editor.
    TableItemBase *makeCellEditor(int column, QWidget *parent) const;
    // The editor as a table-cell editor, for a column whose type names one.
    TableItemBase *cellEditor(QWidget *editor, int column) const;

    QMap<int, EditColumn> columns;
};
