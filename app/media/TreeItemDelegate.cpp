#include "TreeItemDelegate.h"

#include "TreeItem.h"
#include "TreeItemModel.h"

#include <QApplication>
#include <QCheckBox>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTreeView>

namespace {

const int kIconLeft = 64;
const int kFileTextLeft = 93;
const int kDayTextLeft = 36;
const int kBranchFromRight = 33;

const QColor kOddRow(242, 242, 242);
const QColor kDayRow(102, 122, 147);
const QColor kImportant(255, 0, 0);

// The pictures are read once; painting happens on the GUI thread only.
QImage iconImage(const QString &path)
{
    static QHash<QString, QImage> cache;
    if (path.isEmpty())
        return QImage();
    auto found = cache.find(path);
    if (found == cache.end())
        found = cache.insert(path, QImage(path));
    return found.value();
}

const TreeItem *nodeOf(const QModelIndex &index)
{
    return static_cast<const TreeItem *>(index.internalPointer());
}

} // namespace

TreeItemDelegate::TreeItemDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
    , m_checkBox(new QCheckBox)
{
}

TreeItemDelegate::~TreeItemDelegate() = default;

QRect TreeItemDelegate::checkBoxRect(const QRect &rect)
{
    const int top = rect.top() + (rect.bottom() - rect.top() - 23) / 2;
    return QRect(rect.left() + kCheckBoxLeft, top, kIconWidth, kIconHeight);
}

QString TreeItemDelegate::iconPath(const QString &name)
{
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    const QString suffix = (dot < 0 ? name : name.mid(dot)).toUpper();
    if (suffix == QLatin1String(".MP4"))
        return QStringLiteral(":/Resources/image/Meida_Video.png");
    if (suffix == QLatin1String(".JPG"))
        return QStringLiteral(":/Resources/image/Media_Pictrue.png");
    if (suffix == QLatin1String(".AAC") || suffix == QLatin1String(".WAV"))
        return QStringLiteral(":/Resources/image/Media_Radio.png");
    return QString();
}

QSize TreeItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight);
}

void TreeItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    QStyleOptionViewItem base(option);
    initStyleOption(&base, index);
    QStyledItemDelegate::paint(painter, base, index);
    if (index.column() != 0 || !index.internalPointer())
        return;
    const TreeItem *node = nodeOf(index);
    const QRect rect = option.rect;
    QStyle *style = QApplication::style();

    QStyleOptionButton box;
    box.state = (node->isTicked() ? QStyle::State_On : QStyle::State_Off) | QStyle::State_Enabled;
    box.rect = checkBoxRect(rect);
    box.iconSize = QSize(kIconWidth, kIconHeight);

    const bool isFile = !node->path().isEmpty();
    QString text;
    if (isFile) {
        const QString name = node->path().mid(node->path().lastIndexOf(QLatin1Char('/')) + 1);
        text = QStringLiteral("%1 %2").arg(node->start().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), name);
    } else {
        text = QStringLiteral("|  %1  %2 %3")
                       .arg(node->date().toString(QStringLiteral("yyyy-MM-dd")), tr("文件数:"))
                       .arg(node->childCount());
    }

    painter->save();
    if (isFile) {
        painter->fillRect(rect.adjusted(1, 1, -1, -1), index.row() % 2 == 0 ? QColor(Qt::white) : kOddRow);
        style->drawControl(QStyle::CE_CheckBox, &box, painter, m_checkBox.data());
        const QImage icon = iconImage(iconPath(text));
        if (!icon.isNull()) {
            const QRect iconRect(rect.left() + kIconLeft, rect.top() + (rect.height() - kIconHeight) / 2,
                                 kIconWidth, kIconHeight);
            painter->drawImage(iconRect, icon, QRect(0, 0, kIconWidth, kIconHeight));
        }
        const QFontMetrics metrics(option.font);
        const QRect textRect(rect.left() + kFileTextLeft, rect.top(),
                             metrics.size(Qt::TextSingleLine, text).width(), rect.height());
        painter->setPen(text.toUpper().contains(QLatin1String("IMP")) ? kImportant : QColor(Qt::black));
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    } else {
        painter->fillRect(rect, kDayRow);
        style->drawControl(QStyle::CE_CheckBox, &box, painter, m_checkBox.data());
        const QRect textRect(rect.left() + kDayTextLeft, rect.top() + (rect.height() - 24) / 2,
                             rect.width() - kDayTextLeft, 24);
        painter->setPen(Qt::white);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        QStyleOption branch;
        branch.initFrom(option.widget ? option.widget : m_checkBox.data());
        branch.palette.setColor(QPalette::WindowText, Qt::white);
        branch.palette.setColor(QPalette::ButtonText, Qt::white);
        branch.palette.setColor(QPalette::Text, Qt::white);
        branch.state = option.state | QStyle::State_Children;
        // The view marks open rows only for its own branch column.
        if (const auto *view = qobject_cast<const QTreeView *>(option.widget))
            branch.state.setFlag(QStyle::State_Open, view->isExpanded(index));
        branch.rect = QRect(rect.right() - kBranchFromRight, rect.top(), rect.height(), rect.height());
        style->drawPrimitive(QStyle::PE_IndicatorBranch, &branch, painter, option.widget);
    }
    painter->restore();
}

bool TreeItemDelegate::editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                                   const QModelIndex &index)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease
        || event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonDblClick)
        m_mousePos = static_cast<QMouseEvent *>(event)->pos();
    QGuiApplication::restoreOverrideCursor();
    if (index.column() != 0 || !index.internalPointer())
        return false;
    if (event->type() == QEvent::MouseButtonPress && checkBoxRect(option.rect).contains(m_mousePos)) {
        model->setData(index, !nodeOf(index)->isTicked(), Qt::CheckStateRole);
        return true;
    }
    return false;
}
