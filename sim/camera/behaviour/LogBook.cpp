#include "LogBook.h"

#include <QDateTime>

namespace sim::camera {

void LogBook::fillDefault(int days, const QDate &lastDay)
{
    struct Event { int hour; int minute; int second; const char *details; };
    const Event events[] = {
        {7, 58, 12, "Power on"},        {8, 15, 0, "Record start"},
        {8, 25, 0, "Record stop"},      {9, 2, 0, "Take photo"},
        {10, 20, 0, "Audio record start"}, {10, 22, 0, "Audio record stop"},
        {12, 40, 31, "Low battery"},    {14, 30, 0, "Record start"},
        {14, 35, 0, "Record stop"},     {18, 3, 44, "USB connected"},
    };
    for (int d = days - 1; d >= 0; --d) {
        const QDate day = lastDay.addDays(-d);
        const std::string name = "/mnt/sdcard/log/" + day.toString("yyyyMMdd").toStdString() + ".txt";
        for (const Event &e : events) {
            const QDateTime t(day, QTime(e.hour, e.minute, e.second));
            append(name, "[" + t.toString("yyyy-MM-dd - hh:mm:ss").toStdString() + "] []" + e.details);
        }
    }
}

std::vector<std::string> LogBook::names() const
{
    std::vector<std::string> result;
    for (const auto &entry : m_files)
        result.push_back(entry.first);
    return result;
}

bool LogBook::file(const std::string &name, std::string &content) const
{
    auto it = m_files.find(name);
    if (it == m_files.end())
        return false;
    content = it->second;
    return true;
}

void LogBook::append(const std::string &name, const std::string &line)
{
    m_files[name] += line + "\r\n";
}

} // namespace sim::camera
