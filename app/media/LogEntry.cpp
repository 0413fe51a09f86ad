#include "LogEntry.h"

#include <QDebug>

#include <algorithm>
#include <numeric>

namespace {

const QString kFieldSeparator = QStringLiteral("[]");

bool isDigitAt(const QString &text, int position)
{
    const ushort c = text.at(position).unicode();
    return c >= '0' && c <= '9';
}

int number(const QString &text, int position, int length)
{
    int value = 0;
    for (int i = position; i < position + length; ++i)
        value = value * 10 + (text.at(i).unicode() - '0');
    return value;
}

constexpr int kStampLength = 21;
// Where the details of a stamped line start: after "[", the stamp and "] []".
constexpr int kStampedDetails = kStampLength + 5;

// "dddd-dd-dd - dd:dd:dd" at position (the text is long enough).
bool hasExactShapeAt(const QString &text, int position)
{
    static const char kShape[] = "dddd-dd-dd - dd:dd:dd";
    for (int i = 0; i < kStampLength; ++i) {
        if (kShape[i] == 'd' ? !isDigitAt(text, position + i) : text.at(position + i) != QLatin1Char(kShape[i]))
            return false;
    }
    return true;
}

bool hasExactShape(const QString &text)
{
    return text.size() == kStampLength && hasExactShapeAt(text, 0);
}

bool isStampedLine(const QString &text)
{
    return text.size() >= kStampedDetails && text.at(0) == QLatin1Char('[')
            && text.at(kStampLength + 1) == QLatin1Char(']') && text.at(kStampLength + 2) == QLatin1Char(' ')
            && text.at(kStampLength + 3) == QLatin1Char('[') && text.at(kStampLength + 4) == QLatin1Char(']')
            && hasExactShapeAt(text, 1);
}

// Puts the characters into target, in the storage it already has when that
// is large enough: an entry read again takes no new memory.
void assign(QString &target, const QChar *from, int length)
{
    target.resize(length);
    std::copy(from, from + length, target.data());
}

// "yyyy-MM-dd - hh:mm:ss" as "yyyy-MM-dd hh:mm:ss".
void setSearchKey(QString &key, const QString &exactShape)
{
    key.resize(19);
    QChar *out = key.data();
    const QChar *in = exactShape.constData();
    std::copy(in, in + 10, out);
    out[10] = QLatin1Char(' ');
    std::copy(in + 13, in + 21, out + 11);
}

} // namespace

namespace LogLine {

QDateTime LocalDays::toDateTime(const QDate &date, const QTime &time)
{
    if (date != m_date) {
        const QDateTime first(date, QTime(0, 0, 0));
        const QDateTime last(date, QTime(23, 59, 59));
        m_date = date;
        m_oneOffset = first.isValid() && last.isValid() && first.offsetFromUtc() == last.offsetFromUtc();
        m_offset = first.offsetFromUtc();
    }
    if (!m_oneOffset)
        return QDateTime(date, time);
    // Held in UTC: the same instant, and unlike an offset it needs no storage
    // of its own.
    constexpr qint64 kUnixEpochDay = 2440588;
    constexpr qint64 kMSecsPerDay = 86400000;
    return QDateTime::fromMSecsSinceEpoch((date.toJulianDay() - kUnixEpochDay) * kMSecsPerDay
                                                  + time.msecsSinceStartOfDay() - qint64(m_offset) * 1000,
                                          Qt::UTC);
}

} // namespace LogLine

namespace {

// The time of a text known to have the exact shape.
QDateTime exactShapeTime(const QString &text, LogLine::LocalDays *days)
{
    const QDate date(number(text, 0, 4), number(text, 5, 2), number(text, 8, 2));
    const QTime time(number(text, 13, 2), number(text, 16, 2), number(text, 19, 2));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return days ? days->toDateTime(date, time) : QDateTime(date, time);
}

// The camera's own lines, "[" stamp "] []" details: the stamp is where the
// split would find it, without searching for it.
void parseStampedLine(const QString &text, LogEntry &entry, LogLine::LocalDays *days)
{
    assign(entry.timeText, text.constData() + 1, kStampLength);
    const int second = text.indexOf(kFieldSeparator, kStampedDetails);
    assign(entry.details, text.constData() + kStampedDetails,
           (second < 0 ? text.size() : second) - kStampedDetails);
    entry.time = exactShapeTime(entry.timeText, days);
    if (entry.time.isValid())
        setSearchKey(entry.searchKey, entry.timeText);
    else
        entry.searchKey.clear();
}

// Any other line, split on "[]" without building a list: part 0 is the time,
// part 1 up to the next "[]" the details. False when there is no time text.
bool parseSplitLine(const QString &text, LogEntry &entry, LogLine::LocalDays *days)
{
    const int first = text.indexOf(kFieldSeparator);
    QString timeText = first < 0 ? text : text.left(first);
    if (timeText.contains(QLatin1Char('[')))
        timeText.remove(QLatin1Char('['));
    if (timeText.contains(QLatin1String("] ")))
        timeText.remove(QStringLiteral("] "));
    if (timeText.isEmpty())
        return false;
    entry.timeText = timeText;
    if (first < 0) {
        entry.details.clear();
    } else {
        const int start = first + kFieldSeparator.size();
        const int second = text.indexOf(kFieldSeparator, start);
        entry.details = second < 0 ? text.mid(start) : text.mid(start, second - start);
    }
    entry.time = LogLine::parseTime(timeText, days);
    if (!entry.time.isValid())
        entry.searchKey.clear();
    else if (hasExactShape(timeText))
        setSearchKey(entry.searchKey, timeText);
    else
        entry.searchKey = entry.time.toString(QLatin1String(LogLine::kSearchFormat));
    return true;
}

} // namespace

namespace LogLine {

QDateTime parseTime(const QString &text, LocalDays *days)
{
    if (!hasExactShape(text))
        return QDateTime::fromString(text, QLatin1String(kTimeFormat));
    return exactShapeTime(text, days);
}

bool parse(const QString &line, LogEntry &entry, LocalDays *days)
{
    QString text = line;
    while (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    if (isStampedLine(text)) {
        parseStampedLine(text, entry, days);
        return true;
    }
    return parseSplitLine(text, entry, days);
}

void rowsByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end, QVector<int> &rows)
{
    rows.clear();
    if (start.isNull() || end.isNull()) {
        rows.resize(entries.size());
        std::iota(rows.begin(), rows.end(), 0);
        return;
    }
    if (start == end)
        qDebug() << "startTime == endTime";
    rows.reserve(entries.size());
    const QString from = start.toString(QLatin1String(kSearchFormat));
    const QString to = end.toString(QLatin1String(kSearchFormat));
    for (int row = 0; row < entries.size(); ++row) {
        const QString &key = entries.at(row).searchKey;
        if (!key.isEmpty() && from <= key && key <= to)
            rows.append(row);
    }
}

QVector<int> rowsByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end)
{
    QVector<int> rows;
    rowsByTime(entries, start, end, rows);
    return rows;
}

} // namespace LogLine

namespace {

// No key: the entry is never found.
constexpr quint64 kNoKey = 0;
// A key of another shape: only the text search can place it.
constexpr quint64 kOddKey = ~quint64(0);

// "dddd-dd-dd dd:dd:dd" as the number of its digits, plus one so that no key
// is kNoKey. Keys of this one shape compare as texts the way the numbers do:
// the separators stand at the same places, so the first difference is a digit.
quint64 packKey(const QString &key)
{
    if (key.isEmpty())
        return kNoKey;
    static const char kShape[] = "dddd-dd-dd dd:dd:dd";
    if (key.size() != int(sizeof kShape) - 1)
        return kOddKey;
    quint64 value = 0;
    for (int i = 0; i < key.size(); ++i) {
        if (kShape[i] == 'd') {
            if (!isDigitAt(key, i))
                return kOddKey;
            value = value * 10 + (key.at(i).unicode() - '0');
        } else if (key.at(i) != QLatin1Char(kShape[i])) {
            return kOddKey;
        }
    }
    return value + 1;
}

} // namespace

namespace LogLine {

void SearchKeys::clear()
{
    m_keys.clear();
    m_allPacked = true;
}

void SearchKeys::append(const LogEntry &entry)
{
    const quint64 key = packKey(entry.searchKey);
    if (key == kOddKey)
        m_allPacked = false;
    m_keys.append(key);
}

void SearchKeys::rowsByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end,
                            QVector<int> &rows) const
{
    if (start.isNull() || end.isNull() || !m_allPacked || m_keys.size() != entries.size()) {
        LogLine::rowsByTime(entries, start, end, rows);
        return;
    }
    const quint64 from = packKey(start.toString(QLatin1String(kSearchFormat)));
    const quint64 to = packKey(end.toString(QLatin1String(kSearchFormat)));
    if (from == kOddKey || to == kOddKey || from == kNoKey || to == kNoKey) {
        LogLine::rowsByTime(entries, start, end, rows);
        return;
    }
    if (start == end)
        qDebug() << "startTime == endTime";
    rows.clear();
    rows.reserve(m_keys.size());
    const quint64 *keys = m_keys.constData();
    for (int row = 0; row < m_keys.size(); ++row) {
        if (keys[row] != kNoKey && from <= keys[row] && keys[row] <= to)
            rows.append(row);
    }
}

QList<LogEntry> filterByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end)
{
    const QVector<int> rows = rowsByTime(entries, start, end);
    if (rows.size() == entries.size())
        return entries;
    QList<LogEntry> kept;
    kept.reserve(rows.size());
    for (int row : rows)
        kept.append(entries.at(row));
    return kept;
}

} // namespace LogLine
