#pragma once

#include <QAbstractItemModel>
#include <QVector>

class TreeItem;

// The media tree: days under an invisible root, files under their day, one
// column. It answers only Qt::UserRole (the index itself): the delegate paints
// from the node. Ticking a day ticks its files; a day is ticked exactly while
// all its files are.
class TreeItemModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    explicit TreeItemModel(QObject *parent = nullptr);
    ~TreeItemModel() override;

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Only Qt::CheckStateRole in column 0. Every file whose state is set is
    // reported through checkStatusChanged (a day's own state never is).
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Replaces the whole tree by these days and takes them over.
    void resetGroups(const QVector<TreeItem *> &groups);
    // Qt::Checked ticks every node, any other state unticks it; resets the
    // model, so a view collapses.
    void setAllChecked(int state);
    TreeItem *root() const;

    // The node behind an index of this model; the root for an invalid one.
    TreeItem *itemFromIndex(const QModelIndex &index) const;

signals:
    void checkStatusChanged(QString path, bool checked);
    void sigAllCheckStateChange();

private:
    void setChildrenChecked(TreeItem *node, bool value);

    TreeItem *m_root;
};
