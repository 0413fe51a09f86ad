#include "MediaRecord.h"

#include <QtEndian>

#include <cstring>

namespace {

qint32 readInt(const char *at)
{
    return qFromLittleEndian<qint32>(at);
}

QString readText(const char *at)
{
    const void *nul = std::memchr(at, 0, MediaRecord::kTextSize);
    const int length = nul ? static_cast<int>(static_cast<const char *>(nul) - at) : int(MediaRecord::kTextSize);
    return QString::fromUtf8(at, length);
}

// year, month, day, (unused), hour, minute, second
QDateTime readDateTime(const char *at)
{
    const QDate date(readInt(at), readInt(at + 4), readInt(at + 8));
    const QTime time(readInt(at + 16), readInt(at + 20), readInt(at + 24));
    return QDateTime(date, time, Qt::LocalTime);
}

} // namespace

MediaRecord MediaRecord::fromItem(const char *item)
{
    MediaRecord record;
    record.path = readText(item + kPathOffset);
    record.text = readText(item + kTextOffset);
    record.start = readDateTime(item + kStartOffset);
    record.end = readDateTime(item + kEndOffset);
    return record;
}

MediaRecord::Type MediaRecord::typeOf(const QString &path)
{
    const QString upper = path.toUpper();
    if (upper.endsWith(QLatin1String(".MP4")))
        return Video;
    if (upper.endsWith(QLatin1String(".JPG")))
        return Picture;
    if (upper.endsWith(QLatin1String(".AAC")) || upper.endsWith(QLatin1String(".WAV")))
        return Audio;
    return Other;
}
