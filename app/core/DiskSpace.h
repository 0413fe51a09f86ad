#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// What a volume reports: all its free bytes, and the part of them the
// program's own account may write (ext4 keeps about 5 % back for root).
struct VolumeSpace
{
    qint64 free = 0;
    qint64 available = 0;
};

// Bytes the program may still write on the volume that holds the path: the
// volume's available space, not its free blocks, so that a file which cannot
// be stored is never started. A folder that does not exist yet is measured on
// its nearest existing ancestor; a relative or empty path is taken from the
// working folder. 0 when the volume cannot be queried, so callers treat it as
// full.
qint64 getDiskFreeSpace(const QString &path);

// Tests decide what the volume reports: while an override is set, its answer
// for the path stands for the volume's. An empty function restores the real
// query. GUI thread only.
void setVolumeSpaceOverride(std::function<VolumeSpace(const QString &)> override);
// The same for a volume whose free and available bytes are both the answer.
void setDiskFreeSpaceOverride(std::function<qint64(const QString &)> override);
