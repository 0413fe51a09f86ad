#include "MediaDownLoadDelegate.h"

#include "TreeItemDelegate.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>

namespace {

const int kIconLeft = 12;
const int kTextLeft = 41;
const int kTextRoomCut = 76;
const int kButtonFromRight = 36;
const int kRowHeight = 30;

// Tabs and blanks as the button's style has always had them.
const char kDeleteButtonStyle[] =
        "QPushButton{border-image:url(:/Resources/image/DELETE_DOWNITEM_NORMAL.png)}\t\t\t\t\t\t\t"
        " QPushButton:pressed{border-image:url(:/Resources/image/DELETE_DOWNITEM_PRESSED.png)}\t\t\t\t\t\t\t   "
        "QPushButton:hover{border-image:url(:/Resources/image/DELETE_DOWNITEM_HOVER.png)}";

} // namespace

MediaDownLoadDelegate::MediaDownLoadDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_deleteButton(new QPushButton)
{
    m_deleteButton->setStyleSheet(QLatin1String(kDeleteButtonStyle));
}

MediaDownLoadDelegate::~MediaDownLoadDelegate() = default;

QRect MediaDownLoadDelegate::deleteButtonRect(const QRect &rect)
{
    return QRect(rect.right() - kButtonFromRight, rect.top(), kButtonWidth, kButtonHeight);
}

QString MediaDownLoadDelegate::fileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QSize MediaDownLoadDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(0, kRowHeight);
}

void MediaDownLoadDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    const QRect rect = option.rect;
    painter->save();
    if (option.state & QStyle::State_MouseOver)
        painter->fillRect(rect, QColor(229, 229, 229));

    const QString name = fileName(index.data(Qt::DisplayRole).toString());
    const QString iconPath = TreeItemDelegate::iconPath(name);
    if (!iconPath.isEmpty()) {
        const QImage icon(iconPath);
        painter->drawImage(QRect(rect.left() + kIconLeft, rect.top() + (rect.height() - 24) / 2, 24, 24), icon,
                           QRect(0, 0, 24, 24));
    }
    const int room = rect.right() - rect.left() - kTextRoomCut;
    const QFontMetrics metrics(option.font);
    const QString shown = metrics.size(Qt::TextSingleLine, name).width() < room
                                  ? name
                                  : metrics.elidedText(name, Qt::ElideRight, room);
    painter->setPen(option.palette.color(QPalette::Text));
    painter->drawText(QRect(rect.left() + kTextLeft, rect.top(), qMax(room, 0), rect.height()),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);

    QStyleOptionButton button;
    button.state = QStyle::State_Enabled;
    button.rect = deleteButtonRect(rect);
    button.iconSize = QSize(kButtonWidth, kButtonHeight);
    if (button.rect.contains(m_mousePos)) {
        if (m_buttonState == 0)
            button.state |= QStyle::State_MouseOver;
        else if (m_buttonState == 1)
            button.state |= QStyle::State_Sunken;
    }
    QApplication::style()->drawControl(QStyle::CE_PushButton, &button, painter, m_deleteButton.data());
    painter->restore();
}

bool MediaDownLoadDelegate::editorEvent(QEvent *event, QAbstractItemModel *, const QStyleOptionViewItem &option,
                                        const QModelIndex &index)
{
    m_buttonState = -1;
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseMove)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    m_mousePos = mouse->pos();
    const bool onButton = deleteButtonRect(option.rect).contains(m_mousePos);
    if (type == QEvent::MouseButtonPress) {
        if (onButton)
            m_buttonState = 1;
    } else if (type == QEvent::MouseButtonRelease) {
        if (onButton)
            emit DelItem(index.row());
    } else {
        const QWidget *view = option.widget;
        QToolTip::showText(view ? view->mapToGlobal(m_mousePos) : mouse->globalPos(),
                           fileName(index.data(Qt::DisplayRole).toString()));
        if (onButton)
            m_buttonState = 0;
    }
    return true;
}
