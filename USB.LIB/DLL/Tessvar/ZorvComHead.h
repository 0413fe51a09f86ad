#pragma once

// Opens every command packet, requests and replies alike.

#include "PacketHead.h"

#include <cstdint>

#pragma pack(push, 1)
struct ZORV_COM_HEAD
{
    PACKET_HEAD head;       // len = 20 + payload length, type 1
    std::uint32_t cmd;
    std::uint16_t flags;    // not read in replies
    std::uint8_t result;    // replies: 0 success; requests: 0
    std::uint8_t reserved;
};
#pragma pack(pop)

static_assert(sizeof(ZORV_COM_HEAD) == 20, "ZORV_COM_HEAD is 20 bytes on the wire");

enum ComFlags : std::uint16_t {
    COM_FLAGS_GET = 0x0001,
    COM_FLAGS_SET = 0x0101,
};
