// The hint overlay's countdown, its OK button and its second line.

#include "HintWnd.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

const int kStep = 40;

QString countdownText(const HintWnd &hint)
{
    return hint.findChild<QLabel *>(QStringLiteral("timerLabel"))->text();
}

// The countdown label as each step left it, whatever the machine's load.
QStringList *recordSteps(HintWnd &hint, std::function<void(int)> afterStep = {})
{
    auto *steps = new QStringList;
    QObject::connect(hint.findChild<QTimer *>(), &QTimer::timeout, &hint, [&hint, steps, afterStep] {
        *steps << countdownText(hint);
        if (afterStep)
            afterStep(steps->size());
    });
    QObject::connect(&hint, &QObject::destroyed, [steps] { delete steps; });
    return steps;
}

} // namespace

class tst_HintWnd : public QObject
{
    Q_OBJECT

private slots:
    void countdownShowsThreeTwoOneThenEndsOnce();
    void stoppingTheCountdownKeepsTheCount();
    void aSecondCountdownStartsAgainFromThree();
    void okEmitsThenHides();
    void pathLineAndButtonFollowTheirSwitches();
};

void tst_HintWnd::countdownShowsThreeTwoOneThenEndsOnce()
{
    QWidget page;
    HintWnd hint(&page);
    hint.setCountdownStep(kStep);
    page.show();
    QVERIFY(hint.isVisible()); // it never hides itself; its page does
    QSignalSpy over(&hint, &HintWnd::timeOver);
    const QStringList *steps = recordSteps(hint);

    QVERIFY(hint.findChild<QLabel *>(QStringLiteral("timerLabel"))->isHidden());
    hint.showCountdown(true);
    QCOMPARE(countdownText(hint), QStringLiteral("3"));
    QVERIFY(hint.findChild<QLabel *>(QStringLiteral("timerLabel"))->isVisible());
    QTRY_COMPARE(over.count(), 1);
    QCOMPARE(*steps, (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("1")}));
    QTest::qWait(4 * kStep); // nothing more may come
    QCOMPARE(over.count(), 1);
    QCOMPARE(steps->size(), 3);
}

void tst_HintWnd::stoppingTheCountdownKeepsTheCount()
{
    QWidget page;
    HintWnd hint(&page);
    hint.setCountdownStep(kStep);
    page.show();
    QSignalSpy over(&hint, &HintWnd::timeOver);
    const QStringList *steps = recordSteps(hint, [&hint](int step) {
        if (step == 1)
            hint.showCountdown(false);
    });
    hint.showCountdown(true);
    QTRY_COMPARE(steps->size(), 1);
    QVERIFY(hint.findChild<QLabel *>(QStringLiteral("timerLabel"))->isHidden());
    QTest::qWait(4 * kStep);
    QCOMPARE(steps->size(), 1);
    QCOMPARE(over.count(), 0);
    QCOMPARE(countdownText(hint), QStringLiteral("2"));
}

void tst_HintWnd::aSecondCountdownStartsAgainFromThree()
{
    QWidget page;
    HintWnd hint(&page);
    hint.setCountdownStep(kStep);
    page.show();
    QSignalSpy over(&hint, &HintWnd::timeOver);
    hint.showCountdown(true);
    QTRY_COMPARE(over.count(), 1);
    const QStringList *steps = recordSteps(hint);
    hint.showCountdown(true);
    QCOMPARE(countdownText(hint), QStringLiteral("3"));
    QTRY_COMPARE(over.count(), 2);
    QCOMPARE(*steps, (QStringList{QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("1")}));
}

void tst_HintWnd::okEmitsThenHides()
{
    QWidget page;
    HintWnd hint(&page);
    page.show();
    bool visibleWhenEmitted = false;
    connect(&hint, &HintWnd::okButtonClicked, this, [&] { visibleWhenEmitted = hint.isVisible(); });
    QSignalSpy ok(&hint, &HintWnd::okButtonClicked);
    QTest::mouseClick(hint.findChild<QPushButton *>(QStringLiteral("Ok_Button")), Qt::LeftButton);
    QCOMPARE(ok.count(), 1);
    QVERIFY(visibleWhenEmitted);
    QVERIFY(hint.isHidden());
}

void tst_HintWnd::pathLineAndButtonFollowTheirSwitches()
{
    QWidget page;
    HintWnd hint(&page);
    page.show();
    auto *path = hint.findChild<QLabel *>(QStringLiteral("path"));
    auto *ok = hint.findChild<QPushButton *>(QStringLiteral("Ok_Button"));
    QVERIFY(path->isHidden());
    hint.setHintText(QStringLiteral("下载完成"));
    hint.setPathText(QStringLiteral("/home/operator/media"));
    hint.showPathLabel(true);
    hint.showOkBtn(false);
    QCOMPARE(hint.findChild<QLabel *>(QStringLiteral("Hint_Text"))->text(), QStringLiteral("下载完成"));
    QCOMPARE(path->text(), QStringLiteral("/home/operator/media"));
    QVERIFY(path->isVisible());
    QVERIFY(ok->isHidden());
    hint.showPathLabel(false);
    hint.showOkBtn(true);
    QVERIFY(path->isHidden());
    QVERIFY(ok->isVisible());
}

QTEST_MAIN(tst_HintWnd)
#include "tst_HintWnd.moc"
