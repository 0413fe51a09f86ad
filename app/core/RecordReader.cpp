#include "RecordReader.h"

#include "LocalText.h"

#include <QtEndian>

#include <cstring>

RecordReader::RecordReader(const void *record, int size)
    : m_record(static_cast<const uchar *>(record))
    , m_size(record ? size : 0)
{
}

bool RecordReader::fits(int offset, int length) const
{
    const bool inside = offset >= 0 && length >= 0 && offset <= m_size - length;
    Q_ASSERT_X(inside, "RecordReader", "field outside the record");
    return inside;
}

quint8 RecordReader::u8(int offset) const
{
    return fits(offset, 1) ? m_record[offset] : 0;
}

quint16 RecordReader::u16(int offset) const
{
    return fits(offset, 2) ? qFromLittleEndian<quint16>(m_record + offset) : 0;
}

quint32 RecordReader::u32(int offset) const
{
    return fits(offset, 4) ? qFromLittleEndian<quint32>(m_record + offset) : 0;
}

qint32 RecordReader::i32(int offset) const
{
    return fits(offset, 4) ? qFromLittleEndian<qint32>(m_record + offset) : 0;
}

quint32 RecordReader::inetAddr(int offset) const
{
    quint32 address = 0;
    if (fits(offset, 4))
        std::memcpy(&address, m_record + offset, 4);
    return address;
}

QString RecordReader::text(int offset, int width, Encoding encoding) const
{
    if (width <= 0 || !fits(offset, width))
        return QString();
    const char *field = reinterpret_cast<const char *>(m_record + offset);
    if (encoding == Encoding::Local)
        return LocalText::decodeField(field, width);
    const void *nul = std::memchr(field, '\0', std::size_t(width));
    const int length = nul ? int(static_cast<const char *>(nul) - field) : width;
    return QString::fromUtf8(field, length);
}
