#include "TestPictures.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kV4HeaderBytes = 108;

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

int bitsOf(TestPictures::Kind kind)
{
    switch (kind) {
    case TestPictures::Bmp8Indexed:
        return 8;
    case TestPictures::Bmp16:
        return 16;
    case TestPictures::Bmp32NoAlpha:
    case TestPictures::Bmp32Alpha:
        return 32;
    default:
        return 24;
    }
}

// One pixel of the pattern, as the BMP stores it.
void putPixel(QByteArray &row, int bits, int x, int y)
{
    const auto red = static_cast<quint8>(x * 7);
    const auto green = static_cast<quint8>(y * 5);
    const auto blue = static_cast<quint8>((x + y) * 3);
    switch (bits) {
    case 8:
        row.append(static_cast<char>((x + y) & 0xFF));
        break;
    case 16:
        put16(row, static_cast<quint16>(((red >> 3) << 10) | ((green >> 3) << 5) | (blue >> 3)));
        break;
    case 24:
        row.append(static_cast<char>(blue)).append(static_cast<char>(green)).append(static_cast<char>(red));
        break;
    default:
        row.append(static_cast<char>(blue)).append(static_cast<char>(green)).append(static_cast<char>(red));
        row.append(static_cast<char>(0x80)); // half transparent where alpha counts
        break;
    }
}

} // namespace

QByteArray TestPictures::bytes(Kind kind, const QSize &size)
{
    if (kind == NotAPicture)
        return QByteArrayLiteral("BM this is text, not a picture\n");

    const int bits = bitsOf(kind);
    const int stride = (size.width() * bits + 31) / 32 * 4;
    const int paletteBytes = bits == 8 ? 256 * 4 : 0;
    const int infoBytes = kind == Bmp32Alpha ? kV4HeaderBytes : kInfoHeaderBytes;
    const int dataOffset = kFileHeaderBytes + infoBytes + paletteBytes;
    const int imageBytes = stride * size.height();

    QByteArray out;
    out.append("BM");
    put32(out, static_cast<quint32>(dataOffset + imageBytes));
    put32(out, 0);
    put32(out, static_cast<quint32>(dataOffset));

    put32(out, static_cast<quint32>(infoBytes));
    put32(out, static_cast<quint32>(size.width()));
    put32(out, static_cast<quint32>(size.height())); // bottom-up rows
    put16(out, 1);
    put16(out, static_cast<quint16>(bits));
    put32(out, kind == Bmp32Alpha ? 3 : 0); // BI_BITFIELDS : BI_RGB
    put32(out, static_cast<quint32>(imageBytes));
    put32(out, 2835);
    put32(out, 2835);
    put32(out, bits == 8 ? 256 : 0);
    put32(out, 0);
    if (kind == Bmp32Alpha) {
        put32(out, 0x00FF0000);
        put32(out, 0x0000FF00);
        put32(out, 0x000000FF);
        put32(out, 0xFF000000);
        put32(out, 0x73524742); // "sRGB"
        out.append(QByteArray(36 + 12, '\0'));
    }
    for (int i = 0; i < paletteBytes / 4; ++i)
        put32(out, static_cast<quint32>(i * 0x010101));

    for (int y = size.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < size.width(); ++x)
            putPixel(row, bits, x, y);
        row.append(QByteArray(stride - row.size(), '\0'));
        out.append(row);
    }
    return out;
}

bool TestPictures::write(const QString &path, Kind kind, const QSize &size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray data = bytes(kind, size);
    return file.write(data) == data.size();
}
