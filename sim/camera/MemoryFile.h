#pragma once

#include "FileSource.h"

#include <vector>

namespace sim {

// A camera file held in memory as given.
class MemoryFile : public FileSource
{
public:
    explicit MemoryFile(std::vector<std::uint8_t> content);

    std::uint64_t size() const override;
    void read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const override;

private:
    std::vector<std::uint8_t> content_;
};

} // namespace sim
