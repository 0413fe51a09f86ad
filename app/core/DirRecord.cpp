#include "DirRecord.h"

#include <QFile>
#include <QtEndian>

#include <cstring>

namespace {

constexpr qint64 recordSize = 260;
constexpr int keySize = 4;
constexpr int pathSize = 256;

} // namespace

QString readDirRecord(const QString &fileName, int key)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // A torn last record is ignored: only whole records are read, counted
    // from the start of the file, so every record stays aligned.
    const qint64 wholeRecords = file.size() / recordSize;
    char record[recordSize];
    for (qint64 index = wholeRecords - 1; index >= 0; --index) {
        if (!file.seek(index * recordSize) || file.read(record, recordSize) != recordSize)
            return QString();
        if (qFromLittleEndian<qint32>(record) != key)
            continue;
        const char *path = record + keySize;
        const void *nul = std::memchr(path, '\0', pathSize);
        const int length = nul ? static_cast<int>(static_cast<const char *>(nul) - path) : pathSize;
        return QString::fromUtf8(path, length);
    }
    return QString();
}

bool saveDirRecord(const QString &fileName, int key, const QString &path)
{
    const QByteArray utf8 = path.toUtf8();
    if (utf8.size() >= pathSize)
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    // Drop a torn tail left by an interrupted append, or every record written
    // after it would be misaligned.
    const qint64 alignedSize = file.size() - file.size() % recordSize;
    if (alignedSize != file.size() && !file.resize(alignedSize))
        return false;
    char record[recordSize] = {};
    qToLittleEndian<qint32>(key, record);
    std::memcpy(record + keySize, utf8.constData(), static_cast<std::size_t>(utf8.size()));
    return file.seek(alignedSize) && file.write(record, recordSize) == recordSize;
}
