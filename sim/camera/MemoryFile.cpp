#include "MemoryFile.h"

#include <cstring>

namespace sim {

MemoryFile::MemoryFile(std::vector<std::uint8_t> content) : content_(std::move(content)) {}

std::uint64_t MemoryFile::size() const
{
    return content_.size();
}

void MemoryFile::read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const
{
    if (count > 0)
        std::memcpy(out, content_.data() + offset, count);
}

} // namespace sim
