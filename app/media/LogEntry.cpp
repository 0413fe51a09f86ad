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
    return QDateTime(date, time, Qt::UTC).addSecs(-m_offset);
}

QDateTime parseTime(const QString &text, LocalDays *days)
{
    if (!hasExactShape(text))
        return QDateTime::fromString(text, QLatin1String(kTimeFormat));
    const QDate date(number(text, 0, 4), number(text, 5, 2), number(text, 8, 2));
    const QTime time(number(text, 13, 2), number(text, 16, 2), number(text, 19, 2));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return days ? days->toDateTime(date, time) : QDateTime(date, time);
}

bool parse(const QString &line, LogEntry &entry, LocalDays *days)
{
    QString text = line;
    while (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    // The camera's own lines, "[" stamp "] []" details: the stamp is where
    // the split below would find it, without searching for it.
    if (isStampedLine(text)) {
        assign(entry.timeText, text.constData() + 1, kStampLength);
        const int second = text.indexOf(kFieldSeparator, kStampedDetails);
        assign(entry.details, text.constData() + kStampedDetails,
               (second < 0 ? text.size() : second) - kStampedDetails);
        entry.time = parseTime(entry.timeText, days);
        if (entry.time.isValid())
            setSearchKey(entry.searchKey, entry.timeText);
        else
            entry.searchKey.clear();
        return true;
    }
    // Split on "[]" without building a list: part 0, and part 1 up to the next "[]".
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
    entry.time = parseTime(timeText, days);
    if (!entry.time.isValid())
        entry.searchKey.clear();
    else if (hasExactShape(timeText))
        setSearchKey(entry.searchKey, timeText);
    else
        entry.searchKey = entry.time.toString(QLatin1String(kSearchFormat));
    return true;
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
