#pragma once

#include <cstddef>
#include <cstdint>

namespace sim {

// One request packet as the camera parsed it; the payload points into the
// received transfer and is valid while the command is handled.
struct CommandRequest
{
    std::uint32_t command = 0;
    std::uint16_t flags = 0;
    const std::uint8_t *payload = nullptr;
    std::size_t payloadLength = 0;
};

} // namespace sim
