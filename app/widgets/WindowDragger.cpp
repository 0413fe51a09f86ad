#include "WindowDragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDragger::WindowDragger(QWidget *window, BandTest inBand)
    : QObject(window)
    , m_window(window)
    , m_inBand(std::move(inBand))
{
    m_window->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !m_inBand(mouse->pos()))
            return false;
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->startSystemMove())
            return true;
        m_dragging = true;
        m_grabOffset = mouse->globalPos() - m_window->pos();
        return true;
    }
    case QEvent::MouseMove: {
        if (!m_dragging)
            return false;
        auto *mouse = static_cast<QMouseEvent *>(event);
        // A release the window never saw (outside it, say) ends the drag too.
        if (!(mouse->buttons() & Qt::LeftButton)) {
            m_dragging = false;
            return false;
        }
        m_window->move(mouse->globalPos() - m_grabOffset);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (!m_dragging || static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        m_dragging = false;
        return true;
    default:
        return false;
    }
}
