#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

// Picture files of the kinds the program's picture checks must tell apart,
// written byte by byte (Qt writes no 16- or 32-bit BMP of its own):
//
//     QVERIFY(TestPictures::write(path, TestPictures::Bmp32NoAlpha, {320, 216}));
namespace TestPictures {

enum Kind {
    Bmp24,        // what the uploads take
    Bmp8Indexed,  // 256-colour palette
    Bmp16,        // 5-5-5, which Qt reads as 24 bit planes
    Bmp32NoAlpha, // plain 32-bit, which Qt reads as 24 bit planes too
    Bmp32Alpha,   // version-4 header with an alpha mask
    NotAPicture,  // text under a .bmp name
};

// The file's bytes; the pixels form a pattern of the size.
QByteArray bytes(Kind kind, const QSize &size);
bool write(const QString &path, Kind kind, const QSize &size);

} // namespace TestPictures
