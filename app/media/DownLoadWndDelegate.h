#pragma once

#include "DownLoadItem.h"

#include <QPoint>
#include <QRect>
#include <QScopedPointer>
#include <QStyledItemDelegate>
#include <QVector>

class QPushButton;

// Paints the download panel's cells from copies of its lists (the table holds
// no items) and turns releases on a row's buttons into signals.
class DownLoadWndDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    enum Button { NoButton, DeleteButton, OpenButton, RetryButton };

    static constexpr int kMargin = 6;
    static constexpr int kIconWidth = 24;
    static constexpr int kIconHeight = 24;
    static constexpr int kRowHeight = 34;

    explicit DownLoadWndDelegate(QObject *parent = nullptr);
    ~DownLoadWndDelegate() override;

    void setLists(const QVector<DownLoadItem> &queue, const QVector<DownLoadItem> &finished, int viewMode);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;
    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;

    // The drawn rectangle of a button in a cell.
    static QRect buttonRect(Button button, const QRect &cell);
    // The button of the operations cell of row at point; NoButton when the
    // view and the row's state show none there.
    Button buttonAt(int row, const QRect &cell, const QPoint &point) const;

    // The room of a cell's text: the file name after its icon, the status.
    static QRect textRect(int column, const QRect &cell);
    // The whole text of the file name (column 1) or status (column 2) cell.
    QString cellText(int row, int column) const;

signals:
    void SignalItemWidgetDelete(int indexrow);
    void SignalItemFileOpen(int indexrow);
    void SignalItemReload(int indexrow);

private:
    QList<Button> shownButtons(int row) const;

    QVector<DownLoadItem> m_queue;
    QVector<DownLoadItem> m_finished;
    int m_viewMode = 0;
    QPoint m_mousePos;
    int m_buttonState = -1;   // -1 none, 0 hovered, 1 pressed
    // Only style sources for painting.
    QScopedPointer<QPushButton> m_deleteButton;
    QScopedPointer<QPushButton> m_openButton;
    QScopedPointer<QPushButton> m_retryButton;
};
