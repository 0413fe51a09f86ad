#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

// One node of the media tree: the root, a day, or a file of that day. A node
// owns its children; the check state lives here and nowhere else.
class TreeItem
{
public:
    explicit TreeItem(TreeItem *parent = nullptr);
    ~TreeItem();

    TreeItem(const TreeItem &) = delete;
    TreeItem &operator=(const TreeItem &) = delete;

    void appendChild(TreeItem *child);
    // Null for a negative or out-of-range row.
    TreeItem *child(int row) const;
    int childCount() const;
    int columnCount() const;
    // The position among the parent's children; 0 without a parent, -1 when
    // the parent does not hold this node.
    int row() const;
    TreeItem *parent() const;
    void setParent(TreeItem *parent);
    const QList<TreeItem *> &children() const { return m_children; }

    QString text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    // Empty for a day and for the root.
    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    QDateTime start() const { return m_start; }
    void setStart(const QDateTime &start) { m_start = start; }
    QDateTime end() const { return m_end; }
    void setEnd(const QDateTime &end) { m_end = end; }
    QDate date() const { return m_date; }
    void setDate(const QDate &date) { m_date = date; }
    bool isTicked() const { return m_ticked; }
    void setTicked(bool ticked) { m_ticked = ticked; }

private:
    QString m_text;
    QString m_path;
    QDateTime m_start;
    QDateTime m_end;
    QDate m_date;
    bool m_ticked = false;
    QList<TreeItem *> m_children;
    TreeItem *m_parent = nullptr;
};
