#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVector>

// One line of a camera log file: "[yyyy-MM-dd - hh:mm:ss] []details".
struct LogEntry
{
    int order = 0;
    // The stamp's instant, invalid when the stamp is no time that exists
    // here. Read many at once, it may be held in UTC: for text take timeText.
    QDateTime time;
    QString timeText;
    QString details;
    // The time as "yyyy-MM-dd hh:mm:ss", empty when the time is invalid; kept
    // from the parse so that a search over many lines formats nothing.
    QString searchKey;
};

namespace LogLine {

// Local wall-clock times of log stamps, day by day. The C library looks the
// zone up again for every local time it converts, which costs more than the
// rest of a line's reading; a day whose offset from UTC is the same at its
// first and last second has no gap or overlap, so its times are placed by
// that offset instead, and only days with a change of offset take the slow
// path. Use one per load: a zone changed meanwhile counts from the next load.
class LocalDays
{
public:
    // The same instant and validity as QDateTime(date, time) in local time,
    // though not necessarily held as local time: compare it, do not format it.
    QDateTime toDateTime(const QDate &date, const QTime &time);

private:
    QDate m_date;
    bool m_oneOffset = false;
    int m_offset = 0;
};

// The log format of the time stamp, and the one searches compare in.
constexpr const char *kTimeFormat = "yyyy-MM-dd - hh:mm:ss";
constexpr const char *kSearchFormat = "yyyy-MM-dd hh:mm:ss";

// Fills timeText, details, time and searchKey from one line (a trailing CR is
// ignored); false for a line that gives no entry (empty time part), which
// leaves the entry as it was. Readers of many lines pass their LocalDays and
// may hand in the entries of an earlier read: their text storage is reused.
bool parse(const QString &line, LogEntry &entry, LocalDays *days = nullptr);

// The time stamp text read with kTimeFormat: a fast path for the exact
// "dddd-dd-dd - dd:dd:dd" shape, QDateTime::fromString for anything else,
// with the same validity either way.
QDateTime parseTime(const QString &text, LocalDays *days = nullptr);

// The entries whose searchKey lies between the two, both included; an entry
// with an invalid time never does. Null bounds keep every entry.
QList<LogEntry> filterByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end);
// The same search as positions in entries, in their order: what a page that
// keeps all entries and shows some needs, without copying any.
QVector<int> rowsByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end);
// The same into rows, whose storage is kept for the next search.
void rowsByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end, QVector<int> &rows);

// The entries' search keys packed as numbers (yyyyMMddhhmmss), in the
// entries' order, so that a search over many entries reads one small array
// rather than every entry's text. Built while the entries are read.
class SearchKeys
{
public:
    // Keeps the storage for the next load.
    void clear();
    void append(const LogEntry &entry);
    int size() const { return m_keys.size(); }

    // The rows rowsByTime gives for the entries appended, in the same order;
    // keys or bounds of any other shape take the text search.
    void rowsByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end,
                    QVector<int> &rows) const;

private:
    QVector<quint64> m_keys;
    bool m_allPacked = true;
};

} // namespace LogLine
