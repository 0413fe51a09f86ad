#pragma once

// The camera's own log files, one per day, in the camera's line format:
// "[yyyy-MM-dd - hh:mm:ss] []details".

#include <QDate>

#include <map>
#include <string>
#include <vector>

namespace sim::camera {

class LogBook
{
public:
    void fillDefault(int days, const QDate &lastDay);
    void clear() { m_files.clear(); }

    std::vector<std::string> names() const;
    bool file(const std::string &name, std::string &content) const;
    void append(const std::string &name, const std::string &line);

private:
    std::map<std::string, std::string> m_files;
};

} // namespace sim::camera
