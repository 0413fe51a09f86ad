#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The camera's side of the command packets, as the library tests read and
// write them: a 20-byte little-endian head, then the payload.
namespace CommandPackets {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t u32At(const Bytes &bytes, std::size_t at);

// A packet the library sent as a command (not file data).
bool isCommand(const Bytes &packet);

// The camera's reply to `command`, with `result` and `payload` as given.
Bytes reply(std::uint32_t command, std::uint8_t result, const Bytes &payload);

} // namespace CommandPackets
