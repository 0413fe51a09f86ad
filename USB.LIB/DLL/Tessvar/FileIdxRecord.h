#pragma once

// What the callback receives for each used media index item (code 101).

#include <cstdint>

struct FILE_IDX_RECORD
{
    char fileName[128];
    std::uint8_t times[56];
    std::uint32_t zero;
};

static_assert(sizeof(FILE_IDX_RECORD) == 188, "FILE_IDX_RECORD is 188 bytes");
