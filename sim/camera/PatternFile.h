#pragma once

#include "FileSource.h"

namespace sim {

// A large camera file that costs no memory: each byte follows from its
// position, so a receiver can check every byte it got without a copy.
class PatternFile : public FileSource
{
public:
    explicit PatternFile(std::uint64_t size);

    static std::uint8_t byteAt(std::uint64_t position);

    std::uint64_t size() const override;
    void read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const override;

private:
    std::uint64_t size_;
};

} // namespace sim
