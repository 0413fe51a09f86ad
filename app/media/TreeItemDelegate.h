#pragma once

#include <QPoint>
#include <QRect>
#include <QScopedPointer>
#include <QStyledItemDelegate>

class QCheckBox;

// Paints the media tree's rows from their nodes (a blue band per day, a file
// row with check box, type icon, start time and name) and toggles a row's
// check box on a press inside it.
class TreeItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kCheckBoxLeft = 6;
    static constexpr int kIconWidth = 24;
    static constexpr int kIconHeight = 24;
    static constexpr int kRowHeight = 30;

    explicit TreeItemDelegate(QObject *parent = nullptr);
    ~TreeItemDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The check box of a row drawn in rect: 24 x 24, 6 from its left,
    // centred by integer halves.
    static QRect checkBoxRect(const QRect &rect);
    // The picture of a file by the suffix of its name (any letter case);
    // empty for other files.
    static QString iconPath(const QString &name);

    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

private:
    QPoint m_mousePos;
    // Only the style's widget when a check box is drawn; one for every row.
    QScopedPointer<QCheckBox> m_checkBox;
};
