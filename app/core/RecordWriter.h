#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Writes the fields of a camera record: little-endian numbers and 8-bit texts
// at byte offsets of a zeroed block of the record's size. A field that would
// end past the block is not written at all.
class RecordWriter
{
public:
    enum class Encoding {
        Utf8,
        Local, // the cameras' 8-bit encoding (LocalText)
    };
    enum class Width {
        NulTerminated, // char[N]: at most N - 1 bytes, then a NUL
        Full, // "up to N": all N bytes may hold text, without a NUL
    };

    RecordWriter(void *record, int size);

    void u8(int offset, quint8 value);
    void u16(int offset, quint16 value);
    void u32(int offset, quint32 value);
    void i32(int offset, qint32 value);
    // An address as Ipv4Text gives it: its bytes go in unchanged (network order).
    void inetAddr(int offset, quint32 address);
    void bytes(int offset, const void *data, int length);
    // The text in the field of width bytes at offset; the rest of the field is
    // zeroed. A text that does not fit ends at its last whole character.
    void text(int offset, int width, const QString &value, Encoding encoding,
              Width limit = Width::NulTerminated);

    // The text's bytes, at most maxBytes of them and never half a character.
    // Bytes made text by verbatim() come out as they went in.
    static QByteArray fitted(const QString &value, Encoding encoding, int maxBytes);
    // Bytes that go into a field unchanged, whatever the field's encoding: how
    // a page hands back through a setter's text parameter a camera text that
    // the operator left alone, which neither encoding may reproduce (a GBK
    // name in a UTF-8 field). Each byte rides as one lone low surrogate
    // (U+DC00 + byte), which no typed or decoded text holds.
    static QString verbatim(const QByteArray &bytes);
    // The longest start of the text, in whole characters, whose bytes in
    // the encoding are at most maxBytes: what fitted() writes, as text.
    static QString cut(const QString &value, Encoding encoding, int maxBytes);
    // A port or similar number typed as text: decimal 0 to 65535, else 0.
    static quint16 numberText(const QString &value);

private:
    bool fits(int offset, int length) const;

    uchar *const m_record;
    const int m_size;
};
