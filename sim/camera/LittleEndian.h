#pragma once

// Little-endian field access on the camera's packets and byte records. They
// are wire images, so every access goes through these helpers instead of casts.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sim::camera::le {

using Bytes = std::vector<std::uint8_t>;

inline std::uint32_t u32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
        | std::uint32_t(p[3]) << 24;
}

inline std::uint64_t u64(const std::uint8_t *p)
{
    return std::uint64_t(u32(p)) | std::uint64_t(u32(p + 4)) << 32;
}

inline std::uint32_t u32At(const Bytes &b, std::size_t offset)
{
    return offset + 4 <= b.size() ? u32(b.data() + offset) : 0;
}

inline void putU32(Bytes &b, std::size_t offset, std::uint32_t v)
{
    if (b.size() < offset + 4)
        b.resize(offset + 4);
    for (int i = 0; i < 4; ++i)
        b[offset + i] = std::uint8_t(v >> (8 * i));
}

inline void putU16(Bytes &b, std::size_t offset, std::uint16_t v)
{
    if (b.size() < offset + 2)
        b.resize(offset + 2);
    b[offset] = std::uint8_t(v);
    b[offset + 1] = std::uint8_t(v >> 8);
}

inline void putU64(Bytes &b, std::size_t offset, std::uint64_t v)
{
    putU32(b, offset, std::uint32_t(v));
    putU32(b, offset + 4, std::uint32_t(v >> 32));
}

// Writes text NUL-padded into a field of width bytes; at most width - 1
// bytes of text so that the camera's fields always end in a NUL.
inline void putText(Bytes &b, std::size_t offset, std::size_t width, const std::string &text)
{
    if (b.size() < offset + width)
        b.resize(offset + width);
    const std::size_t n = text.size() < width ? text.size() : width - 1;
    for (std::size_t i = 0; i < width; ++i)
        b[offset + i] = i < n ? std::uint8_t(text[i]) : 0;
}

// Reads a NUL-terminated text from a field without reading past the field
// or past the bytes that were actually received.
inline std::string textAt(const std::uint8_t *data, std::size_t length, std::size_t offset,
                          std::size_t width)
{
    std::string text;
    for (std::size_t i = offset; i < offset + width && i < length && data[i] != 0; ++i)
        text.push_back(char(data[i]));
    return text;
}

} // namespace sim::camera::le
