// The toast: where it lands, how long it stays, and that a second show() does
// not keep it longer.

#include "OverlayRecorder.h"
#include "PopupWidget.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QTimer>

class tst_PopupWidget : public QObject
{
    Q_OBJECT

private slots:
    void landsInTheCornerAndLeavesAfterTwoSeconds();
};

void tst_PopupWidget::landsInTheCornerAndLeavesAfterTwoSeconds()
{
    OverlayRecorder recorder;
    QWidget page;
    page.resize(1280, 756);
    PopupWidget toast(&page);
    toast.hide();
    page.show();

    QElapsedTimer clock;
    clock.start();
    toast.setText(QStringLiteral("保存成功"));
    toast.show();
    QCOMPARE(toast.pos(), QPoint(1128, 660));
    QCOMPARE(recorder.texts(OverlayRecorder::Toast), QStringList{QStringLiteral("保存成功")});

    // Shown again while visible: the text changes, the two seconds do not.
    auto *timer = toast.findChild<QTimer *>();
    QTRY_VERIFY(timer->remainingTime() < 1800);
    toast.setText(QStringLiteral("保存失败"));
    toast.show();
    QCOMPARE(toast.findChild<QLabel *>(QStringLiteral("text"))->text(), QStringLiteral("保存失败"));
    QVERIFY(timer->remainingTime() < 1800);

    QTRY_VERIFY_WITH_TIMEOUT(toast.isHidden(), 4000);
    QVERIFY2(clock.elapsed() >= 1900, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!timer->isActive());
}

QTEST_MAIN(tst_PopupWidget)
#include "tst_PopupWidget.moc"
