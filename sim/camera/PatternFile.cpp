#include "PatternFile.h"

#include <algorithm>

namespace sim {

PatternFile::PatternFile(std::uint64_t size) : size_(size) {}

namespace {

constexpr std::uint64_t BlockSize = 4096;

} // namespace

std::uint8_t PatternFile::byteAt(std::uint64_t position)
{
    // Mixing in the 4 KiB block number makes shifted or repeated blocks show.
    return static_cast<std::uint8_t>(position * 7 + (position / BlockSize) * 13);
}

std::uint64_t PatternFile::size() const
{
    return size_;
}

void PatternFile::read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const
{
    // Block by block, so that the inner loop vectorises: a benchmark streams
    // hundreds of megabytes from here and must not measure this loop.
    while (count > 0) {
        const std::uint64_t inBlock = offset % BlockSize;
        const std::size_t run = static_cast<std::size_t>(std::min<std::uint64_t>(count, BlockSize - inBlock));
        const auto blockPart = static_cast<std::uint8_t>((offset / BlockSize) * 13);
        const auto first = static_cast<unsigned>(inBlock);
        for (std::size_t at = 0; at < run; ++at)
            out[at] = static_cast<std::uint8_t>(static_cast<std::uint8_t>((first + at) * 7) + blockPart);
        out += run;
        offset += run;
        count -= run;
    }
}

} // namespace sim
