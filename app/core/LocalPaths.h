#pragma once

#include <QString>

// Process-wide folders chosen by the operator and the name of the last log
// text file written; all start empty. Used from the GUI thread only.

void setLocalFilePath(const QString &folder);
QString getLocalFilePath();

void setLocalLogPath(const QString &folder);
QString getLogFilePath();

void setLastLogFileName(const QString &fileName);
QString getLastLogFileName();
