#include "PcZone.h"

namespace PcZone {

int pcZoneIndex(const QDateTime &localTime)
{
    // The UTC wall clock read back as a local time lies the zone's offset
    // away from the local time.
    static const QString kFormat = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    const QDateTime utcWall = QDateTime::fromString(localTime.toUTC().toString(kFormat), kFormat);
    qint64 offset = utcWall.secsTo(localTime);
    // West of UTC the truncated seconds may land on the hour exactly (a
    // fraction of a second makes them one less), so move them off it.
    if (offset < 0)
        --offset;
    return int(kUtcIndex + offset / 3600);
}

int pcZoneMinutes(const QDateTime &localTime)
{
    int minutes = localTime.time().minute() - localTime.toUTC().time().minute();
    if (minutes < 0)
        minutes += 60;
    return minutes;
}

const QStringList &zoneLabels()
{
    static const QStringList kLabels = {
            QStringLiteral("(UTC-12:00)"), QStringLiteral("(UTC-11:00)"), QStringLiteral("(UTC-10:00)"),
            QStringLiteral("(UTC-09:00)"), QStringLiteral("(UTC-08:00)"), QStringLiteral("(UTC-07:00)"),
            QStringLiteral("(UTC-06:00)"), QStringLiteral("(UTC-05:00)"), QStringLiteral("(UTC-04:00)"),
            QStringLiteral("(UTC-03:00)"), QStringLiteral("(UTC-02:00)"), QStringLiteral("(UTC-01:00)"),
            QStringLiteral("(UTC-00:00)"), QStringLiteral("(UTC+01:00)"), QStringLiteral("(UTC+02:00)"),
            QStringLiteral("(UTC+03:00)"), QStringLiteral("(UTC+04:00)"), QStringLiteral("(UTC+05:00)"),
            QStringLiteral("(UTC+06:00)"), QStringLiteral("(UTC+07:00)"), QStringLiteral("(UTC+08:00)"),
            QStringLiteral("(UTC+09:00)"), QStringLiteral("(UTC+10:00)"), QStringLiteral("(UTC+11:00)"),
            QStringLiteral("(UTC+12:00)"), QStringLiteral("(UTC+13:00)"), QStringLiteral("(UTC+14:00)"),
    };
    return kLabels;
}

const QStringList &minuteLabels()
{
    static const QStringList kLabels = [] {
        QStringList labels;
        for (int minutes = 0; minutes < 60; minutes += kMinuteStep)
            labels << QStringLiteral("%1Min").arg(minutes);
        return labels;
    }();
    return kLabels;
}

int offsetMinutes(int zoneIndex, int minuteIndex)
{
    const int hours = zoneIndex - kUtcIndex;
    const int minutes = kMinuteStep * minuteIndex;
    return hours * 60 + (hours < 0 ? -minutes : minutes);
}

QDateTime clockInZone(const QDateTime &localTime, int zoneIndex, int minuteIndex)
{
    // Moved on the UTC clock, so that the PC's own daylight-saving changes
    // between now and the result do not count.
    const QDateTime wall = localTime.toUTC().addSecs(qint64(offsetMinutes(zoneIndex, minuteIndex)) * 60);
    return QDateTime(wall.date(), wall.time(), Qt::LocalTime);
}

} // namespace PcZone
