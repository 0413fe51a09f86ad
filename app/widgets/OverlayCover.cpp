#include "OverlayCover.h"

#include <QEvent>
#include <QWidget>

void OverlayCover::attach(QWidget *overlay)
{
    new OverlayCover(overlay);
}

OverlayCover::OverlayCover(QWidget *overlay)
    : QObject(overlay)
    , m_overlay(overlay)
{
    overlay->installEventFilter(this);
}

bool OverlayCover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_overlay) {
        switch (event->type()) {
        case QEvent::Show:
            watchParent(true);
            cover();
            break;
        case QEvent::Hide:
            watchParent(false);
            break;
        case QEvent::ParentAboutToChange:
            watchParent(false);
            break;
        case QEvent::ParentChange:
            if (m_overlay->isVisible()) {
                watchParent(true);
                cover();
            }
            break;
        default:
            break;
        }
    } else if (watched == m_parent) {
        if (event->type() == QEvent::Resize)
            cover();
        else if (event->type() == QEvent::ChildAdded)
            m_overlay->raise();
    }
    return QObject::eventFilter(watched, event);
}

void OverlayCover::watchParent(bool watch)
{
    if (m_parent)
        m_parent->removeEventFilter(this);
    m_parent = watch ? m_overlay->parentWidget() : nullptr;
    if (m_parent)
        m_parent->installEventFilter(this);
}

void OverlayCover::cover()
{
    if (QWidget *parent = m_overlay->parentWidget())
        m_overlay->setGeometry(parent->rect());
    m_overlay->raise();
}
