#pragma once

// The content of one file on a simulated camera. Downloads read it piece by
// piece while they stream, so a large file never sits in the IN queue whole.

#include <cstddef>
#include <cstdint>

namespace sim {

class FileSource
{
public:
    virtual ~FileSource() = default;
    virtual std::uint64_t size() const = 0;
    // Copies count bytes from offset on; offset + count never exceeds size().
    virtual void read(std::uint64_t offset, std::uint8_t *out, std::size_t count) const = 0;
};

} // namespace sim
