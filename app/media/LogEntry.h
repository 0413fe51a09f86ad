#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// One line of a camera log file: "[yyyy-MM-dd - hh:mm:ss] []details".
struct LogEntry
{
    int order = 0;
    QDateTime time;
    QString timeText;
    QString details;
    // The time as "yyyy-MM-dd hh:mm:ss", empty when the time is invalid; kept
    // from the parse so that a search over many lines formats nothing.
    QString searchKey;
};

namespace LogLine {

// The log format of the time stamp, and the one searches compare in.
constexpr const char *kTimeFormat = "yyyy-MM-dd - hh:mm:ss";
constexpr const char *kSearchFormat = "yyyy-MM-dd hh:mm:ss";

// Fills timeText, details, time and searchKey from one line (a trailing CR is
// ignored); false for a line that gives no entry (empty time part).
bool parse(const QString &line, LogEntry &entry);

// The time stamp text read with kTimeFormat: a fast path for the exact
// "dddd-dd-dd - dd:dd:dd" shape, QDateTime::fromString for anything else,
// with the same validity either way.
QDateTime parseTime(const QString &text);

// The entries whose searchKey lies between the two, both included; an entry
// with an invalid time never does. Null bounds keep every entry.
QList<LogEntry> filterByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end);

} // namespace LogLine
