#pragma once

#include <QString>

// temp.dat: fixed 260-byte records (a little-endian 32-bit key, then a
// NUL-terminated UTF-8 path in 256 bytes), only ever appended; the last
// record of a key wins.

enum DirRecordKey {
    DownloadFolderKey = 1001,
    LogFolderKey = 1002,
};

// The path of the last whole record with the key; empty when there is none.
QString readDirRecord(const QString &fileName, int key);

// Appends one record after the last whole one, dropping a torn record that an
// interrupted append left at the end. False when the file cannot be written
// or the path does not fit (255 bytes of UTF-8 at most).
bool saveDirRecord(const QString &fileName, int key, const QString &path);
