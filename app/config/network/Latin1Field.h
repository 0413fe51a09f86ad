#pragma once

#include <QString>

#include <cstring>

// A text field of a platform record read byte for byte (these fields take
// ASCII only): up to its first NUL, never past the field, which a text using
// every byte fills without a terminator. A field beyond the record is empty.
template<typename Record>
QString latin1Field(const Record &record, int offset, int width)
{
    if (offset < 0 || width < 0 || offset + width > int(sizeof(Record)))
        return QString();
    const char *bytes = reinterpret_cast<const char *>(&record) + offset;
    const void *nul = std::memchr(bytes, '\0', size_t(width));
    const int length = nul ? int(static_cast<const char *>(nul) - bytes) : width;
    return QString::fromLatin1(bytes, length);
}
