#include "RecordWriter.h"

#include "LocalText.h"

#include <QtEndian>

#include <cstring>

RecordWriter::RecordWriter(void *record, int size)
    : m_record(static_cast<uchar *>(record))
    , m_size(record ? size : 0)
{
}

bool RecordWriter::fits(int offset, int length) const
{
    const bool inside = offset >= 0 && length >= 0 && offset <= m_size - length;
    Q_ASSERT_X(inside, "RecordWriter", "field outside the record");
    return inside;
}

void RecordWriter::u8(int offset, quint8 value)
{
    if (fits(offset, 1))
        m_record[offset] = value;
}

void RecordWriter::u16(int offset, quint16 value)
{
    if (fits(offset, 2))
        qToLittleEndian(value, m_record + offset);
}

void RecordWriter::u32(int offset, quint32 value)
{
    if (fits(offset, 4))
        qToLittleEndian(value, m_record + offset);
}

void RecordWriter::i32(int offset, qint32 value)
{
    if (fits(offset, 4))
        qToLittleEndian(value, m_record + offset);
}

void RecordWriter::inetAddr(int offset, quint32 address)
{
    bytes(offset, &address, 4);
}

void RecordWriter::bytes(int offset, const void *data, int length)
{
    if (data && fits(offset, length))
        std::memcpy(m_record + offset, data, std::size_t(length));
}

void RecordWriter::text(int offset, int width, const QString &value, Encoding encoding, Width limit)
{
    if (width <= 0 || !fits(offset, width))
        return;
    const QByteArray encoded = fitted(value, encoding, limit == Width::NulTerminated ? width - 1 : width);
    std::memset(m_record + offset, 0, std::size_t(width));
    std::memcpy(m_record + offset, encoded.constData(), std::size_t(encoded.size()));
}

namespace {

constexpr ushort kVerbatimBase = 0xDC00;

bool isVerbatimByte(const QString &text, int i)
{
    const ushort unit = text.at(i).unicode();
    return unit >= kVerbatimBase && unit <= kVerbatimBase + 0xFF && (i == 0 || !text.at(i - 1).isHighSurrogate());
}

QByteArray encoded(const QString &text, RecordWriter::Encoding encoding)
{
    const auto encode = [encoding](const QString &part) {
        return encoding == RecordWriter::Encoding::Utf8 ? part.toUtf8() : LocalText::encode(part);
    };
    QByteArray out;
    int start = 0;
    for (int i = 0; i < text.size(); ++i) {
        if (!isVerbatimByte(text, i))
            continue;
        out += encode(text.mid(start, i - start));
        out += char(text.at(i).unicode() - kVerbatimBase);
        start = i + 1;
    }
    return out + encode(text.mid(start));
}

} // namespace

QString RecordWriter::verbatim(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += QChar(ushort(kVerbatimBase + uchar(byte)));
    return text;
}

QByteArray RecordWriter::fitted(const QString &value, Encoding encoding, int maxBytes)
{
    QByteArray whole = encoded(value, encoding);
    // A text cut inside a NUL would end there on the camera as well.
    const int nul = whole.indexOf('\0');
    if (nul >= 0)
        whole.truncate(nul);
    if (whole.size() <= maxBytes)
        return whole;
    return encoded(cut(value, encoding, maxBytes), encoding);
}

QString RecordWriter::cut(const QString &value, Encoding encoding, int maxBytes)
{
    // Character by character (a surrogate pair is one), so the cut falls
    // between two characters of either encoding.
    int bytes = 0;
    int i = 0;
    while (i < value.size()) {
        const int length =
                value.at(i).isHighSurrogate() && i + 1 < value.size() && value.at(i + 1).isLowSurrogate() ? 2
                                                                                                          : 1;
        const QByteArray character = encoded(value.mid(i, length), encoding);
        if (bytes + character.size() > maxBytes || character.contains('\0'))
            break;
        bytes += character.size();
        i += length;
    }
    return value.left(i);
}

quint16 RecordWriter::numberText(const QString &value)
{
    bool ok = false;
    const quint16 number = value.toUShort(&ok, 10);
    return ok ? number : 0;
}
