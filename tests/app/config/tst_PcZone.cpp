// The PC's zone as the time page derives it, at fixed moments. CTest runs the
// program once per time zone with TZ set; each run checks its zone's table.

#include "PcZone.h"

#include <QDateTime>
#include <QtTest>

namespace {

struct Case
{
    const char *tag;
    int millisecond;
    int zoneIndex;
    int minutes;
};

struct Zone
{
    const char *tz;
    QVector<Case> cases;
};

// Winter and summer moments are the same in these zones: none of them keeps
// daylight saving.
const Zone kZones[] = {
        {"CST-8", {{"UTC+8", 0, 20, 0}, {"UTC+8 with a fraction", 500, 20, 0}}},
        {"EST5", {{"UTC-5", 0, 7, 0}, {"UTC-5 with a fraction", 250, 7, 0}}},
        {"IST-5:30", {{"UTC+5:30", 0, 17, 30}, {"UTC+5:30 with a fraction", 999, 17, 30}}},
        {"NST3:30", {{"UTC-3:30", 0, 9, 30}, {"UTC-3:30 with a fraction", 500, 9, 30}}},
        {"NPT-5:45", {{"UTC+5:45", 0, 17, 45}}},
        {"UTC0", {{"UTC", 0, 12, 0}, {"UTC with a fraction", 500, 12, 0}}},
};

} // namespace

class tst_PcZone : public QObject
{
    Q_OBJECT

private slots:
    void theZoneOfFixedMoments_data();
    void theZoneOfFixedMoments();
    void aChosenZoneMovesTheClockInTheDirectionOfItsHours_data();
    void aChosenZoneMovesTheClockInTheDirectionOfItsHours();
};

void tst_PcZone::theZoneOfFixedMoments_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<int>("zoneIndex");
    QTest::addColumn<int>("minutes");

    const QByteArray tz = qgetenv("TZ");
    const Zone *zone = std::find_if(std::begin(kZones), std::end(kZones),
                                    [&](const Zone &candidate) { return tz == candidate.tz; });
    if (zone == std::end(kZones))
        QFAIL(qPrintable(QStringLiteral("no table for TZ=%1").arg(QString::fromLatin1(tz))));
    // Minutes on both sides of the hour, so that a zone with minutes crosses it.
    for (const Case &row : zone->cases) {
        for (const QTime &clock : {QTime(10, 20, 30), QTime(23, 55, 1), QTime(0, 5, 59)}) {
            const QDateTime moment(QDate(2026, 3, 14), clock.addMSecs(row.millisecond), Qt::LocalTime);
            QTest::addRow("%s at %s", row.tag, qPrintable(clock.toString()))
                    << moment << row.zoneIndex << row.minutes;
        }
    }
}

void tst_PcZone::theZoneOfFixedMoments()
{
    QFETCH(QDateTime, moment);
    QFETCH(int, zoneIndex);
    QFETCH(int, minutes);

    QCOMPARE(PcZone::pcZoneIndex(moment), zoneIndex);
    QCOMPARE(PcZone::pcZoneMinutes(moment), minutes);
}

void tst_PcZone::aChosenZoneMovesTheClockInTheDirectionOfItsHours_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<int>("offsetMinutes");

    QTest::newRow("east with minutes") << "(UTC+05:00)" << "45Min" << 345;
    QTest::newRow("west with minutes") << "(UTC-03:00)" << "30Min" << -210;
    QTest::newRow("west whole hours") << "(UTC-12:00)" << "0Min" << -720;
    QTest::newRow("UTC") << "(UTC-00:00)" << "0Min" << 0;
    QTest::newRow("far east") << "(UTC+14:00)" << "55Min" << 895;
}

void tst_PcZone::aChosenZoneMovesTheClockInTheDirectionOfItsHours()
{
    QFETCH(QString, zone);
    QFETCH(QString, minutes);
    QFETCH(int, offsetMinutes);

    const int zoneIndex = PcZone::zoneLabels().indexOf(zone);
    const int minuteIndex = PcZone::minuteLabels().indexOf(minutes);
    QCOMPARE(PcZone::offsetMinutes(zoneIndex, minuteIndex), offsetMinutes);

    // The wall clock of that zone, whatever the PC's own zone.
    const QDateTime utc(QDate(2026, 7, 1), QTime(12, 0, 0, 500), Qt::UTC);
    const QDateTime shown = PcZone::clockInZone(utc.toLocalTime(), zoneIndex, minuteIndex);
    const QDateTime expected = utc.addSecs(offsetMinutes * 60);
    QCOMPARE(shown.date(), expected.date());
    QCOMPARE(shown.time(), expected.time());
}

QTEST_MAIN(tst_PcZone)
#include "tst_PcZone.moc"
