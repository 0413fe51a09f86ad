#pragma once

#include "LittleEndian.h"

#include <cstdint>

namespace sim::camera {

// What the camera answers to one command: the result byte and the payload
// that follows the command header.
struct CommandReply
{
    std::uint8_t result = 0;
    le::Bytes payload;
};

} // namespace sim::camera
