#pragma once

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;

// Lets the operator drag a frameless window by its title band.
//
// The window system moves the window when it can (startSystemMove); where it
// cannot (no window manager, offscreen) the window follows the mouse by hand
// until the button is released.
class WindowDragger : public QObject
{
    Q_OBJECT

public:
    // Whether a point, in the window's own coordinates, lies in its drag band.
    // A pure function of the point (and the window's fixed layout).
    using BandTest = std::function<bool(const QPoint &)>;

    WindowDragger(QWidget *window, BandTest inBand);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    BandTest m_inBand;
    bool m_dragging = false;
    QPoint m_grabOffset;
};
