#include "MainManager.h"

#include <QtTest>

// The camera's clock takes the PC's zone as whole hours and minutes 0 to 59,
// also for zones west of UTC and for the odd quarter-hour zones.
class tst_ZoneParts : public QObject
{
    Q_OBJECT

private slots:
    void splitsTheOffset_data();
    void splitsTheOffset();
};

void tst_ZoneParts::splitsTheOffset_data()
{
    QTest::addColumn<int>("offsetSeconds");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::newRow("+05:30") << (5 * 3600 + 30 * 60) << 5 << 30;
    QTest::newRow("-03:30") << -(3 * 3600 + 30 * 60) << -3 << 30;
    QTest::newRow("+05:45") << (5 * 3600 + 45 * 60) << 5 << 45;
    QTest::newRow("-09:30") << -(9 * 3600 + 30 * 60) << -9 << 30;
    QTest::newRow("UTC") << 0 << 0 << 0;
    QTest::newRow("+14:00") << 14 * 3600 << 14 << 0;
}

void tst_ZoneParts::splitsTheOffset()
{
    QFETCH(int, offsetSeconds);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    const MainManager::ZoneParts parts = MainManager::zoneParts(offsetSeconds);
    QCOMPARE(parts.hours, hours);
    QCOMPARE(parts.minutes, minutes);
}

QTEST_GUILESS_MAIN(tst_ZoneParts)
#include "tst_ZoneParts.moc"
