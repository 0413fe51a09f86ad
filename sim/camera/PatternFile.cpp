#include "PatternFile.h"

namespace sim {

PatternFile::PatternFile(std::uint64_t size) : size_(size) {}

std::uint8_t PatternFile::byteAt(std::uint64_t position)
{
    // Mixing in the 4 KiB block number makes shifted or repeated blocks show.
    return static_cast<std::uint8_t>(position * 7 + (position >> 12) * 13);
}

std::uint64_t PatternFile::size() const
{
    return size_;
}

void PatternFile::read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const
{
    for (std::size_t at = 0; at < count; ++at)
        out[at] = byteAt(offset + at);
}

} // namespace sim
