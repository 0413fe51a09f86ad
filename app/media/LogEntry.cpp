#include "LogEntry.h"

#include <QDebug>

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

bool hasExactShape(const QString &text)
{
    static const char kShape[] = "dddd-dd-dd - dd:dd:dd";
    if (text.size() != int(sizeof kShape) - 1)
        return false;
    for (int i = 0; i < text.size(); ++i) {
        if (kShape[i] == 'd' ? !isDigitAt(text, i) : text.at(i) != QLatin1Char(kShape[i]))
            return false;
    }
    return true;
}

} // namespace

namespace LogLine {

QDateTime parseTime(const QString &text)
{
    if (!hasExactShape(text))
        return QDateTime::fromString(text, QLatin1String(kTimeFormat));
    const QDate date(number(text, 0, 4), number(text, 5, 2), number(text, 8, 2));
    const QTime time(number(text, 13, 2), number(text, 16, 2), number(text, 19, 2));
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time);
}

bool parse(const QString &line, LogEntry &entry)
{
    QString text = line;
    while (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
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
    entry.time = parseTime(timeText);
    if (!entry.time.isValid())
        entry.searchKey.clear();
    else if (hasExactShape(timeText))
        entry.searchKey = timeText.left(10) + QLatin1Char(' ') + timeText.mid(13);
    else
        entry.searchKey = entry.time.toString(QLatin1String(kSearchFormat));
    return true;
}

QList<LogEntry> filterByTime(const QList<LogEntry> &entries, const QDateTime &start, const QDateTime &end)
{
    if (start.isNull() || end.isNull())
        return entries;
    if (start == end)
        qDebug() << "startTime == endTime";
    const QString from = start.toString(QLatin1String(kSearchFormat));
    const QString to = end.toString(QLatin1String(kSearchFormat));
    QList<LogEntry> kept;
    for (const LogEntry &entry : entries) {
        if (!entry.searchKey.isEmpty() && from <= entry.searchKey && entry.searchKey <= to)
            kept.append(entry);
    }
    return kept;
}

} // namespace LogLine
