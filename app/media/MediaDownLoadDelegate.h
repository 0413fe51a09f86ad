#pragma once

#include <QPoint>
#include <QRect>
#include <QScopedPointer>
#include <QStyledItemDelegate>

class QPushButton;

// Paints a file of the download dialog (type icon, elided name, delete
// button) and reports a release on the delete button.
class MediaDownLoadDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int kButtonWidth = 24;
    static constexpr int kButtonHeight = 24;
    static constexpr int kRightMargin = 12;

    explicit MediaDownLoadDelegate(QObject *parent = nullptr);
    ~MediaDownLoadDelegate() override;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    // No width of its own, so that a row spans the list and its delete button
    // stays in sight; the name is elided instead.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override;

    // The delete button of a row drawn in rect.
    static QRect deleteButtonRect(const QRect &rect);
    // The text after the last "/".
    static QString fileName(const QString &path);

signals:
    void DelItem(int row);

private:
    QPoint m_mousePos;
    int m_buttonState = -1;   // -1 none, 0 hovered, 1 pressed
    // Only the style's widget when the delete button is drawn.
    QScopedPointer<QPushButton> m_deleteButton;
};
