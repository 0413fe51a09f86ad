#pragma once

#include <QString>

// Config.ini beside the program. Holds no settings object between calls, so
// the file on disk is always what the next call reads.
class IniConfig
{
public:
    static IniConfig *getInstance();

    QString getValue(const QString &group, const QString &key, const QString &defaultValue) const;
    void setValue(const QString &group, const QString &key, const QString &value);

    IniConfig(const IniConfig &) = delete;
    IniConfig &operator=(const IniConfig &) = delete;

private:
    IniConfig();
};
