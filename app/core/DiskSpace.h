#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// Free bytes of the volume that holds the path: the volume's whole free
// space, not the caller's quota. A folder that does not exist yet is measured
// on its nearest existing ancestor; a relative or empty path is taken from
// the working folder. 0 when the volume cannot be queried, so callers treat
// it as full.
qint64 getDiskFreeSpace(const QString &path);

// Tests decide what the disk reports: while an override is set,
// getDiskFreeSpace returns its answer for the path instead of asking the
// volume. An empty function restores the real query. GUI thread only.
void setDiskFreeSpaceOverride(std::function<qint64(const QString &)> override);
