#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace PictureCheck {

// The picture in the file at path when it is a BMP of exactly `size` pixels
// with 24 bits per pixel, a null image otherwise. Qt reports 16- and 32-bit
// BMPs without alpha as 24 bit planes too, so the file's own header decides
// the depth.
QImage loadBmp24(const QString &path, const QSize &size);

} // namespace PictureCheck
