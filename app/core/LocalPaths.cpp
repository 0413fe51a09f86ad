#include "LocalPaths.h"

namespace {

QString &downloadFolder()
{
    static QString folder;
    return folder;
}

QString &logFolder()
{
    static QString folder;
    return folder;
}

QString &lastLogFileName()
{
    static QString fileName;
    return fileName;
}

} // namespace

void setLocalFilePath(const QString &folder)
{
    downloadFolder() = folder;
}

QString getLocalFilePath()
{
    return downloadFolder();
}

void setLocalLogPath(const QString &folder)
{
    logFolder() = folder;
}

QString getLogFilePath()
{
    return logFolder();
}

void setLastLogFileName(const QString &fileName)
{
    lastLogFileName() = fileName;
}

QString getLastLogFileName()
{
    return lastLogFileName();
}
