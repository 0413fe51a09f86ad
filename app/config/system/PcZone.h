#pragma once

#include <QDateTime>
#include <QStringList>

// The PC's time zone in the terms of the camera's clock record: a whole-hour
// zone (an item of zoneLabels(), index 12 being UTC) and the minutes of the
// zone's offset, which run in the direction of its hours (UTC-03:30 is zone
// -3 with 30 minutes).
//
// Both take the date-time to judge rather than reading the clock, so that a
// caller can ask about any moment, fractions of a second included.
namespace PcZone {

// The whole-hour zone of the offset, truncated toward UTC: 12 + hours. It is
// not clamped to the labels.
int pcZoneIndex(const QDateTime &localTime);
// The minutes of the offset beyond its whole hours, 0 to 59.
int pcZoneMinutes(const QDateTime &localTime);

// The labels of the zone and minute lists, in index order; the camera's zone
// is index - 12 hours and 5 x index minutes. They are not translated.
const QStringList &zoneLabels();
const QStringList &minuteLabels();
constexpr int kUtcIndex = 12;
constexpr int kMinuteStep = 5;

// The offset from UTC, in minutes, of a zone item and a minute item: the
// minutes go the way of the hours, and a zone of zero hours counts as east.
int offsetMinutes(int zoneIndex, int minuteIndex);

// The wall clock of the zone and minute items at the moment localTime: the
// clock of UTC moved by the chosen offset, as a wall clock.
QDateTime clockInZone(const QDateTime &localTime, int zoneIndex, int minuteIndex);

} // namespace PcZone
