#pragma once

// The head of a media index file; its meaning is the camera's own.

#include <cstdint>

struct FILE_IDX_HEAD
{
    std::uint8_t bytes[4];
};

static_assert(sizeof(FILE_IDX_HEAD) == 4, "FILE_IDX_HEAD is 4 bytes in the file");
