#include "CommonFunc.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

QString CommonFunc::getElidedText(QFont font, QString text, int width)
{
    const QFontMetrics metrics(font);
    if (metrics.horizontalAdvance(text) >= width)
        text = metrics.elidedText(text, Qt::ElideRight, width, 0);
    return text;
}

void disableLineEditMenu(QWidget *container)
{
    if (!container)
        return;
    const QObjectList children = container->children();
    for (QObject *child : children) {
        if (auto *lineEdit = qobject_cast<QLineEdit *>(child))
            lineEdit->setContextMenuPolicy(Qt::NoContextMenu);
    }
}

void keepRoomWhenHidden(std::initializer_list<QWidget *> widgets, bool keep)
{
    for (QWidget *widget : widgets) {
        QSizePolicy policy = widget->sizePolicy();
        policy.setRetainSizeWhenHidden(keep);
        widget->setSizePolicy(policy);
    }
}

void setElidedText(const QString &text, QLabel *label)
{
    if (!label)
        return;
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, label->width()));
    label->setToolTip(text);
}
