#include "DownLoadWndDelegate.h"

#include "DownLoadWnd.h"
#include "TreeItemDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

namespace {

const QColor kGrey(143, 143, 143);
const QColor kFailed(255, 39, 39);
const QColor kImportant(255, 0, 0);
const int kRetryHeight = 26;
// The retry button's text keeps this much of the button for its frame.
const int kRetryPadding = 8;
const int kRetryHitHeight = 24;

} // namespace

DownLoadWndDelegate::DownLoadWndDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_deleteButton(new QPushButton)
    , m_openButton(new QPushButton)
    , m_retryButton(new QPushButton)
{
    m_deleteButton->setStyleSheet(QStringLiteral(
            "QPushButton{border-image:url(:/Resources/image/DELETE_DOWNITEM_NORMAL.png)}"
            "QPushButton:pressed{border-image:url(:/Resources/image/DELETE_DOWNITEM_PRESSED.png)}"));
    m_openButton->setStyleSheet(QStringLiteral(
            "QPushButton{border:none;border-image:url(:/Resources/image/OPEN_EXPLORER_FOLDER_NORMAL.png)}"
            "QPushButton:pressed{border-image:url(:/Resources/image/OPEN_EXPLORER_FOLDER_PRESSED.png)}"));
    m_retryButton->setStyleSheet(QStringLiteral("QPushButton{color: rgb(71, 146, 217);text-align : left;}"));
}

DownLoadWndDelegate::~DownLoadWndDelegate() = default;

void DownLoadWndDelegate::setLists(const QVector<DownLoadItem> &queue, const QVector<DownLoadItem> &finished,
                                   int viewMode)
{
    m_queue = queue;
    m_finished = finished;
    m_viewMode = viewMode;
}

QSize DownLoadWndDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
}

QRect DownLoadWndDelegate::buttonRect(Button button, const QRect &cell)
{
    switch (button) {
    case DeleteButton:
        return QRect(cell.right() - kMargin - kIconWidth, cell.top(), kIconWidth, kIconHeight);
    case OpenButton:
        return QRect(cell.left() + kMargin, cell.top(), kIconWidth, kIconHeight);
    case RetryButton:
        // All the room the delete button leaves, so that its text is not cut.
        return QRect(cell.left() + kMargin, cell.top(), cell.width() - 3 * kMargin - kIconWidth, kRetryHeight);
    case NoButton:
        break;
    }
    return QRect();
}

QList<DownLoadWndDelegate::Button> DownLoadWndDelegate::shownButtons(int row) const
{
    if (m_viewMode == 1)
        return row >= 0 && row < m_finished.size() ? QList<Button>{DeleteButton, OpenButton} : QList<Button>{};
    if (row < 0 || row >= m_queue.size())
        return {};
    const DownLoadItem &item = m_queue.at(row);
    if (DownLoadWnd::isBeingFetched(item))
        return {};
    if (item.state == -1)
        return {DeleteButton};
    return {DeleteButton, RetryButton};
}

DownLoadWndDelegate::Button DownLoadWndDelegate::buttonAt(int row, const QRect &cell, const QPoint &point) const
{
    for (Button button : shownButtons(row)) {
        QRect hit = buttonRect(button, cell);
        if (button == RetryButton)
            hit.setHeight(kRetryHitHeight);
        if (hit.contains(point))
            return button;
    }
    return NoButton;
}

void DownLoadWndDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QVector<DownLoadItem> &list = m_viewMode == 1 ? m_finished : m_queue;
    const int row = index.row();
    if (row < 0 || row >= list.size())
        return;
    const DownLoadItem &item = list.at(row);
    const QRect cell = option.rect;
    painter->save();
    switch (index.column()) {
    case 0:
        painter->setPen(Qt::black);
        painter->drawText(cell, Qt::AlignCenter, QStringLiteral("%1").arg(item.seq, 2, 10, QLatin1Char('0')));
        break;
    case 1: {
        const QString name = cellText(row, 1);
        const QString iconPath = TreeItemDelegate::iconPath(name);
        if (!iconPath.isEmpty())
            painter->drawImage(QRect(cell.left() + kMargin, cell.top() + (cell.height() - kIconHeight) / 2,
                                     kIconWidth, kIconHeight),
                               QImage(iconPath), QRect(0, 0, kIconWidth, kIconHeight));
        const QRect room = textRect(1, cell);
        painter->setPen(name.toUpper().contains(QLatin1String("IMP")) ? kImportant : QColor(Qt::black));
        painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(name, Qt::ElideRight, room.width()));
        break;
    }
    case 2: {
        const QRect room = textRect(2, cell);
        painter->setPen(m_viewMode == 1 || item.state == -1 || item.state == 0 ? kGrey : kFailed);
        painter->drawText(room, Qt::AlignLeft | Qt::AlignVCenter,
                          option.fontMetrics.elidedText(item.text, Qt::ElideRight, room.width()));
        break;
    }
    case 3:
        for (Button button : shownButtons(row)) {
            QStyleOptionButton style;
            style.state = QStyle::State_Enabled;
            style.rect = buttonRect(button, cell);
            style.iconSize = QSize(kIconWidth, kIconHeight);
            if (style.rect.contains(m_mousePos)) {
                if (m_buttonState == 0)
                    style.state |= QStyle::State_MouseOver;
                else if (m_buttonState == 1)
                    style.state |= QStyle::State_Sunken;
            }
            QPushButton *source = m_deleteButton.data();
            if (button == OpenButton)
                source = m_openButton.data();
            if (button == RetryButton) {
                source = m_retryButton.data();
                style.text = option.fontMetrics.elidedText(tr("重新下载"), Qt::ElideRight,
                                                           style.rect.width() - kRetryPadding);
            }
            QApplication::style()->drawControl(QStyle::CE_PushButton, &style, painter, source);
        }
        break;
    default:
        break;
    }
    painter->restore();
}

QRect DownLoadWndDelegate::textRect(int column, const QRect &cell)
{
    if (column == 1) {
        const int left = cell.left() + kMargin + kIconWidth;
        return QRect(left, cell.top(), qMax(cell.right() - kMargin - kIconWidth - left, 0), cell.height());
    }
    return cell.adjusted(kMargin, 0, -kMargin, 0);
}

QString DownLoadWndDelegate::cellText(int row, int column) const
{
    const QVector<DownLoadItem> &list = m_viewMode == 1 ? m_finished : m_queue;
    if (row < 0 || row >= list.size())
        return QString();
    const DownLoadItem &item = list.at(row);
    if (column == 1)
        return item.usb_file.mid(item.usb_file.lastIndexOf(QLatin1Char('/')) + 1);
    return column == 2 ? item.text : QString();
}

bool DownLoadWndDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                                    const QModelIndex &index)
{
    // A name or status cut to its cell shows whole in the tooltip.
    const QString text = cellText(index.row(), index.column());
    if (event->type() != QEvent::ToolTip || text.isEmpty())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    if (option.fontMetrics.horizontalAdvance(text) > textRect(index.column(), option.rect).width())
        QToolTip::showText(event->globalPos(), text, view, option.rect);
    else
        QToolTip::hideText();
    return true;
}

bool DownLoadWndDelegate::editorEvent(QEvent *event, QAbstractItemModel *, const QStyleOptionViewItem &option,
                                      const QModelIndex &index)
{
    m_buttonState = -1;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return false;
    m_mousePos = static_cast<QMouseEvent *>(event)->pos();
    const Button button = index.column() == 3 ? buttonAt(index.row(), option.rect, m_mousePos) : NoButton;
    if (button != NoButton) {
        if (type == QEvent::MouseButtonPress) {
            m_buttonState = 1;
        } else if (type == QEvent::MouseMove) {
            m_buttonState = 0;
        } else if (button == DeleteButton) {
            emit SignalItemWidgetDelete(index.row());
        } else if (button == OpenButton) {
            emit SignalItemFileOpen(index.row());
        } else {
            emit SignalItemReload(index.row());
        }
    }
    return true;
}
