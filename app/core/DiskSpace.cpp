#include "DiskSpace.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace {

std::function<VolumeSpace(const QString &)> &volumeSpaceOverride()
{
    static std::function<VolumeSpace(const QString &)> override;
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

VolumeSpace queryVolume(const QString &path)
{
    const QString folder = nearestExistingFolder(path);
    if (folder.isEmpty())
        return {};
    const QStorageInfo storage(folder);
    if (!storage.isValid() || !storage.isReady())
        return {};
    return {storage.bytesFree(), storage.bytesAvailable()};
}

} // namespace

void setVolumeSpaceOverride(std::function<VolumeSpace(const QString &)> override)
{
    volumeSpaceOverride() = std::move(override);
}

void setDiskFreeSpaceOverride(std::function<qint64(const QString &)> override)
{
    if (!override) {
        setVolumeSpaceOverride({});
        return;
    }
    setVolumeSpaceOverride([override = std::move(override)](const QString &path) {
        const qint64 bytes = override(path);
        return VolumeSpace{bytes, bytes};
    });
}

qint64 getDiskFreeSpace(const QString &path)
{
    const auto &override = volumeSpaceOverride();
    const VolumeSpace volume = override ? override(path) : queryVolume(path);
    return qMax<qint64>(0, volume.available);
}
