#pragma once

#include <QString>

// Writes an exported log text, followed by a line end, into the folder as
// "yyyyMMddHHmmss" + "log.txt" (local time), creating the folder when
// missing. An existing file is never replaced: a later export of the same
// second becomes "yyyyMMddHHmmss" + "log_1.txt", then "log_2.txt" and so on.
// On success the file name becomes getLastLogFileName(); on failure that name
// is empty and no part of the text is left behind.
bool writeLogFile(const QString &text, const QString &folder);
