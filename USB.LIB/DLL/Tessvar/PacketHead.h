#pragma once

// Opens every packet in both directions. All wire values are little-endian,
// as are the hosts this library runs on, so the layout is used in place.

#include <cstdint>

#pragma pack(push, 1)
struct PACKET_HEAD
{
    std::uint32_t len;      // whole packet, this header included
    std::uint32_t reserved;
    std::uint32_t type;     // PACKET_TYPE_COMMAND or PACKET_TYPE_DATA
};
#pragma pack(pop)

static_assert(sizeof(PACKET_HEAD) == 12, "PACKET_HEAD is 12 bytes on the wire");

enum PacketType : std::uint32_t {
    PACKET_TYPE_DATA = 0,
    PACKET_TYPE_COMMAND = 1,
};
