#include "PictureCheck.h"

#include <QFile>

namespace {

// BITMAPFILEHEADER (14 bytes), then the info header, whose bit count is at
// its offset 14.
constexpr int kBitCountOffset = 28;
constexpr int kHeaderBytes = kBitCountOffset + 2;

bool headerSays24Bits(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(kHeaderBytes);
    if (header.size() < kHeaderBytes || !header.startsWith("BM"))
        return false;
    const auto low = static_cast<uchar>(header.at(kBitCountOffset));
    const auto high = static_cast<uchar>(header.at(kBitCountOffset + 1));
    return (low | (high << 8)) == 24;
}

} // namespace

QImage PictureCheck::loadBmp24(const QString &path, const QSize &size)
{
    if (!headerSays24Bits(path))
        return QImage();
    QImage image;
    if (!image.load(path, "BMP") || image.size() != size || image.bitPlaneCount() != 24)
        return QImage();
    return image;
}
