#include "TreeItemModel.h"

#include "TreeItem.h"

TreeItemModel::TreeItemModel(QObject *parent)
    : QAbstractItemModel(parent)
    , m_root(new TreeItem)
{
}

TreeItemModel::~TreeItemModel()
{
    delete m_root;
}

TreeItem *TreeItemModel::itemFromIndex(const QModelIndex &index) const
{
    if (!index.isValid())
        return m_root;
    return static_cast<TreeItem *>(index.internalPointer());
}

QModelIndex TreeItemModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return QModelIndex();
    TreeItem *child = itemFromIndex(parent)->child(row);
    return child ? createIndex(row, column, child) : QModelIndex();
}

QModelIndex TreeItemModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    TreeItem *parentItem = itemFromIndex(index)->parent();
    if (!parentItem || parentItem == m_root)
        return QModelIndex();
    return createIndex(parentItem->row(), 0, parentItem);
}

int TreeItemModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    return itemFromIndex(parent)->childCount();
}

int TreeItemModel::columnCount(const QModelIndex &) const
{
    return 1;
}

QVariant TreeItemModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::UserRole)
        return QVariant();
    return QVariant::fromValue(index);
}

QVariant TreeItemModel::headerData(int, Qt::Orientation, int) const
{
    return QVariant();
}

bool TreeItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole || index.column() != 0)
        return false;
    TreeItem *node = itemFromIndex(index);
    node->setTicked(value.toBool());
    if (node->childCount() == 0) {
        emit checkStatusChanged(node->path(), node->isTicked());
    } else {
        for (TreeItem *child : node->children()) {
            child->setTicked(node->isTicked());
            emit checkStatusChanged(child->path(), child->isTicked());
        }
    }

    TreeItem *parentItem = node->parent();
    if (parentItem) {
        bool all = true;
        for (const TreeItem *sibling : parentItem->children()) {
            if (!sibling->isTicked()) {
                all = false;
                break;
            }
        }
        parentItem->setTicked(all);
    }

    // One range per parent: the row itself, a day's files, the file's day.
    emit dataChanged(index, index);
    if (node->childCount() > 0)
        emit dataChanged(this->index(0, 0, index), this->index(node->childCount() - 1, 0, index));
    if (parentItem && parentItem != m_root) {
        const QModelIndex parentIndex = parent(index);
        emit dataChanged(parentIndex, parentIndex);
    }
    emit sigAllCheckStateChange();
    return true;
}

void TreeItemModel::resetGroups(const QVector<TreeItem *> &groups)
{
    beginResetModel();
    delete m_root;
    m_root = new TreeItem;
    for (TreeItem *group : groups) {
        group->setParent(m_root);
        m_root->appendChild(group);
    }
    endResetModel();
}

void TreeItemModel::setAllChecked(int state)
{
    beginResetModel();
    setChildrenChecked(m_root, state == Qt::Checked);
    endResetModel();
}

TreeItem *TreeItemModel::root() const
{
    return m_root;
}

void TreeItemModel::setChildrenChecked(TreeItem *node, bool value)
{
    if (!node || node->childCount() == 0)
        return;
    for (TreeItem *child : node->children()) {
        child->setTicked(value);
        if (child->childCount() > 0)
            setChildrenChecked(child, value);
        else
            emit checkStatusChanged(child->path(), child->isTicked());
    }
}
