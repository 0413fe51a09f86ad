#include "DiskSpace.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

std::function<qint64(const QString &)> &freeSpaceOverride()
{
    static std::function<qint64(const QString &)> override;
    return override;
}

QString nearestExistingFolder(const QString &path)
{
    QString candidate = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    while (!QFileInfo::exists(candidate)) {
        const QString parent = QFileInfo(candidate).absolutePath();
        if (parent == candidate)
            return QString();
        candidate = parent;
    }
    return candidate;
}

} // namespace

void setDiskFreeSpaceOverride(std::function<qint64(const QString &)> override)
{
    freeSpaceOverride() = std::move(override);
}

qint64 getDiskFreeSpace(const QString &path)
{
    if (const auto &override = freeSpaceOverride())
        return override(path);
    const QString folder = nearestExistingFolder(path);
    if (folder.isEmpty())
        return 0;
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return 0;
    return qMax<qint64>(0, storage.bytesFree());
}
