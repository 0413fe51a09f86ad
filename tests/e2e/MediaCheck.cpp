#include "MediaCheck.h"

#include "behaviour/CameraProfile.h"
#include "behaviour/MediaLibrary.h"

#include <QDate>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace MediaCheck {

QString compare(const QString &cameraPath, const QString &folder)
{
    // The store every simulated camera starts with, as of today.
    sim::camera::MediaLibrary library;
    library.fillDefault(sim::camera::CameraProfile().mediaDays, QDate::currentDate());
    const sim::camera::MediaFile *file = library.find(cameraPath.toStdString());
    if (!file)
        return QStringLiteral("the camera has no file %1").arg(cameraPath);

    const QString name = QFileInfo(cameraPath).fileName();
    QString local;
    QDirIterator walk(folder, QDir::Files, QDirIterator::Subdirectories);
    while (walk.hasNext() && local.isEmpty()) {
        const QString candidate = walk.next();
        if (QFileInfo(candidate).fileName() == name)
            local = candidate;
    }
    if (local.isEmpty())
        return QStringLiteral("%1 did not arrive in %2").arg(cameraPath, folder);

    QFile arrived(local);
    if (!arrived.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(local);
    const QByteArray bytes = arrived.readAll();
    const auto expected = sim::camera::MediaLibrary::content(*file);
    if (std::size_t(bytes.size()) != expected.size())
        return QStringLiteral("%1 has %2 bytes, the camera's file %3").arg(local).arg(bytes.size()).arg(expected.size());
    for (int at = 0; at < bytes.size(); ++at) {
        if (std::uint8_t(bytes.at(at)) != expected[std::size_t(at)])
            return QStringLiteral("%1 differs from the camera's file at byte %2").arg(local).arg(at);
    }
    return QString();
}

} // namespace MediaCheck
