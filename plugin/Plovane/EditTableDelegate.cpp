#include "EditTableDelegate.h"

#include "TableInput.h"
#include "TableNumberSection.h"
#include "TableTimePicker.h"

#include <QJsonValue>

namespace {

enum class EditorKind { None, TimePicker, NumberSection, Input };

// Tested in this order; the first type text found in the column's type wins.
EditorKind kindOf(const QString &columnType)
{
    const QString type = columnType.trimmed();
    if (type.contains(QLatin1String("h-time-picker-obj")))
        return EditorKind::TimePicker;
    if (type.contains(QLatin1String("h-number-section")))
        return EditorKind::NumberSection;
    if (type.contains(QLatin1String("el-input")))
        return EditorKind::Input;
    return EditorKind::None;
}

} // namespace

void EditTableDelegate::setColumns(const QMap<int, EditColumn> &tableColumns)
{
    columns = tableColumns;
}

bool EditTableDelegate::hasCellEditor(int column) const
{
    return column > 0 && columns.contains(column) && kindOf(columns.value(column).type) != EditorKind::None;
}

TableItemBase *EditTableDelegate::makeCellEditor(int column, QWidget *parent) const
{
    if (!hasCellEditor(column))
        return nullptr;
    const EditColumn &description = columns[column];
    TableItemBase *editor = nullptr;
    switch (kindOf(description.type)) {
    case EditorKind::TimePicker:
        editor = new TableTimePicker(parent);
        break;
    case EditorKind::NumberSection:
        editor = new TableNumberSection(parent);
        break;
    case EditorKind::Input:
        editor = new TableInput(parent);
        break;
    case EditorKind::None:
        return nullptr;
    }
    editor->init(description.config, description.definition);
    return editor;
}

QWidget *EditTableDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                         const QModelIndex &index) const
{
    if (TableItemBase *editor = makeCellEditor(index.column(), parent))
        return editor;
    return QStyledItemDelegate::createEditor(parent, option, index);
}

TableItemBase *EditTableDelegate::cellEditor(QWidget *editor, int column) const
{
    if (!hasCellEditor(column))
        return nullptr;
    return qobject_cast<TableItemBase *>(editor);
}

void EditTableDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    if (TableItemBase *cell = cellEditor(editor, index.column())) {
        const QJsonValue stored = index.data(Qt::UserRole).toJsonValue();
        if (stored != cell->getValue())
            cell->setValue(stored);
    }
    QStyledItemDelegate::setEditorData(editor, index);
}

void EditTableDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    if (TableItemBase *cell = cellEditor(editor, index.column()))
        model->setData(index, QVariant(cell->getValue()), Qt::UserRole);
    QStyledItemDelegate::setModelData(editor, model, index);
}
