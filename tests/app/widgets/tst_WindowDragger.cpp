// Dragging a frameless window by its band where the window system cannot move
// it (offscreen): the window follows the mouse from inside the band only.

#include "WindowDragger.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

namespace {

bool inTitleBand(const QPoint &point)
{
    return point.y() >= 0 && point.y() < 40;
}

void send(QWidget *target, QEvent::Type type, const QPoint &local, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class tst_WindowDragger : public QObject
{
    Q_OBJECT

private slots:
    void followsTheMouseFromInsideTheBand();
    void aPressOutsideTheBandMovesNothing();
    void aPressOnAChildInTheBandDragsTheWindow();
};

void tst_WindowDragger::followsTheMouseFromInsideTheBand()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 400, 300);
    new WindowDragger(&window, inTitleBand);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    send(&window, QEvent::MouseButtonPress, QPoint(50, 20), Qt::LeftButton, Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, QPoint(50, 20), window.mapToGlobal(QPoint(50, 20)) + QPoint(30, 45),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QCOMPARE(window.pos(), start + QPoint(30, 45));
    send(&window, QEvent::MouseButtonRelease, QPoint(50, 20), Qt::LeftButton, Qt::NoButton);

    // Released: further moves leave it where it is.
    const QPoint dropped = window.pos();
    QMouseEvent later(QEvent::MouseMove, QPoint(60, 20), window.mapToGlobal(QPoint(60, 20)) + QPoint(50, 50),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &later);
    QCOMPARE(window.pos(), dropped);
}

void tst_WindowDragger::aPressOutsideTheBandMovesNothing()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 400, 300);
    new WindowDragger(&window, inTitleBand);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    send(&window, QEvent::MouseButtonPress, QPoint(50, 100), Qt::LeftButton, Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, QPoint(50, 100), window.mapToGlobal(QPoint(80, 150)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QCOMPARE(window.pos(), start);
}

void tst_WindowDragger::aPressOnAChildInTheBandDragsTheWindow()
{
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 100, 400, 300);
    auto *title = new QLabel(QStringLiteral("Vantrel"), &window);
    title->setGeometry(10, 5, 200, 30);
    new WindowDragger(&window, inTitleBand);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();

    // The label ignores the press; it reaches the window as its own.
    QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QMouseEvent move(QEvent::MouseMove, QPoint(20, 10), title->mapToGlobal(QPoint(20, 10)) + QPoint(-25, 10),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(title, &move);
    QCOMPARE(window.pos(), start + QPoint(-25, 10));
}

QTEST_MAIN(tst_WindowDragger)
#include "tst_WindowDragger.moc"
