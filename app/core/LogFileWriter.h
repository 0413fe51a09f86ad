#pragma once

#include <QString>

// Writes an exported log text, followed by a line end, into the folder as
// "yyyyMMddHHmmss" + "log.txt" (local time), creating the folder when
// missing and replacing a file of the same second. On success the file name
// becomes getLastLogFileName(); on failure that name is empty.
bool writeLogFile(const QString &text, const QString &folder);
