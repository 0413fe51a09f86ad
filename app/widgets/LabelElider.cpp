#include "LabelElider.h"

#include "CommonFunc.h"

#include <QEvent>
#include <QLabel>

LabelElider::LabelElider(QLabel *label)
    : QObject(label)
{
    label->installEventFilter(this);
}

void LabelElider::keepElided(QLabel *label)
{
    if (!label->findChild<LabelElider *>(QString(), Qt::FindDirectChildrenOnly))
        new LabelElider(label);
}

void LabelElider::setText(QLabel *label, const QString &text)
{
    keepElided(label);
    setElidedText(text, label);
}

bool LabelElider::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        auto *label = static_cast<QLabel *>(watched);
        setElidedText(label->toolTip(), label);
    }
    return QObject::eventFilter(watched, event);
}
