#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps an overlay over the whole of its parent and above all its siblings
// while it is shown. A page builds its overlay first and its controls after,
// and may grow or gain children while the overlay is up: without this the
// controls would stay clickable above the dimmed veil and its edges bright.
class OverlayCover : public QObject
{
    Q_OBJECT

public:
    // Watches the overlay for as long as it lives (the cover is its child).
    static void attach(QWidget *overlay);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit OverlayCover(QWidget *overlay);
    void watchParent(bool watch);
    void cover();

    QWidget *const m_overlay;
    QPointer<QWidget> m_parent;
};
