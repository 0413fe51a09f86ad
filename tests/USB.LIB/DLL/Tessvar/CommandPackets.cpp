#include "CommandPackets.h"

#include <algorithm>
#include <cstring>

namespace CommandPackets {

namespace {
constexpr std::size_t HeadSize = 20;
constexpr std::uint32_t CommandType = 1;
constexpr std::size_t ResultAt = 18;
} // namespace

std::uint32_t u32At(const Bytes &bytes, std::size_t at)
{
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    return value;
}

bool isCommand(const Bytes &packet)
{
    return packet.size() >= HeadSize && u32At(packet, 8) == CommandType;
}

Bytes reply(std::uint32_t command, std::uint8_t result, const Bytes &payload)
{
    Bytes packet(HeadSize + payload.size(), 0);
    const std::uint32_t head[] = {static_cast<std::uint32_t>(packet.size()), 0, CommandType, command};
    std::memcpy(packet.data(), head, sizeof head);
    packet[ResultAt] = result;
    std::copy(payload.begin(), payload.end(), packet.begin() + HeadSize);
    return packet;
}

} // namespace CommandPackets
