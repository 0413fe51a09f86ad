#pragma once

#include <QString>
#include <QtGlobal>

// Reads the fields of a camera record that a reply delivered: little-endian
// numbers and NUL-padded 8-bit texts at byte offsets, the counterpart of
// RecordWriter. A field that would end past the record reads as 0 or empty.
class RecordReader
{
public:
    enum class Encoding {
        Utf8,
        Local, // the cameras' 8-bit encoding (LocalText)
    };

    RecordReader(const void *record, int size);
    template<typename Record>
    explicit RecordReader(const Record &record)
        : RecordReader(&record, int(sizeof(Record)))
    {
    }

    quint8 u8(int offset) const;
    quint16 u16(int offset) const;
    quint32 u32(int offset) const;
    qint32 i32(int offset) const;
    // An address field's bytes unchanged (network order), as Ipv4Text takes it.
    quint32 inetAddr(int offset) const;
    // The text of a field of width bytes: up to its first NUL, never past the field.
    QString text(int offset, int width, Encoding encoding) const;

private:
    bool fits(int offset, int length) const;

    const uchar *const m_record;
    const int m_size;
};
