#pragma once

#include "LocalText.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstring>

// Fields of the camera's fixed-size records, which the device library moves as
// little-endian byte blocks. Offsets are the record's own; every access stays
// inside the record.
namespace RecordBytes {

template <typename Record>
const uchar *at(const Record &record, int offset, int width)
{
    Q_ASSERT(offset >= 0 && width >= 0 && offset + width <= int(sizeof(Record)));
    return reinterpret_cast<const uchar *>(&record) + offset;
}

template <typename Record>
uchar *at(Record &record, int offset, int width)
{
    Q_ASSERT(offset >= 0 && width >= 0 && offset + width <= int(sizeof(Record)));
    return reinterpret_cast<uchar *>(&record) + offset;
}

template <typename Record>
quint8 u8(const Record &record, int offset)
{
    return *at(record, offset, 1);
}

template <typename Record>
quint16 u16(const Record &record, int offset)
{
    return qFromLittleEndian<quint16>(at(record, offset, 2));
}

template <typename Record>
quint32 u32(const Record &record, int offset)
{
    return qFromLittleEndian<quint32>(at(record, offset, 4));
}

template <typename Record>
void putU8(Record &record, int offset, quint8 value)
{
    *at(record, offset, 1) = value;
}

template <typename Record>
void putU16(Record &record, int offset, quint16 value)
{
    qToLittleEndian<quint16>(value, at(record, offset, 2));
}

template <typename Record>
void putU32(Record &record, int offset, quint32 value)
{
    qToLittleEndian<quint32>(value, at(record, offset, 4));
}

// The local 8-bit text of a NUL-padded field: up to its first NUL, at most width bytes.
template <typename Record>
QString localText(const Record &record, int offset, int width)
{
    return LocalText::decodeField(reinterpret_cast<const char *>(at(record, offset, width)), width);
}

// The text's local 8-bit bytes, at most width of them and never half a
// character, followed by zeros up to the field's end.
template <typename Record>
void putLocalText(Record &record, int offset, int width, const QString &text)
{
    QByteArray bytes = LocalText::encode(text);
    for (int chars = text.size(); bytes.size() > width && chars > 0;)
        bytes = LocalText::encode(text.left(--chars));
    uchar *field = at(record, offset, width);
    std::memset(field, 0, std::size_t(width));
    std::memcpy(field, bytes.constData(), std::size_t(qMin(bytes.size(), width)));
}

} // namespace RecordBytes
