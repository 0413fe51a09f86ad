#pragma once

// The camera's media record, as it appears in media index files and in the
// media-list reply.

#include <cstdint>

struct FILE_IDX_ITEM
{
    std::uint8_t unused0[8];
    char fileName[128];          // the file's path on the camera
    std::uint8_t unused136[128];
    std::uint8_t times[56];      // start and end date and time of the recording
    std::uint8_t unused320[16];
};

static_assert(sizeof(FILE_IDX_ITEM) == 336, "FILE_IDX_ITEM is 336 bytes in the file");
